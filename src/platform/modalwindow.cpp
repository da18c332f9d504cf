#include "modalwindow.h"

#include "appfont.h"
#include "hintline.h"
#include "placement.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStatusBar>

namespace kvidrel {

ModalWindow::ModalWindow(const QString &caption, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setWindowTitle(caption);
    setFont(tahoma(11));
}

QStatusBar *ModalWindow::makeInfoBar()
{
    infoBar = new QStatusBar(this);
    infoBar->setObjectName(QStringLiteral("infoBar"));
    infoBar->setSizeGripEnabled(false);
    return infoBar;
}

void ModalWindow::HintInfo()
{
    if (infoBar)
        infoBar->showMessage(hintline::longPart(hintline::currentHint()));
}

void ModalWindow::FormActivate()
{
    hintline::setHandler(this, [this] { HintInfo(); });
}

bool ModalWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void ModalWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = frameGeometry();
    placeWindow(this, area.left() + (area.width() - frame.width()) / 2,
                area.top() + (area.height() - frame.height()) / 2);
}

void ModalWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    // Enter on a focused button ("Godkend") clicks it; the dialog itself
    // would only click a default push button, and the tool buttons are none.
    auto *knap = qobject_cast<QAbstractButton *>(focusWidget());
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && knap && knap->isEnabled() && !knap->isCheckable()) {
        event->accept();
        knap->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace kvidrel
