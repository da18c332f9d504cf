#include "errors.h"

#include <QApplication>
#include <QMessageBox>

namespace kvidrel {

namespace {
ErrorSink &sink()
{
    static ErrorSink s;
    return s;
}
} // namespace

void setErrorSink(ErrorSink s)
{
    sink() = std::move(s);
}

void showDefaultError(const QString &message)
{
    if (sink()) {
        sink()(message);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
}

void showDefaultError(const std::exception &error)
{
    // Our own exceptions carry their text in UTF-8.
    showDefaultError(QString::fromUtf8(error.what()));
}

void guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        showDefaultError(error);
    }
}

} // namespace kvidrel
