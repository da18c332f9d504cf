#pragma once

#include <QString>

namespace kvidrel {

// The program's version, from the project's version in the build.
inline QString programVersion()
{
    return QStringLiteral(KVIDREL_VERSION);
}

} // namespace kvidrel
