#pragma once

#include <QString>

namespace kvidrel {

// The update server's address without a trailing '/': KVIDREL_UPDATE_SERVER when
// set (empty turns the check off), else the address the build was given.
QString opdateringsServer();

} // namespace kvidrel
