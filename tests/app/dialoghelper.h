#pragma once

// Answering modal dialogs from a test. A modal dialog runs its own event loop,
// so the answer is arranged before the call that shows it:
//
//     answerModal([](QWidget *dialog) { clickButton(dialog, "Ja"); });
//     EXPECT_TRUE(spoerg("Slet?"));
//
// The answer runs once the dialog is the active modal widget and shown.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace dialoghelper {

using Answer = std::function<void(QWidget *dialog)>;

// Runs answer on the next modal widget that is shown, not on one already open
// (a modal window under test); a test failure when none appears in timeoutMs.
inline void answerModal(Answer answer, int timeoutMs = 5000)
{
    auto *timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    const QPointer<QWidget> openBefore = QApplication::activeModalWidget();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer, timeoutMs, openBefore] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal != openBefore && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal dialog appeared";
        }
    });
    timer->start();
}

// The button of dialog whose text is text (an '&' mnemonic ignored); null if none.
inline QAbstractButton *findButton(QWidget *dialog, const QString &text)
{
    const auto buttons = dialog->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (button->text().remove(u'&') == text)
            return button;
    }
    return nullptr;
}

inline void clickButton(QWidget *dialog, const QString &text)
{
    QAbstractButton *button = findButton(dialog, text);
    if (!button) {
        ADD_FAILURE() << "no button " << text.toStdString();
        dialog->close();
        return;
    }
    button->click();
}

inline void pressEscape(QWidget *dialog)
{
    QTest::keyClick(dialog, Qt::Key_Escape);
}

// As the title bar's close box does.
inline void closeBox(QWidget *dialog)
{
    dialog->close();
}

} // namespace dialoghelper
