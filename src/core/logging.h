#pragma once

#include <QLoggingCategory>

namespace kvidrel {

// Failures the host is meant not to see (a bad question file ends a listing, an
// unreadable options file gives the defaults, a folder cannot be made) leave a
// warning here for the developer. QT_LOGGING_RULES="kvidrel=false" silences it.
Q_DECLARE_LOGGING_CATEGORY(lcKvidrel)

} // namespace kvidrel
