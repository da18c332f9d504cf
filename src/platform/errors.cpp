#include "errors.h"

#include "placement.h"

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
    // Over the window in use; never the active window, which is empty right after
    // a dialog closed. The box's closing must not count as the last window
    // closing while the game keeps the main window hidden.
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message,
                    QMessageBox::Ok, windowInUse());
    box.setTextFormat(Qt::PlainText);
    box.setAttribute(Qt::WA_QuitOnClose, false);
    box.exec();
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
