#pragma once

#include <QStringList>

namespace kvidrel::kommandolinje {

// Whether the arguments ask for something done without a window: an import,
// an export, the help or the version. Any other arguments are left to the
// windows, which take the toolkit's own (-platform and the like).
bool erKommando(int argc, const char *const *argv);

// Does it with the data root of KVIDREL_ROOT or the home folder, prints what
// it did and returns the exit code: 0 when done, 1 when nothing could be done,
// 2 for arguments it cannot use. Needs a QCoreApplication.
int koer(const QStringList &argumenter);

} // namespace kvidrel::kommandolinje
