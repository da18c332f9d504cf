#pragma once

#include <QString>

namespace kvidrel {

struct DataLayout;

// The content delivered with the program: the help pages, the drawings for
// participant pictures and the demo group. It lies in the share folder beside
// an installed program, or, in a developer build only, in the source and build
// tree, and is copied into a data root that lacks it.
namespace deliveredcontent {

// The delivered folder navn ("Struktur", "Billeder", "Grupper", "ikoner");
// empty when it is nowhere.
QString leveretMappe(const QString &navn);

// The delivered help structure "kvidrel".
QString leveretStruktur();

// Copies the folder or file kilde into maalDir under its own name, unless an
// entry of that name is there in any letter case: what the host has is never
// touched. The copy is made under a temporary name and then renamed, so a copy
// cut short never counts as present. True when copied.
bool kopierInd(const QString &kilde, const QString &maalDir);

// Brings the delivered content into the data root of layout. The help
// structure comes whenever it is missing. The drawings and the demo groups come
// only at the first start in a root, that is while it has no group list, which
// is copied last: a group or drawing the host deleted later never comes back.
void forsyn(const DataLayout &layout);

} // namespace deliveredcontent
} // namespace kvidrel
