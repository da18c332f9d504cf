#include "dataroot.h"
#include "hintline.h"
#include "makeSpm.h"
#include "questionbank.h"
#include "textfile.h"
#include "windowfixture.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using namespace kvidrel;

namespace {

class SpmformTest : public WindowTest
{
protected:
    // Groups in the list file, each with a folder, before the windows start.
    void groups(const QStringList &names)
    {
        QDir().mkpath(root.file("Grupper"));
        writeLines(root.file("Grupper/Grupper.txt"), names);
        for (const QString &name : names)
            QDir().mkpath(root.file("Grupper/" + name + "/Kommentarer"));
    }

    void question(const QString &group, const QString &navn, bool aktiv)
    {
        SpmRec spm;
        spm.Filnavn = QDir::toNativeSeparators(root.file("Grupper/" + group + "/" + navn + ".txt"));
        spm.Gruppe = group;
        spm.Navn = navn;
        spm.Tekst = "Hvad?";
        spm.Svar1 = spm.Svar2 = spm.Svar3 = spm.Svar4 = "x";
        spm.RigtigSvar = 1;
        spm.PointType = 1;
        spm.Aktiv = aktiv;
        writeLines(spm.Filnavn, spmLinjer(spm));
    }

    Tspmform *open()
    {
        start();
        show(spmform);
        return spmform;
    }

    QStringList groupFile() const { return readLineList(root.file("Grupper/Grupper.txt")); }

    void addGroup(const QString &name)
    {
        spmform->gruppeEdit->clear();
        QTest::keyClicks(spmform->gruppeEdit, name);
        click(spmform->SpeedButton5);
    }
};

const QString kFindes = "Oplysning:\rNavnet eksisterer allerede.";
const QString kIkkeMappe = "Oplysning:\rNavnet kan ikke bruges som navn på en mappe.";

} // namespace

TEST_F(SpmformTest, WindowStartsOnTheGroupPageWithTheListFromFile)
{
    groups({"Sport", "Natur"});
    Tspmform *w = open();
    EXPECT_EQ(w->windowTitle(), "Spørgsmål");
    EXPECT_EQ(w->spmBog->currentWidget(), w->side1);
    EXPECT_EQ(w->spmBog->tabText(1), "Spørgsmål");
    EXPECT_EQ(w->spmBog->tabText(2), "Kommentarer");
    EXPECT_EQ(rows(w->gruppeliste), QStringList({"Sport", "Natur"}));
    EXPECT_EQ(w->gruppenavnEdit->text(), "Gruppenavn");
    EXPECT_EQ(w->Button2->text(), "Indfør i spillet");
    EXPECT_FALSE(w->barNew->isHidden());
    EXPECT_TRUE(w->barRediger->isHidden());
    EXPECT_FALSE(w->pointEdit->isEnabled());

    // Nothing selected: only the new-group field could act, and it is empty.
    const QList<QAbstractButton *> buttons = {w->Button2, w->SpeedButton5, w->Button3, w->Button4,
                                              w->Button1};
    for (QAbstractButton *b : buttons)
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();

    // The hint line shows the long part of the hint of the control under the mouse.
    hintline::setCurrentHint(hintline::hintOf(w->Button3));
    EXPECT_EQ(w->infoBar->currentMessage(), "Slet valgte gruppe med samtlige spørgsmål");
    hintline::setCurrentHint("kort|lang forklaring");
    EXPECT_EQ(w->infoBar->currentMessage(), "lang forklaring");
}

