#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace kvidrel {

// The default error message for an unexpected failure inside an event handler:
// the handler stops, the program goes on.
void showDefaultError(const QString &message);
void showDefaultError(const std::exception &error);

// Tests replace the message box to read what would have been shown.
using ErrorSink = std::function<void(const QString &)>;
void setErrorSink(ErrorSink sink);

// Runs an event handler; an exception ends it with the default error message.
void guarded(const std::function<void()> &handler);

} // namespace kvidrel
