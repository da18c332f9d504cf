#pragma once

// The program's windows on a fresh data root, driven as the host drives them:
// clicks, typed text, and the notice and yes/no dialogs answered by the test.

#include "action.h"
#include "appwindows.h"
#include "dialoghelper.h"
#include "errors.h"
#include "main.h"
#include "messagedialog.h"
#include "shell.h"
#include "testroot.h"
#include "textfile.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QUrl>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>

// A named step of a long flow, for the failures that follow it.
#define STEG(navn) trin.emplace(__FILE__, __LINE__, navn)

// A fresh data root; the default error messages are collected, not shown.
class RodTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        kvidrel::setErrorSink([this](const QString &message) { errors << message; });
    }
    void TearDown() override { kvidrel::setErrorSink({}); }

    QString optionsFile() const { return root.file(QStringLiteral("Egenskaber/Egenskaber.txt")); }

    TestRoot root;
    QStringList errors;
};

class WindowTest : public RodTest
{
protected:
    // What the windows hand to the shell (a browser, a player) is kept in
    // opened; a test never starts another program.
    void SetUp() override
    {
        RodTest::SetUp();
        kvidrel::shell::setSink([this](const QUrl &url) {
            opened << url;
            return true;
        });
    }
    void TearDown() override
    {
        kvidrel::destroyWindows();
        kvidrel::shell::setSink({});
        RodTest::TearDown();
    }

    // Creates the windows; files the test wants loaded at start come first.
    void start()
    {
        kvidrel::createWindows();
        main = kvidrel::mainform;
    }

    // Shows window as the main window's buttons do, but without blocking.
    void show(QWidget *window)
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        idle();
    }

    // The moment the application goes idle: actions recompute their state.
    static void idle() { kvidrel::Action::updateAll(); }

    // The text of a notice or question, as the host reads it ("\r" between
    // lines), kept in messages.
    void noter(QWidget *dialog)
    {
        auto *message = qobject_cast<kvidrel::MessageDialog *>(dialog);
        QString text = message ? message->label()->text() : QStringLiteral("?");
        messages << text.replace(u'\n', u'\r');
    }

    // A notice or question noted and answered with button.
    dialoghelper::Answer notits(const QString &button)
    {
        return [this, button](QWidget *dialog) {
            noter(dialog);
            dialoghelper::clickButton(dialog, button);
        };
    }

    // Arranges the answer to the next notice or question.
    void answer(const QString &button) { dialoghelper::answerModal(notits(button)); }

    // Answers a row of modal windows in turn, each once it is shown.
    void iRaekke(QList<dialoghelper::Answer> svar)
    {
        if (svar.isEmpty())
            return;
        const dialoghelper::Answer foerste = svar.takeFirst();
        dialoghelper::answerModal([this, foerste, svar](QWidget *dialog) {
            foerste(dialog);
            iRaekke(svar);
        });
    }

    static void click(QAbstractButton *button)
    {
        idle();
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
        idle();
    }

    static void clickRow(QListWidget *list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
        idle();
    }

    static void doubleClickRow(QListWidget *list, int row)
    {
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        idle();
    }

    // A click on the check box of a row.
    static void clickCheck(QListWidget *list, int row)
    {
        QStyleOptionViewItem option;
        option.initFrom(list->viewport());
        option.rect = list->visualItemRect(list->item(row));
        option.features =
            QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        option.text = list->item(row)->text();
        const QRect box =
            list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
        idle();
    }

    // Typed into edit in place of what it held.
    static void type(QLineEdit *edit, const QString &text)
    {
        edit->clear();
        QTest::keyClicks(edit, text);
        idle();
    }

    static QStringList rows(const QListWidget *list)
    {
        QStringList result;
        for (int i = 0; i < list->count(); ++i)
            result << list->item(i)->text();
        return result;
    }

    static QList<bool> checks(const QListWidget *list)
    {
        QList<bool> result;
        for (int i = 0; i < list->count(); ++i)
            result << (list->item(i)->checkState() == Qt::Checked);
        return result;
    }

    // The participant register on disk: name, picture file, taken or not. Names
    // come from any script: it is written in UTF-8 with its mark.
    void deltagere(const QList<std::tuple<QString, QString, bool>> &entries)
    {
        QStringList lines;
        for (const auto &[navn, fil, aktiv] : entries)
            lines << navn << fil << (aktiv ? "1" : "0");
        QDir().mkpath(root.file("Deltagere"));
        kvidrel::writeLines(root.file("Deltagere/Deltagere.txt"), lines,
                            kvidrel::TextEncoding::Utf8);
    }

    // Groups added to the group list, each with its folder and Kommentarer, as
    // the question window makes them.
    void grupper(const QStringList &navne)
    {
        const QString liste = root.file("Grupper/Grupper.txt");
        QStringList alle = QFile::exists(liste) ? kvidrel::readLineList(liste) : QStringList();
        for (const QString &navn : navne) {
            QDir().mkpath(root.file("Grupper/" + navn + "/Kommentarer"));
            if (!alle.contains(navn))
                alle << navn;
        }
        kvidrel::writeLines(liste, alle);
    }

    // A question file of group gruppe, written as the editor writes it.
    void skrivSpm(const QString &gruppe, kvidrel::SpmRec spm)
    {
        spm.Gruppe = gruppe;
        spm.Filnavn = "C:\\Kvidrel\\Grupper\\" + gruppe + "\\" + spm.Navn + ".txt";
        kvidrel::writeLines(root.file("Grupper/" + gruppe + "/" + spm.Navn + ".txt"),
                            kvidrel::spmLinjer(spm));
    }

    // Everything under the temporary folder except the data root: what no
    // action of the program may touch.
    QStringList outsideDataRoot() const
    {
        QStringList all = treeListing(root.tempPath());
        all.removeIf([](const QString &row) { return row.startsWith(QStringLiteral("/Kvidrel")); });
        return all;
    }

    // The step a long flow has reached: a failure after STEG names it.
    std::optional<::testing::ScopedTrace> trin;

    kvidrel::Tmainform *main = nullptr;
    QStringList messages;
    QList<QUrl> opened;
};