TEST_F(SpmformTest, AddGroupsStoresThemAndMakesTheirFolders)
{
    groups({"Sport"});
    Tspmform *w = open();

    addGroup("Natur");
    // Enter in the field adds too; Enter in the empty field does nothing.
    QTest::keyClicks(w->gruppeEdit, "Æbler og ål");
    QTest::keyClick(w->gruppeEdit, Qt::Key_Return);
    QTest::keyClick(w->gruppeEdit, Qt::Key_Return);
    EXPECT_TRUE(w->isVisible());

    EXPECT_EQ(rows(w->gruppeliste), QStringList({"Sport", "Natur", "Æbler og ål"}));
    EXPECT_EQ(groupFile(), rows(w->gruppeliste));
    EXPECT_EQ(w->gruppeliste->currentRow(), -1); // the new row is not selected
    EXPECT_TRUE(w->gruppeEdit->text().isEmpty());
    for (const QString name : {"Natur", "Æbler og ål"}) {
        EXPECT_TRUE(QFileInfo(root.file("Grupper/" + name + "/Kommentarer")).isDir());
        EXPECT_TRUE(QDir(root.file("Grupper/" + name + "/Kommentarer")).isEmpty());
    }

    // The same name in other letter case is refused and the field emptied.
    const QStringList before = treeListing(root.tempPath());
    for (const QString name : {"NATUR", "æbler og Ål"}) {
        answer("OK");
        addGroup(name);
        EXPECT_TRUE(w->gruppeEdit->text().isEmpty());
    }
    EXPECT_EQ(messages, QStringList({kFindes, kFindes}));
    EXPECT_EQ(rows(w->gruppeliste).size(), 3);
    EXPECT_EQ(treeListing(root.tempPath()), before);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(SpmformTest, NamesThatCannotBeFoldersAreRefusedAndTouchNothing)
{
    groups({"Sport"});
    writeAllBytes(root.tempPath() + "/udenfor.txt", "x");
    Tspmform *w = open();
    const QStringList before = treeListing(root.tempPath());

    const QStringList bad = {"..", "a/b", "a\\b", "con:x", QString(300, u'n'), "../Grupper2"};
    for (const QString &name : bad) {
        answer("OK");
        addGroup(name);
        EXPECT_EQ(w->gruppeEdit->text(), name); // kept for mending
    }
    EXPECT_EQ(messages, QStringList(bad.size(), kIkkeMappe));
    EXPECT_EQ(rows(w->gruppeliste), QStringList({"Sport"}));
    EXPECT_EQ(treeListing(root.tempPath()), before);
}

TEST_F(SpmformTest, HandWrittenBadNameIsNeverUsedAsAPath)
{
    // A list file edited by hand: ".." would be the data root itself.
    groups({"Sport"});
    writeLines(root.file("Grupper/Grupper.txt"), {"Sport", ".."});
    writeAllBytes(root.file("Grupper/Sport/001 a.txt"), "x");
    Tspmform *w = open();
    const QStringList before = treeListing(root.tempPath());

    answer("OK");
    clickRow(w->gruppeliste, 1);
    EXPECT_EQ(messages, QStringList({kIkkeMappe}));
    EXPECT_TRUE(main->gruppeNavn.isEmpty());
    EXPECT_EQ(w->spmliste->count(), 0);

    answer("Ja");
    click(w->Button3);
    EXPECT_EQ(rows(w->gruppeliste), QStringList({"Sport"}));
    EXPECT_EQ(groupFile(), QStringList({"Sport"}));
    // Only the list file changed (and so its folder's time).
    const auto withoutListFile = [](QStringList listing) {
        listing.removeIf([](const QString &row) {
            return row.startsWith("/Kvidrel/Grupper/Grupper.txt ") ||
                   row.startsWith("/Kvidrel/Grupper ");
        });
        return listing;
    };
    EXPECT_EQ(withoutListFile(treeListing(root.tempPath())), withoutListFile(before));
    EXPECT_TRUE(QFile::exists(root.file("Grupper/Sport/001 a.txt")));
}

TEST_F(SpmformTest, MovingGroupsChangesOnlyTheListFile)
{
    groups({"A", "B", "C"});
    question("B", "001 b", true);
    Tspmform *w = open();

    clickRow(w->gruppeliste, 0);
    EXPECT_FALSE(w->Button1->isEnabled()); // the first cannot move up
    EXPECT_TRUE(w->Button4->isEnabled());
    clickRow(w->gruppeliste, 2);
    EXPECT_FALSE(w->Button4->isEnabled()); // the last cannot move down
    EXPECT_TRUE(w->Button1->isEnabled());

    clickRow(w->gruppeliste, 1);
    EXPECT_EQ(w->spmliste->count(), 1);
    EXPECT_TRUE(w->Button2->isEnabled());
    click(w->Button1); // B up
    EXPECT_EQ(rows(w->gruppeliste), QStringList({"B", "A", "C"}));
    EXPECT_EQ(groupFile(), QStringList({"B", "A", "C"}));
    EXPECT_EQ(w->gruppeliste->currentRow(), 0);
    // The question list stays empty until the group is clicked again.
    EXPECT_EQ(w->spmliste->count(), 0);
    EXPECT_FALSE(w->Button2->isEnabled());
    clickRow(w->gruppeliste, 0);
    EXPECT_EQ(rows(w->spmliste), QStringList({"001 b"}));

    click(w->Button4); // B down again, twice
    click(w->Button4);
    EXPECT_EQ(groupFile(), QStringList({"A", "C", "B"}));
    for (const QString name : {"A", "B", "C"})
        EXPECT_TRUE(QFileInfo(root.file("Grupper/" + name)).isDir());
    EXPECT_TRUE(QFile::exists(root.file("Grupper/B/001 b.txt")));
}

TEST_F(SpmformTest, OneGroupCannotMove)
{
    groups({"Alene"});
    Tspmform *w = open();
    clickRow(w->gruppeliste, 0);
    EXPECT_TRUE(w->Button3->isEnabled());
    EXPECT_FALSE(w->Button1->isEnabled());
    EXPECT_FALSE(w->Button4->isEnabled());
}

TEST_F(SpmformTest, DeletingAGroupRemovesItsFolderTreeAndLine)
{
    groups({"A", "B", "C"});
    question("B", "001 b", true);
    writeAllBytes(root.file("Grupper/B/Kommentarer/001 b.txt"), "kommentar");
    writeAllBytes(root.file("Grupper/B/Kommentarer/billede.png"), "png");
    QDir().mkpath(root.file("Grupper/B/andet"));
    writeAllBytes(root.file("Grupper/B/andet/fil"), "x");
    writeAllBytes(root.file("Grupper/B.txt"), "beside the folder");
    QDir().mkpath(root.tempPath() + "/udenfor");
    writeAllBytes(root.tempPath() + "/udenfor/vigtig", "x");
    ASSERT_TRUE(QFile::link(root.tempPath() + "/udenfor", root.file("Grupper/B/link")));
    Tspmform *w = open();
    const QStringList outside = outsideDataRoot();

    clickRow(w->gruppeliste, 1);
    answer("Nej");
    click(w->Button3);
    EXPECT_EQ(messages, QStringList({"Skal gruppen B\rslettes permanent?\rAlle spørgsmål i "
                                     "gruppen vil også blive slettet."}));
    EXPECT_TRUE(QFileInfo(root.file("Grupper/B")).isDir());
    EXPECT_EQ(w->spmliste->count(), 1);

    answer("Ja");
    click(w->Button3);
    EXPECT_FALSE(QFileInfo::exists(root.file("Grupper/B")));
    EXPECT_TRUE(QFile::exists(root.file("Grupper/B.txt")));
    EXPECT_EQ(rows(w->gruppeliste), QStringList({"A", "C"}));
    EXPECT_EQ(groupFile(), QStringList({"A", "C"}));
    EXPECT_TRUE(QFileInfo(root.file("Grupper/A/Kommentarer")).isDir());
    EXPECT_EQ(w->spmliste->count(), 0);
    EXPECT_EQ(w->gruppeliste->currentRow(), -1);
    EXPECT_FALSE(w->Button2->isEnabled());
    EXPECT_EQ(main->gruppeNavn, "B"); // left as it was
    EXPECT_EQ(outsideDataRoot(), outside);

    // A group whose folder is already gone still leaves the list.
    QDir(root.file("Grupper/C")).removeRecursively();
    clickRow(w->gruppeliste, 1);
    answer("Ja");
    click(w->Button3);
    EXPECT_EQ(groupFile(), QStringList({"A"}));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

TEST_F(SpmformTest, PickingAGroupListsItsQuestions)
{
    groups({"Sport", "Tom"});
    question("Sport", "002 to", false);
    question("Sport", "001 en", true);
    Tspmform *w = open();

    clickRow(w->gruppeliste, 0);
    EXPECT_EQ(rows(w->spmliste), QStringList({"001 en", "002 to"}));
    EXPECT_EQ(checks(w->spmliste), QList<bool>({true, false}));
    EXPECT_EQ(w->antalLabel->text(), "2 spørgsmål");
    EXPECT_EQ(main->gruppeNavn, "Sport");
    EXPECT_EQ(main->disGruppenavn, "Sport");
    EXPECT_EQ(w->gruppenavnEdit->text(), "Sport");
    EXPECT_EQ(main->antalSpm, 1);
    EXPECT_TRUE(w->Button2->isEnabled());

    // Keyboard moves pick too.
    QTest::keyClick(w->gruppeliste, Qt::Key_Down);
    idle();
    EXPECT_EQ(main->gruppeNavn, "Tom");
    EXPECT_EQ(w->spmliste->count(), 0);
    EXPECT_EQ(w->antalLabel->text(), "0 spørgsmål");
    EXPECT_FALSE(w->Button2->isEnabled());
}

TEST_F(SpmformTest, StartNeedsACheckedQuestion)
{
    groups({"Slukket", "Klar"});
    question("Slukket", "001 a", false);
    question("Slukket", "002 b", false);
    question("Klar", "001 a", true);
    Tspmform *w = open();

    clickRow(w->gruppeliste, 0);
    answer("OK");
    click(w->Button2);
    EXPECT_EQ(messages, QStringList({"Der mangler spørgsmål.\rVælg eller indfør spørgsmål."}));
    EXPECT_TRUE(w->isVisible());

    // A double click on a group with a checked question closes with OK.
    doubleClickRow(w->gruppeliste, 1);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), 1);
    EXPECT_EQ(main->antalSpm, 1);
    EXPECT_EQ(main->Spm.size(), 1);
}

