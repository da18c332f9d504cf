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
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace dialoghelper {

using Answer = std::function<void(QWidget *dialog)>;

// Answers arranged and not yet given.
inline int &pendingAnswers()
{
    static int count = 0;
    return count;
}

// Runs answer on the next modal widget that is shown, not on one already open
// (a modal window under test); a test failure when none appears in timeoutMs.
inline void answerModal(Answer answer, int timeoutMs = 5000)
{
    auto *timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    const QPointer<QWidget> openBefore = QApplication::activeModalWidget();
    ++pendingAnswers();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer, timeoutMs, openBefore] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal != openBefore && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            --pendingAnswers();
            answer(modal);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            --pendingAnswers();
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

// Picks path (absolute, or in the folder the dialog shows) in the real file
// dialog as a host types it: a selection made in code is dropped while the
// dialog is still listing its folder.
inline void typeFileName(QWidget *dialog, const QString &path)
{
    auto *picker = qobject_cast<QFileDialog *>(dialog);
    ASSERT_TRUE(picker);
    auto *name = picker->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_TRUE(name);
    name->setText(path);
    QMetaObject::invokeMethod(picker, "accept");
}

// Everything a dialog says, its labels joined.
inline QString textOf(const QWidget *dialog)
{
    QStringList texts;
    for (const QLabel *label : dialog->findChildren<QLabel *>()) {
        if (!label->text().isEmpty())
            texts << label->text();
    }
    return texts.join(u' ');
}

// A notice or question that no test arranged an answer for fails the running
// test with its text and is closed, instead of blocking until the test times out.
// Modal windows under test (those without a button box of OK or Ja) are left.
inline void installStrayDialogGuard(int graceMs = 1500)
{
    auto *timer = new QTimer(qApp);
    auto since = std::make_shared<QElapsedTimer>();
    timer->setInterval(50);
    QObject::connect(timer, &QTimer::timeout, [since, graceMs] {
        QWidget *modal = QApplication::activeModalWidget();
        const bool message =
            modal && modal->isVisible() &&
            (findButton(modal, QStringLiteral("OK")) || findButton(modal, QStringLiteral("Ja")));
        if (!message || pendingAnswers() > 0) {
            since->invalidate();
            return;
        }
        if (!since->isValid()) {
            since->start();
            return;
        }
        if (since->elapsed() < graceMs)
            return;
        since->invalidate();
        ADD_FAILURE() << "a dialog nobody expected: " << textOf(modal).toStdString();
        modal->close();
    });
    timer->start();
}

} // namespace dialoghelper
