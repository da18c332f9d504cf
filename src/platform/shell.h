#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace kvidrel {

// The shell's "open": hands a file or an address to the program the desktop
// associates with it (a music file to the player, a web page to the browser).
namespace shell {

// Opens a local file; false when nothing could be asked to open it.
bool openFile(const QString &path);

// Opens an address (http, https or file) in the user's browser.
bool openUrl(const QUrl &url);

// Tests replace the desktop to see what would have been opened.
using Sink = std::function<bool(const QUrl &)>;
void setSink(Sink sink);

} // namespace shell
} // namespace kvidrel