TEST_F(SpmformTest, ShownModallyItReturnsOneThroughTheStartButton)
{
    groups({"Klar"});
    question("Klar", "001 a", true);
    start();
    QTimer::singleShot(0, [this] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(spmform));
        clickRow(spmform->gruppeliste, 0);
        click(spmform->Button2);
    });
    EXPECT_EQ(spmform->exec(), 1);

    // Shown again, it is as it was left; the close box is no OK.
    QTimer::singleShot(0, [] {
        EXPECT_EQ(rows(spmform->spmliste), QStringList({"001 a"}));
        spmform->close();
    });
    EXPECT_NE(spmform->exec(), 1);
}

// A pasted name loses its line break and blanks; a name the code page cannot
// hold keeps its folder after a restart; a name too long for the file system
// adds nothing.
TEST_F(SpmformTest, PastedLongAndForeignGroupNames)
{
    groups({"Sport"});
    Tspmform *w = open();
    w->gruppeEdit->setText("  Fest 🎉\r\n"); // as pasted
    click(w->SpeedButton5);
    EXPECT_EQ(rows(w->gruppeliste), QStringList({"Sport", "Fest 🎉"}));
    EXPECT_TRUE(QFileInfo(root.file("Grupper/Fest 🎉/Kommentarer")).isDir());

    const QStringList before = treeListing(root.tempPath());
    answer("OK");
    addGroup(QString(130, u'ø')); // 260 bytes: more than one name may hold
    EXPECT_EQ(messages, QStringList({kIkkeMappe}));
    EXPECT_EQ(treeListing(root.tempPath()), before);

    destroyWindows();
    start();
    show(spmform);
    EXPECT_EQ(rows(spmform->gruppeliste), QStringList({"Sport", "Fest 🎉"}));
    question("Fest 🎉", "001 Skål", true);
    clickRow(spmform->gruppeliste, 1);
    EXPECT_EQ(spmform->spmliste->count(), 1);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}
