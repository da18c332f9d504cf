#pragma once

#include <QString>

namespace kvidrel {

// Paths as the data files store them. A Windows installation writes
// "C:\Kvidrel\Grupper\Sport\001 Fodbold.txt"; such a path names the same place
// under whatever data root is in use, so data roots can be copied between
// machines. Stored paths are compared only through these functions.
namespace storedpath {

// The local path a stored path names. "C:\Kvidrel\..." (any letter case) lies
// under the data root; "\" is read as a separator. A missing folder or file is
// replaced by the one entry of its folder that matches it ignoring letter case.
QString resolve(const QString &stored);

// The form the program stores: a path under the data root becomes
// "C:\Kvidrel\" plus the relative path with "\"; any other path stays as it is.
QString toStored(const QString &localPath);

// True when both stored or local paths name the same place.
bool same(const QString &a, const QString &b);

// The existing entry for a local path whose components may differ in letter
// case from what is on disk; the path itself when it exists or when no single
// entry matches.
QString matchLetterCase(const QString &localPath);

} // namespace storedpath
} // namespace kvidrel
