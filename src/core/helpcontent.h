#pragma once

#include <QString>

namespace kvidrel {

// The help pages delivered with the program: a structure folder that the
// information window shows, copied into the data root's structure folder.
namespace helpcontent {

// The delivered structure "kvidrel": installed beside the program in the share
// folder, or in the source tree when the program runs from its build tree.
// Empty when neither is there.
QString leveretStruktur();

// Copies the structure folder kilde into strukturDir under its own name, unless
// a folder or file of that name is there in any letter case: a structure that
// is present is never touched. The copy is made under a temporary name and then
// renamed, so a copy cut short never counts as present. True when copied.
bool kopierStruktur(const QString &kilde, const QString &strukturDir);

} // namespace helpcontent
} // namespace kvidrel
