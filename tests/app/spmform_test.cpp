#include "billedfelt.h"
#include "dataroot.h"
#include "hintline.h"
#include "kontrol.h"
#include "makeSpm.h"
#include "proevespm.h"
#include "questionbank.h"
#include "radiogroup.h"
#include "shell.h"
#include "textfile.h"
#include "unprivileged.h"
#include "windowfixture.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrlQuery>

using namespace kvidrel;

namespace {

class SpmformTest : public WindowTest
{
protected:
    // The controls the tests use most.
    static QListWidget *spmliste() { return kontrol<QListWidget>(spmform, "spmliste"); }
    static QListWidget *gruppeliste() { return kontrol<QListWidget>(spmform, "gruppeliste"); }
    static QTabWidget *spmBog() { return kontrol<QTabWidget>(spmform, "spmBog"); }
    static QLineEdit *edit(const char *navn) { return kontrol<QLineEdit>(spmform, navn); }

    void TearDown() override
    {
        Tspmform::setFilVaelger({});
        Tspmform::setGemVaelger({});
        WindowTest::TearDown();
    }

    QString file(const QString &group, const QString &navn) const
    {
        return root.file("Grupper/" + group + "/" + navn + ".txt");
    }

    // The host's click on a page tab, which raises the page events.
    static void clickTab(int index)
    {
        QTabBar *bar = spmBog()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        idle();
    }

    // Answers the next question with Enter, as a hurried host would.
    void answerEnter()
    {
        dialoghelper::answerModal([this](QWidget *dialog) {
            noter(dialog);
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus && dialog->isAncestorOf(focus) ? focus : dialog, Qt::Key_Return);
        });
    }

    // The pickers hand over the file the test names next; what they were asked for is kept.
    void pickNext(const QString &path)
    {
        Tspmform::setFilVaelger([this, path](QWidget *, const QString &, const QString &filter) {
            pickerFilters << filter;
            return path;
        });
    }

    QStringList pickerFilters;

    // A question "Hvad?" with the answers "x", the first one right.
    void question(const QString &group, const QString &navn, bool aktiv)
    {
        SpmRec spm = proeve::spm("Hvad?", 1, 0, aktiv);
        spm.Navn = navn;
        spm.Svar1 = spm.Svar2 = spm.Svar3 = spm.Svar4 = "x";
        spm.PointType = 1;
        skrivSpm(group, spm);
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
        kontrol<QLineEdit>(spmform, "gruppeEdit")->clear();
        QTest::keyClicks(kontrol<QLineEdit>(spmform, "gruppeEdit"), name);
        click(kontrol<QToolButton>(spmform, "SpeedButton5"));
    }
};

const QString kFindes = "Oplysning:\rNavnet eksisterer allerede.";
const QString kIkkeMappe = "Oplysning:\rNavnet kan ikke bruges som navn på en mappe.";

} // namespace

TEST_F(SpmformTest, WindowStartsOnTheGroupPageWithTheListFromFile)
{
    grupper({"Sport", "Natur"});
    Tspmform *w = open();
    EXPECT_EQ(w->windowTitle(), "Spørgsmål");
    EXPECT_EQ(spmBog()->currentWidget(), kontrol<QWidget>(w, "side1"));
    EXPECT_EQ(spmBog()->tabText(1), "Spørgsmål");
    EXPECT_EQ(spmBog()->tabText(2), "Kommentarer");
    EXPECT_EQ(rows(gruppeliste()), QStringList({"Sport", "Natur"}));
    EXPECT_EQ(edit("gruppenavnEdit")->text(), "Gruppenavn");
    EXPECT_EQ(kontrol<QPushButton>(w, "Button2")->text(), "Indfør i spillet");
    EXPECT_FALSE(kontrol<QWidget>(w, "barNew")->isHidden());
    EXPECT_TRUE(kontrol<QWidget>(w, "barRediger")->isHidden());
    EXPECT_FALSE(edit("pointEdit")->isEnabled());

    // Nothing selected: only the new-group field could act, and it is empty.
    const QList<QAbstractButton *> buttons = {
        kontrol<QPushButton>(w, "Button2"), kontrol<QToolButton>(w, "SpeedButton5"),
        kontrol<QToolButton>(w, "Button3"), kontrol<QToolButton>(w, "Button4"),
        kontrol<QToolButton>(w, "Button1")};
    for (QAbstractButton *b : buttons)
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();

    // The hint line shows the long part of the hint of the control under the mouse.
    hintline::setCurrentHint(hintline::hintOf(kontrol<QToolButton>(w, "Button3")));
    EXPECT_EQ(w->infoBar->currentMessage(), "Slet valgte gruppe med samtlige spørgsmål");
    hintline::setCurrentHint("kort|lang forklaring");
    EXPECT_EQ(w->infoBar->currentMessage(), "lang forklaring");
}

TEST_F(SpmformTest, AddGroupsStoresThemAndMakesTheirFolders)
{
    grupper({"Sport"});
    Tspmform *w = open();

    addGroup("Natur");
    // Enter in the field adds too; Enter in the empty field does nothing.
    QTest::keyClicks(edit("gruppeEdit"), "Æbler og ål");
    QTest::keyClick(edit("gruppeEdit"), Qt::Key_Return);
    QTest::keyClick(edit("gruppeEdit"), Qt::Key_Return);
    EXPECT_TRUE(w->isVisible());

    EXPECT_EQ(rows(gruppeliste()), QStringList({"Sport", "Natur", "Æbler og ål"}));
    EXPECT_EQ(groupFile(), rows(gruppeliste()));
    EXPECT_EQ(gruppeliste()->currentRow(),
              -1); // the new row is not selected
    EXPECT_TRUE(edit("gruppeEdit")->text().isEmpty());
    for (const QString name : {"Natur", "Æbler og ål"}) {
        EXPECT_TRUE(QFileInfo(root.file("Grupper/" + name + "/Kommentarer")).isDir());
        EXPECT_TRUE(QDir(root.file("Grupper/" + name + "/Kommentarer")).isEmpty());
    }

    // The same name in other letter case is refused and the field emptied.
    const QStringList before = treeListing(root.tempPath());
    for (const QString name : {"NATUR", "æbler og Ål"}) {
        answer("OK");
        addGroup(name);
        EXPECT_TRUE(edit("gruppeEdit")->text().isEmpty());
    }
    EXPECT_EQ(messages, QStringList({kFindes, kFindes}));
    EXPECT_EQ(rows(gruppeliste()).size(), 3);
    EXPECT_EQ(treeListing(root.tempPath()), before);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(SpmformTest, NamesThatCannotBeFoldersAreRefusedAndTouchNothing)
{
    grupper({"Sport"});
    writeAllBytes(root.tempPath() + "/udenfor.txt", "x");
    open();
    const QStringList before = treeListing(root.tempPath());

    const QStringList bad = {"..", "a/b", "a\\b", "con:x", QString(300, u'n'), "../Grupper2"};
    for (const QString &name : bad) {
        answer("OK");
        addGroup(name);
        EXPECT_EQ(edit("gruppeEdit")->text(), name); // kept for mending
    }
    EXPECT_EQ(messages, QStringList(bad.size(), kIkkeMappe));
    EXPECT_EQ(rows(gruppeliste()), QStringList({"Sport"}));
    EXPECT_EQ(treeListing(root.tempPath()), before);
}

TEST_F(SpmformTest, HandWrittenBadNameIsNeverUsedAsAPath)
{
    // A list file edited by hand: ".." would be the data root itself.
    grupper({"Sport"});
    writeLines(root.file("Grupper/Grupper.txt"), {"Sport", ".."});
    writeAllBytes(root.file("Grupper/Sport/001 a.txt"), "x");
    Tspmform *w = open();
    const QStringList before = treeListing(root.tempPath());

    answer("OK");
    clickRow(gruppeliste(), 1);
    EXPECT_EQ(messages, QStringList({kIkkeMappe}));
    EXPECT_TRUE(main->gruppeNavn.isEmpty());
    EXPECT_EQ(spmliste()->count(), 0);

    answer("Ja");
    click(kontrol<QToolButton>(w, "Button3"));
    EXPECT_EQ(rows(gruppeliste()), QStringList({"Sport"}));
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
    grupper({"A", "B", "C"});
    question("B", "001 b", true);
    Tspmform *w = open();

    clickRow(gruppeliste(), 0);
    EXPECT_FALSE(kontrol<QToolButton>(w, "Button1")->isEnabled()); // the first cannot move up
    EXPECT_TRUE(kontrol<QToolButton>(w, "Button4")->isEnabled());
    clickRow(gruppeliste(), 2);
    EXPECT_FALSE(kontrol<QToolButton>(w, "Button4")->isEnabled()); // the last cannot move down
    EXPECT_TRUE(kontrol<QToolButton>(w, "Button1")->isEnabled());

    clickRow(gruppeliste(), 1);
    EXPECT_EQ(spmliste()->count(), 1);
    EXPECT_TRUE(kontrol<QPushButton>(w, "Button2")->isEnabled());
    click(kontrol<QToolButton>(w, "Button1")); // B up
    EXPECT_EQ(rows(gruppeliste()), QStringList({"B", "A", "C"}));
    EXPECT_EQ(groupFile(), QStringList({"B", "A", "C"}));
    EXPECT_EQ(gruppeliste()->currentRow(), 0);
    // The question list stays empty until the group is clicked again.
    EXPECT_EQ(spmliste()->count(), 0);
    EXPECT_FALSE(kontrol<QPushButton>(w, "Button2")->isEnabled());
    clickRow(gruppeliste(), 0);
    EXPECT_EQ(rows(spmliste()), QStringList({"001 b"}));

    click(kontrol<QToolButton>(w, "Button4")); // B down again, twice
    click(kontrol<QToolButton>(w, "Button4"));
    EXPECT_EQ(groupFile(), QStringList({"A", "C", "B"}));
    for (const QString name : {"A", "B", "C"})
        EXPECT_TRUE(QFileInfo(root.file("Grupper/" + name)).isDir());
    EXPECT_TRUE(QFile::exists(root.file("Grupper/B/001 b.txt")));
}

TEST_F(SpmformTest, OneGroupCannotMove)
{
    grupper({"Alene"});
    Tspmform *w = open();
    clickRow(gruppeliste(), 0);
    EXPECT_TRUE(kontrol<QToolButton>(w, "Button3")->isEnabled());
    EXPECT_FALSE(kontrol<QToolButton>(w, "Button1")->isEnabled());
    EXPECT_FALSE(kontrol<QToolButton>(w, "Button4")->isEnabled());
}

TEST_F(SpmformTest, DeletingAGroupRemovesItsFolderTreeAndLine)
{
    grupper({"A", "B", "C"});
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

    clickRow(gruppeliste(), 1);
    answer("Nej");
    click(kontrol<QToolButton>(w, "Button3"));
    EXPECT_EQ(messages, QStringList({"Skal gruppen B\rslettes permanent?\rAlle spørgsmål i "
                                     "gruppen vil også blive slettet."}));
    EXPECT_TRUE(QFileInfo(root.file("Grupper/B")).isDir());
    EXPECT_EQ(spmliste()->count(), 1);

    answer("Ja");
    click(kontrol<QToolButton>(w, "Button3"));
    EXPECT_FALSE(QFileInfo::exists(root.file("Grupper/B")));
    EXPECT_TRUE(QFile::exists(root.file("Grupper/B.txt")));
    EXPECT_EQ(rows(gruppeliste()), QStringList({"A", "C"}));
    EXPECT_EQ(groupFile(), QStringList({"A", "C"}));
    EXPECT_TRUE(QFileInfo(root.file("Grupper/A/Kommentarer")).isDir());
    EXPECT_EQ(spmliste()->count(), 0);
    EXPECT_EQ(gruppeliste()->currentRow(), -1);
    EXPECT_FALSE(kontrol<QPushButton>(w, "Button2")->isEnabled());
    EXPECT_TRUE(main->gruppeNavn.isEmpty()); // nothing may be written into the folder that is gone
    EXPECT_EQ(outsideDataRoot(), outside);

    // A group whose folder is already gone still leaves the list.
    QDir(root.file("Grupper/C")).removeRecursively();
    clickRow(gruppeliste(), 1);
    answer("Ja");
    click(kontrol<QToolButton>(w, "Button3"));
    EXPECT_EQ(groupFile(), QStringList({"A"}));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

// Files that are no questions (cut short, edited by hand) are named to the
// host once and left out; every readable question is listed.
TEST_F(SpmformTest, PickingAGroupListsItsQuestions)
{
    grupper({"Sport", "Tom"});
    question("Sport", "003 tre", true);
    question("Sport", "002 to", false);
    question("Sport", "001 en", true);
    writeAllBytes(file("Sport", "002 kort"), "002 kort\r\nkun to linjer\r\n");
    for (int i = 1; i <= 12; ++i)
        writeAllBytes(file("Tom", QString::asprintf("%03d x", i)), "tom");
    Tspmform *w = open();

    answer("OK");
    clickRow(gruppeliste(), 0);
    EXPECT_EQ(messages.value(0), "Oplysning:\rDisse filer i gruppen kan ikke læses som "
                                 "spørgsmål og er ikke med på listen:\r002 kort.txt: har kun 2 "
                                 "linjer, et spørgsmål har 12 til 15");
    EXPECT_EQ(readAllBytes(file("Sport", "002 kort")), "002 kort\r\nkun to linjer\r\n");
    EXPECT_EQ(rows(spmliste()), QStringList({"001 en", "002 to", "003 tre"}));
    EXPECT_EQ(checks(spmliste()), QList<bool>({true, false, true}));
    EXPECT_EQ(kontrol<QLabel>(w, "antalLabel")->text(), "3 spørgsmål");
    main->LoadSpmListen(); // as after an insert: told once
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(main->gruppeNavn, "Sport");
    EXPECT_EQ(main->disGruppenavn, "Sport");
    EXPECT_EQ(edit("gruppenavnEdit")->text(), "Sport");
    EXPECT_EQ(main->antalSpm, 2);
    EXPECT_TRUE(kontrol<QPushButton>(w, "Button2")->isEnabled());

    // Keyboard moves pick too. Of many bad files ten are named.
    answer("OK");
    QTest::keyClick(gruppeliste(), Qt::Key_Down);
    idle();
    EXPECT_TRUE(messages.value(1).endsWith("010 x.txt: har kun 1 linje, et spørgsmål har 12 "
                                           "til 15\rog 2 flere"))
        << messages.value(1).toStdString();
    EXPECT_EQ(main->gruppeNavn, "Tom");
    EXPECT_EQ(spmliste()->count(), 0);
    EXPECT_EQ(kontrol<QLabel>(w, "antalLabel")->text(), "0 spørgsmål");
    EXPECT_FALSE(kontrol<QPushButton>(w, "Button2")->isEnabled());
}

TEST_F(SpmformTest, StartNeedsACheckedQuestion)
{
    grupper({"Slukket", "Klar"});
    question("Slukket", "001 a", false);
    question("Slukket", "002 b", false);
    question("Klar", "001 a", true);
    Tspmform *w = open();

    clickRow(gruppeliste(), 0);
    answer("OK");
    click(kontrol<QPushButton>(w, "Button2"));
    EXPECT_EQ(messages, QStringList({"Der mangler spørgsmål.\rVælg eller indfør spørgsmål."}));
    EXPECT_TRUE(w->isVisible());

    // A double click on a group with a checked question closes with OK.
    doubleClickRow(gruppeliste(), 1);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), 1);
    EXPECT_EQ(main->antalSpm, 1);
    EXPECT_EQ(main->Spm.size(), 1);
}

TEST_F(SpmformTest, ShownModallyItReturnsOneThroughTheStartButton)
{
    grupper({"Klar"});
    question("Klar", "001 a", true);
    start();
    QTimer::singleShot(0, [this] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(spmform));
        clickRow(gruppeliste(), 0);
        click(kontrol<QPushButton>(spmform, "Button2"));
    });
    EXPECT_EQ(spmform->exec(), 1);

    // Shown again, it is as it was left; the close box is no OK.
    QTimer::singleShot(0, [] {
        EXPECT_EQ(rows(spmliste()), QStringList({"001 a"}));
        spmform->close();
    });
    EXPECT_NE(spmform->exec(), 1);
}

// A pasted name loses its line break and blanks; a name the code page cannot
// hold keeps its folder after a restart; a name too long for the file system
// adds nothing.
TEST_F(SpmformTest, PastedLongAndForeignGroupNames)
{
    grupper({"Sport"});
    Tspmform *w = open();
    edit("gruppeEdit")->setText("  Fest 🎉\r\n"); // as pasted
    click(kontrol<QToolButton>(w, "SpeedButton5"));
    EXPECT_EQ(rows(gruppeliste()), QStringList({"Sport", "Fest 🎉"}));
    EXPECT_TRUE(QFileInfo(root.file("Grupper/Fest 🎉/Kommentarer")).isDir());

    const QStringList before = treeListing(root.tempPath());
    answer("OK");
    addGroup(QString(130, u'ø')); // 260 bytes: more than one name may hold
    EXPECT_EQ(messages, QStringList({kIkkeMappe}));
    EXPECT_EQ(treeListing(root.tempPath()), before);

    destroyWindows();
    start();
    show(spmform);
    EXPECT_EQ(rows(gruppeliste()), QStringList({"Sport", "Fest 🎉"}));
    question("Fest 🎉", "001 Skål", true);
    clickRow(gruppeliste(), 1);
    EXPECT_EQ(spmliste()->count(), 1);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

namespace {
const QString kFormat = "Navnet skal begynde med 3 tal, der skal angive rækkefølge.\rDerefter "
                        "skal der være et mellemrum, som efterfølges af selve navnet.";
const QString kMellemrum =
    "Der skal være et mellemrum efter de 3 tal, som efterfølges af selve navnet.";
const QString kIkkeFilnavn = "Oplysning:\rNavnet kan ikke bruges som filnavn.";
const QString kPointOmraade = "Oplysning:\rPoint skal være fra 1 til 100.";

QString findes(const QString &navn)
{
    return "Navnet: " + navn + "\reksisterer allerede i valgte gruppe.";
}

QString stored(const QString &relative)
{
    return "C:\\Kvidrel\\" + QString(relative).replace(u'/', u'\\');
}
} // namespace

TEST_F(SpmformTest, InsertChecksEveryFieldInOrderAndWritesTheQuestion)
{
    grupper({"G"});
    question("G", "001 en", true);
    // A file that is no question is left out of the list, but its name is taken.
    writeAllBytes(file("G", "002 skjult"), "kun\r\ntre\r\nlinjer\r\n");
    Tspmform *w = open();

    STEG("the question page needs a group");
    answer("OK");
    clickTab(1);
    EXPECT_EQ(messages.takeLast(), "Der skal vælges en gruppe, før der kan indføres spørgsmål.");
    EXPECT_EQ(spmBog()->currentWidget(), kontrol<QWidget>(w, "side1"));
    answer("OK");
    clickRow(gruppeliste(), 0);
    EXPECT_TRUE(messages.takeLast().contains("002 skjult.txt"));
    clickTab(1);
    ASSERT_EQ(spmBog()->currentWidget(), kontrol<QWidget>(w, "side2"));
    EXPECT_EQ(kontrol<QLabel>(w, "gruppenavnLabel")->text(), "G");
    EXPECT_EQ(w->focusWidget(), edit("navnEdit"));
    QTest::keyClick(edit("navnEdit"), Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), edit("spmEdit"));
    QTest::keyClick(edit("spmEdit"), Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), edit("EditA"));

    const auto insert = [&](const QString &expected, QWidget *focus) {
        answer("OK");
        click(kontrol<QPushButton>(w, "spmInsertButton"));
        EXPECT_EQ(messages.value(messages.size() - 1), expected);
        if (focus) {
            EXPECT_EQ(w->focusWidget(), focus) << expected.toStdString();
        }
    };
    STEG("the name");
    insert("Oplysning:\rDer mangler et navn.", edit("navnEdit"));
    const std::pair<QString, QString> names[] = {{"0a1 x", kFormat},
                                                 {"001 ", kFormat},
                                                 {"001ab", kMellemrum},
                                                 {"001 a/b", kIkkeFilnavn},
                                                 {"001 ..\\x", kIkkeFilnavn}};
    for (const auto &[navn, expected] : names) {
        edit("navnEdit")->setText(navn);
        insert(expected, edit("navnEdit"));
    }
    STEG("the question and the answers");
    edit("navnEdit")->setText("001 a");
    const std::pair<QLineEdit *, QString> fields[] = {{edit("spmEdit"), "et spørgsmål"},
                                                      {edit("EditA"), "et svar A"},
                                                      {edit("EditB"), "et svar B"},
                                                      {edit("EditC"), "et svar C"},
                                                      {edit("EditD"), "et svar D"}};
    for (const auto &[field, what] : fields) {
        field->setText(" \r\n "); // blanks and a pasted line break are no text
        insert("Oplysning:\rDer mangler " + what + ".", field);
        field->setText(what == "et spørgsmål" ? QString("Hvad?") : what.right(1));
    }

    STEG("the points");
    kontrol<RadioGroup>(w, "svarGruppe")->button(2)->click();
    kontrol<RadioGroup>(w, "pointGruppe")->button(1)->click(); // "Defineret"
    EXPECT_EQ(w->focusWidget(), edit("pointEdit"));
    QApplication::clipboard()->setText("1x2");
    edit("pointEdit")->paste();
    EXPECT_TRUE(edit("pointEdit")->text().isEmpty()); // digits only, pasted or typed
    insert("Oplysning:\rDer mangler angivelse af point.", edit("pointEdit"));
    for (const QString point : {"0", "101"}) {
        edit("pointEdit")->setText(point);
        insert(kPointOmraade, edit("pointEdit"));
    }
    STEG("names taken, listed or not");
    const QByteArray hidden = readAllBytes(file("G", "002 skjult"));
    for (const QString taken : {"001 EN", "002 skjult"}) {
        edit("navnEdit")->setText(taken);
        edit("pointEdit")->setText("25");
        insert(findes(taken), nullptr);
        EXPECT_TRUE(edit("navnEdit")->text().isEmpty());
    }
    EXPECT_EQ(readAllBytes(file("G", "002 skjult")), hidden);

    STEG("written and listed");
    edit("navnEdit")->setText("001 a");
    edit("pointEdit")->setText("25");
    const int shown = messages.size();
    click(kontrol<QPushButton>(w, "spmInsertButton"));
    EXPECT_EQ(messages.size(), shown);
    EXPECT_EQ(readAllBytes(file("G", "001 a")),
              ansi::encode(stored("Grupper/G/001 a.txt") +
                           "\r\nG\r\n001 a\r\nHvad?\r\nA\r\nB\r\nC\r\nD\r\n3\r\n2\r\n25\r\n1\r\n"
                           "\r\n\r\n\r\n"));
    EXPECT_EQ(rows(spmliste()), QStringList({"001 a", "001 en"}));
    EXPECT_EQ(checks(spmliste()), QList<bool>({true, true}));
    EXPECT_EQ(kontrol<QLabel>(w, "antalLabel")->text(), "2 spørgsmål");
    EXPECT_EQ(main->antalSpm, 2);
    // The page stays in new mode with its fields for the next question.
    EXPECT_EQ(kontrol<QLabel>(w, "infoLabel")->text(), "Indfør spørgsmål");
    EXPECT_EQ(edit("EditD")->text(), "D");
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

TEST_F(SpmformTest, EditingRenamesThroughTheListedFileAndAsksBeforeDroppingWork)
{
    grupper({"G"});
    question("G", "001 a", true);
    question("G", "002 b", true);
    writeAllBytes(root.tempPath() + "/sang.mp3", "musik");
    Tspmform *w = open();
    clickRow(gruppeliste(), 0);

    clickRow(spmliste(), 0);
    EXPECT_EQ(spmBog()->currentWidget(), kontrol<QWidget>(w, "side2"));
    EXPECT_EQ(kontrol<QLabel>(w, "infoLabel")->text(), "Rediger spørgsmål");
    EXPECT_TRUE(kontrol<QWidget>(w, "barNew")->isHidden());
    EXPECT_FALSE(kontrol<QPushButton>(w, "Button9")->isEnabled());
    STEG("filling the page leaves the focus in the list: the arrow keys browse on");
    EXPECT_EQ(w->focusWidget(), spmliste());
    QTest::keyClick(spmliste(), Qt::Key_Down);
    EXPECT_EQ(edit("navnEdit")->text(), "002 b");
    QTest::keyClick(spmliste(), Qt::Key_Up);
    EXPECT_EQ(edit("navnEdit")->text(), "001 a");

    const QByteArray a = readAllBytes(file("G", "001 a"));
    const QByteArray b = readAllBytes(file("G", "002 b"));
    const auto save = [&](const QString &navn, const QString &expected) {
        edit("navnEdit")->setText(navn);
        answer("OK");
        click(kontrol<QPushButton>(w, "Button9"));
        EXPECT_EQ(messages.value(messages.size() - 1), expected);
    };
    save("0a1x5", kMellemrum); // a rename tests the space before the second digit
    save("002 B", findes("002 B"));
    EXPECT_TRUE(edit("navnEdit")->text().isEmpty());
    kontrol<RadioGroup>(w, "pointGruppe")->button(1)->click();
    edit("pointEdit")->setText("500");
    save("001 a", kPointOmraade);
    EXPECT_EQ(readAllBytes(file("G", "001 a")), a);
    EXPECT_EQ(readAllBytes(file("G", "002 b")), b);

    STEG("the real music picker, then the shell plays what it picked");
    dialoghelper::answerModal([this](QWidget *dialog) {
        auto *picker = qobject_cast<QFileDialog *>(dialog);
        ASSERT_TRUE(picker);
        EXPECT_TRUE(picker->nameFilters().contains("Musikfiler (*.mp3 *.m4a)"));
        dialoghelper::typeFileName(dialog, root.tempPath() + "/sang.mp3");
    });
    click(kontrol<QToolButton>(w, "SpeedButton7"));
    EXPECT_EQ(edit("musikEdit")->text(), QDir::toNativeSeparators(root.tempPath() + "/sang.mp3"));
    opened.clear();
    click(kontrol<QPushButton>(w, "musikTestButton"));
    EXPECT_EQ(opened, QList<QUrl>({QUrl::fromLocalFile(root.tempPath() + "/sang.mp3")}));

    edit("pointEdit")->setText("40");
    edit("navnEdit")->setText("005 a");
    const int shown = messages.size();
    click(kontrol<QPushButton>(w, "Button9"));
    EXPECT_EQ(messages.size(), shown);
    EXPECT_FALSE(QFile::exists(file("G", "001 a")));
    const QStringList lines = readLineList(file("G", "005 a"));
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[0], stored("Grupper/G/005 a.txt"));
    EXPECT_EQ(lines.mid(2, 1) + lines.mid(9, 3), QStringList({"005 a", "2", "40", "1"}));
    EXPECT_EQ(lines[14], root.tempPath() + "/sang.mp3");
    EXPECT_EQ(rows(spmliste()), QStringList({"005 a", "002 b"})); // its place until relisted
    EXPECT_EQ(main->antalSpm, 2);
    EXPECT_FALSE(kontrol<QPushButton>(w, "Button9")->isEnabled());

    STEG("unsaved edits are not dropped without asking; Enter answers Nej");
    edit("spmEdit")->setText("Ændret");
    answerEnter();
    clickRow(spmliste(), 1);
    EXPECT_EQ(messages.takeLast(), "Spørgsmålet er ikke gemt.\rSkal der skiftes spørgsmål "
                                   "alligevel?\rData vil gå tabt, hvis de ikke gemmes.");
    EXPECT_EQ(edit("spmEdit")->text(), "Ændret");
    EXPECT_EQ(spmliste()->currentRow(), 0);
    answerEnter();
    click(kontrol<QPushButton>(w, "newClearButton"));
    EXPECT_EQ(edit("spmEdit")->text(), "Ændret");
    answer("Nej");
    w->close();
    EXPECT_TRUE(messages.takeLast().contains("Skal vinduet lukkes alligevel?"));
    EXPECT_TRUE(w->isVisible());
    answer("Ja");
    clickRow(spmliste(), 1);
    EXPECT_EQ(edit("navnEdit")->text(), "002 b");
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

// A hand-edited file whose right answer and point type lie outside the
// choices shows no choice, and the editor saves neither it nor an emptied
// answer until the host has mended them.
TEST_F(SpmformTest, EditingRefusesWhatInsertingRefuses)
{
    grupper({"G"});
    question("G", "001 a", true);
    question("G", "002 b", true);
    QStringList lines = readLineList(file("G", "001 a"));
    lines[8] = "7";
    lines[9] = "5";
    writeLines(file("G", "001 a"), lines);
    const QByteArray foer = readAllBytes(file("G", "001 a"));
    Tspmform *w = open();
    clickRow(gruppeliste(), 0);
    clickRow(spmliste(), 1); // shows "Svar A" and "Tilfældig" chosen
    clickRow(spmliste(), 0);
    EXPECT_EQ(kontrol<RadioGroup>(w, "svarGruppe")->ItemIndex(), -1);
    EXPECT_EQ(kontrol<RadioGroup>(w, "pointGruppe")->ItemIndex(), -1);

    const auto gem = [&](const QString &besked) {
        answer("OK");
        click(kontrol<QPushButton>(w, "Button9"));
        EXPECT_EQ(messages.takeLast(), besked);
        EXPECT_EQ(readAllBytes(file("G", "001 a")), foer);
    };
    edit("spmEdit")->setText("Ny tekst");
    gem("Oplysning:\rVælg det rigtige svar.");
    kontrol<RadioGroup>(w, "svarGruppe")->button(2)->click();
    gem("Oplysning:\rVælg en pointtype.");
    kontrol<RadioGroup>(w, "pointGruppe")->button(0)->click();
    edit("EditB")->clear();
    gem("Oplysning:\rDer mangler et svar B.");
    EXPECT_EQ(w->focusWidget(), edit("EditB"));
    edit("EditB")->setText("b");
    click(kontrol<QPushButton>(w, "Button9"));
    lines = readLineList(file("G", "001 a"));
    EXPECT_EQ(lines.mid(3, 1) + lines.mid(5, 1) + lines.mid(8, 2),
              QStringList({"Ny tekst", "b", "3", "1"}));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

TEST_F(SpmformTest, WritesThatFailLoseNoQuestion)
{
    if (runAsUnprivileged())
        return;
    grupper({"G"});
    question("G", "001 a", true);
    question("G", "002 b", true);
    question("G", "003 c", true);
    const QString folder = root.file("Grupper/G");
    const QString locked = file("G", "003 c");
    QStringList files;
    for (const QString navn : {"001 a", "002 b", "003 c"})
        files << QString::fromLatin1(readAllBytes(file("G", navn)));
    const auto onDisk = [&] {
        QStringList now;
        for (const QString navn : {"001 a", "002 b", "003 c"})
            now << QString::fromLatin1(readAllBytes(file("G", navn)));
        return now;
    };
    Tspmform *w = open();
    clickRow(gruppeliste(), 0);

    // A folder that takes no new file: a rename keeps the old one.
    setReadOnly(folder, true);
    clickRow(spmliste(), 0);
    edit("navnEdit")->setText("004 a");
    click(kontrol<QPushButton>(w, "Button9"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.takeLast().contains("004 a.txt"));
    EXPECT_EQ(onDisk(), files);
    EXPECT_FALSE(QFile::exists(file("G", "004 a")));
    EXPECT_EQ(rows(spmliste()), QStringList({"001 a", "002 b", "003 c"})); // read again
    EXPECT_EQ(main->Spm[0].Navn, "001 a");
    setReadOnly(folder, false);

    // A question file that cannot be replaced: the move writes the two new files
    // first and takes them back when the third write fails.
    setReadOnly(locked, true);
    clickRow(spmliste(), 0);
    click(kontrol<QToolButton>(w, "Button7"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("003 c.txt")) << errors[0].toStdString();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files),
              QStringList({"001 a.txt", "002 b.txt", "003 c.txt"}));
    EXPECT_EQ(onDisk(), files);
    EXPECT_EQ(rows(spmliste()), QStringList({"001 a", "002 b", "003 c"}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SpmformTest, CommentsAreSavedBesideTheGroupAndSearchesCarryTheWholeText)
{
    grupper({"G"});
    question("G", "001 Foo", true);
    question("G", "003 Foo", true);
    // After a move the comment of 001 Foo still has the name it was saved under.
    const QString other = root.file("Grupper/G/Kommentarer/003 Foo.txt");
    writeAllBytes(other, "den andens");
    QStringList first = readLineList(file("G", "001 Foo"));
    first[13] = stored("Grupper/G/Kommentarer/003 Foo.txt");
    writeLines(file("G", "001 Foo"), first);
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.save(root.file("Grupper/G/Kommentarer/foto.png"));
    QDir().mkpath(root.tempPath() + "/ens");
    QFile::copy(root.file("Grupper/G/Kommentarer/foto.png"), root.tempPath() + "/ens/foto.png");
    picture.fill(Qt::blue);
    QDir().mkpath(root.tempPath() + "/anden");
    picture.save(root.tempPath() + "/anden/foto.png");
    writeAllBytes(root.tempPath() + "/ødelagt.png", "no picture");
    Tspmform *w = open();

    clickRow(gruppeliste(), 0);
    answer("OK");
    clickTab(2);
    EXPECT_EQ(messages.takeLast(),
              "Der skal vælges et spørgsmål, før der kan indføres kommentarer.");
    EXPECT_EQ(spmBog()->currentWidget(), kontrol<QWidget>(w, "side1"));
    clickRow(spmliste(), 1);
    clickTab(2);
    ASSERT_EQ(spmBog()->currentWidget(), kontrol<QWidget>(w, "side3"));
    EXPECT_EQ(kontrol<QLabel>(w, "spmLabel")->text(), "003 Foo");
    EXPECT_EQ(edit("rigtigtEdit")->text(), "x");
    EXPECT_TRUE(kontrol<QPlainTextEdit>(w, "Memo")->toPlainText().isEmpty());
    EXPECT_FALSE(kontrol<QPushButton>(w, "Button10")->isEnabled());
    QTest::keyClick(edit("rigtigtEdit"), Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), kontrol<QPlainTextEdit>(w, "Memo"));

    // A picture that cannot be shown is refused; the filter names what can be.
    pickNext(root.tempPath() + "/ødelagt.png");
    answer("OK");
    click(kontrol<QPushButton>(w, "pictureKnap"));
    EXPECT_TRUE(messages.takeLast().contains("ødelagt.png"));
    EXPECT_EQ(pickerFilters.takeLast(), BilledFelt::dialogFilter());
    EXPECT_FALSE(kontrol<QPushButton>(w, "Button10")->isEnabled());

    // The same name with the same bytes is the picture already there.
    pickNext(root.tempPath() + "/ens/foto.png");
    click(kontrol<QPushButton>(w, "pictureKnap"));
    EXPECT_FALSE(kontrol<BilledFelt>(w, "kommentarImage")->isEmpty());
    QTest::keyClicks(kontrol<QPlainTextEdit>(w, "Memo"), "linje 1");
    QTest::keyClick(kontrol<QPlainTextEdit>(w, "Memo"), Qt::Key_Return);
    QTest::keyClicks(kontrol<QPlainTextEdit>(w, "Memo"), "linje 2");
    click(kontrol<QPushButton>(w, "Button10"));
    EXPECT_EQ(readAllBytes(other), "den andens");
    EXPECT_EQ(readAllBytes(root.file("Grupper/G/Kommentarer/003 Foo (2).txt")),
              "linje 1\r\nlinje 2");
    QStringList lines = readLineList(file("G", "003 Foo"));
    EXPECT_EQ(lines[12], stored("Grupper/G/Kommentarer/foto.png"));
    EXPECT_EQ(lines[13], stored("Grupper/G/Kommentarer/003 Foo (2).txt"));
    EXPECT_FALSE(kontrol<QPushButton>(w, "Button10")->isEnabled());

    // The same name with other bytes is copied beside it.
    pickNext(root.tempPath() + "/anden/foto.png");
    click(kontrol<QPushButton>(w, "pictureKnap"));
    click(kontrol<QPushButton>(w, "Button10"));
    EXPECT_EQ(readAllBytes(root.file("Grupper/G/Kommentarer/foto (2).png")),
              readAllBytes(root.tempPath() + "/anden/foto.png"));
    EXPECT_EQ(readLineList(file("G", "003 Foo"))[12], stored("Grupper/G/Kommentarer/foto (2).png"));

    // Unsaved comments are not dropped by leaving the page without asking.
    QTest::keyClicks(kontrol<QPlainTextEdit>(w, "Memo"), "!");
    answer("Nej");
    clickTab(0);
    EXPECT_EQ(messages.takeLast(), "Kommentarer er ikke gemt.\rSkal der skiftes side "
                                   "alligevel?\rData vil gå tabt, hvis de ikke gemmes.");
    EXPECT_EQ(spmBog()->currentWidget(), kontrol<QWidget>(w, "side3"));
    answer("Ja");
    clickTab(0);
    EXPECT_EQ(spmBog()->currentWidget(), kontrol<QWidget>(w, "side1"));
    EXPECT_EQ(readAllBytes(root.file("Grupper/G/Kommentarer/003 Foo (2).txt")),
              "linje 1\r\nlinje 2");

    // Each search hands the shell one address whose q carries the field whole.
    opened.clear();
    clickRow(spmliste(), 0);
    edit("EditA")->clear();
    idle();
    EXPECT_FALSE(kontrol<QToolButton>(w, "SpeedButton1")->isEnabled());
    for (const QString text : {"to ord", "Rød & grøn?"}) {
        edit("EditA")->setText(text);
        click(kontrol<QToolButton>(w, "SpeedButton1"));
        ASSERT_FALSE(opened.isEmpty());
        const QUrl url = opened.takeLast();
        EXPECT_EQ(url.scheme() + "://" + url.host(), "https://www.google.com");
        EXPECT_EQ(url.path(), "/search");
        EXPECT_EQ(QUrlQuery(url).queryItemValue("q", QUrl::FullyDecoded), text);
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

TEST_F(SpmformTest, ListOperationsRewriteTheFilesAndCountAfresh)
{
    grupper({"G"});
    question("G", "001 a", true);
    question("G", "002 b", true);
    question("G", "003 c", false);
    writeAllBytes(root.file("Grupper/G/Kommentarer/002 b.txt"), "kommentar");
    Tspmform *w = open();
    clickRow(gruppeliste(), 0);
    EXPECT_EQ(main->antalSpm, 2);

    clickCheck(spmliste(), 2);
    EXPECT_EQ(readLineList(file("G", "003 c"))[11], "1");
    EXPECT_EQ(main->antalSpm, 3);
    clickCheck(spmliste(), 0);
    EXPECT_EQ(readLineList(file("G", "001 a"))[11], "0");
    EXPECT_EQ(main->antalSpm, 2);

    clickRow(spmliste(), 0);
    click(kontrol<QToolButton>(w, "Button7")); // 001 a down
    EXPECT_EQ(QDir(root.file("Grupper/G")).entryList(QDir::Files),
              QStringList({"001 b.txt", "002 a.txt", "003 c.txt"}));
    EXPECT_EQ(readLineList(file("G", "001 b"))[0], stored("Grupper/G/001 b.txt"));
    EXPECT_EQ(readLineList(file("G", "002 a"))[11], "0");
    EXPECT_EQ(rows(spmliste()), QStringList({"001 b", "002 a", "003 c"}));
    EXPECT_EQ(checks(spmliste()), QList<bool>({true, false, true}));
    EXPECT_EQ(spmliste()->currentRow(), 1);
    EXPECT_TRUE(spmliste()->currentItem()->isSelected());
    EXPECT_EQ(spmBog()->currentWidget(), kontrol<QWidget>(w, "side1"));
    EXPECT_EQ(main->antalSpm, 2);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    answer("Nej");
    click(kontrol<QToolButton>(w, "Button6"));
    EXPECT_EQ(messages.takeLast(), "Skal 002 a\rslettes permanent fra gruppen?");
    EXPECT_TRUE(QFile::exists(file("G", "002 a")));
    answerEnter(); // Enter deletes nothing
    click(kontrol<QToolButton>(w, "Button6"));
    EXPECT_TRUE(QFile::exists(file("G", "002 a")));
    clickRow(spmliste(), 0);
    answer("Ja");
    click(kontrol<QToolButton>(w, "Button6"));
    EXPECT_FALSE(QFile::exists(file("G", "001 b")));
    EXPECT_EQ(readAllBytes(root.file("Grupper/G/Kommentarer/002 b.txt")), "kommentar");
    EXPECT_EQ(rows(spmliste()), QStringList({"002 a", "003 c"}));
    EXPECT_EQ(spmBog()->currentWidget(), kontrol<QWidget>(w, "side2"));
    EXPECT_EQ(kontrol<QLabel>(w, "infoLabel")->text(), "Indfør spørgsmål");
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

TEST_F(SpmformTest, EveryWriteStaysWithTheListedFilesInsideTheGroup)
{
    grupper({"Kopi", "Flyt", "Navn", "H"});
    const QByteArray gruppeListe = readAllBytes(root.file("Grupper/Grupper.txt"));
    // A hand copy still naming its original, and a copy from group H.
    question("Kopi", "001 A", true);
    QFile::copy(file("Kopi", "001 A"), file("Kopi", "001 A - Kopi"));
    question("H", "002 x", true);
    QFile::copy(file("H", "002 x"), file("Kopi", "002 x"));
    const QByteArray original = readAllBytes(file("Kopi", "001 A"));
    const QByteArray inH = readAllBytes(file("H", "002 x"));
    // Two questions that differ only in the prefix.
    question("Flyt", "001 Foo", true);
    question("Flyt", "002 Bar", true);
    question("Flyt", "002 Foo", true);
    // A name line that would lead out of the group.
    question("Navn", "001 n", true);
    QStringList bad = readLineList(file("Navn", "001 n"));
    bad[2] = "../../Grupper";
    writeLines(file("Navn", "001 n"), bad);
    Tspmform *w = open();

    clickRow(gruppeliste(), 0);
    ASSERT_EQ(rows(spmliste()), QStringList({"001 A", "001 A", "002 x"}));
    clickCheck(spmliste(), 2);
    EXPECT_EQ(readAllBytes(file("H", "002 x")), inH);
    answer("Ja");
    clickRow(spmliste(), 0); // the copy "001 A - Kopi.txt"
    click(kontrol<QToolButton>(w, "Button6"));
    EXPECT_FALSE(QFile::exists(file("Kopi", "001 A - Kopi")));
    EXPECT_EQ(readAllBytes(file("Kopi", "001 A")), original);
    ASSERT_EQ(rows(spmliste()), QStringList({"001 A", "002 x"}));
    clickRow(spmliste(), 0);
    click(kontrol<QToolButton>(w, "Button7")); // down past the copy from H
    EXPECT_EQ(QDir(root.file("Grupper/Kopi")).entryList(QDir::Files),
              QStringList({"001 x.txt", "002 A.txt"}));
    EXPECT_EQ(readAllBytes(file("H", "002 x")), inH);

    clickRow(gruppeliste(), 1);
    const QStringList flyt = treeListing(root.file("Grupper/Flyt"));
    clickRow(spmliste(), 0);
    answer("OK");
    click(kontrol<QToolButton>(w, "Button7"));
    EXPECT_EQ(messages.takeLast(), findes("002 Foo"));
    EXPECT_EQ(treeListing(root.file("Grupper/Flyt")), flyt);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    clickRow(gruppeliste(), 2);
    clickRow(spmliste(), 0);
    clickTab(2);
    QTest::keyClicks(kontrol<QPlainTextEdit>(w, "Memo"), "over gruppelisten");
    answer("OK");
    click(kontrol<QPushButton>(w, "Button10"));
    EXPECT_EQ(messages.takeLast(), kIkkeFilnavn);
    EXPECT_EQ(readAllBytes(root.file("Grupper/Grupper.txt")), gruppeListe);
    EXPECT_TRUE(QDir(root.file("Grupper/Navn/Kommentarer")).isEmpty());
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

// A spreadsheet's questions through the group page: into a new group named
// after the file, picked in the real dialog, and into the chosen group after
// its own; the chosen group out as CSV, and a write that fails said to fail.
TEST_F(SpmformTest, ImportAndExportOnTheGroupPage)
{
    grupper({"Sport"});
    question("Sport", "001 a", true);
    const QString csv = root.tempPath() + "/Quiz aften.csv";
    writeAllBytes(csv, "Sp\xf8rgsm\xe5l;Svar A;Svar B;Svar C;Svar D;Rigtigt svar;Point\r\n"
                       "Hvad er 2+2?;3;4;5;6;B;20\r\nUden svar B;1;;3;4;A;\r\n");
    const QString afvist = "\r1 række er ikke taget med:\rRække 3: Der mangler et svar B.";
    Tspmform *w = open();
    auto *importer = kontrol<QPushButton>(w, "importerKnap");
    auto *eksporter = kontrol<QPushButton>(w, "eksporterKnap");
    EXPECT_FALSE(eksporter->isEnabled()) << "no group chosen";

    iRaekke({[&](QWidget *dialog) { dialoghelper::typeFileName(dialog, csv); }, notits("OK")});
    click(importer);
    EXPECT_EQ(messages.value(0),
              "Der er indført 1 spørgsmål i gruppen \"Quiz aften\". Gruppen er ny." + afvist);
    EXPECT_EQ(rows(gruppeliste()), QStringList({"Sport", "Quiz aften"}));

    STEG("into the chosen group, whose question being edited may have moved");
    clickRow(gruppeliste(), 0);
    clickRow(spmliste(), 0);
    pickNext(csv);
    answer("OK");
    click(importer);
    EXPECT_EQ(messages.value(1), "Der er indført 1 spørgsmål i gruppen \"Sport\"." + afvist);
    EXPECT_EQ(rows(spmliste()), QStringList({"001 a", "002 Hvad er 2+2"}));
    EXPECT_TRUE(kontrol<QWidget>(w, "barRediger")->isHidden());

    STEG("the chosen group out, named in the real save dialog without its suffix");
    iRaekke({[&](QWidget *dialog) { dialoghelper::typeFileName(dialog, root.tempPath() + "/ud"); },
             notits("OK")});
    click(eksporter);
    EXPECT_EQ(messages.value(2), "2 spørgsmål fra gruppen \"Sport\" er eksporteret.");
    const QByteArray ud = readAllBytes(root.tempPath() + "/ud.csv");
    EXPECT_TRUE(ud.startsWith("\xef\xbb\xbf"));
    EXPECT_TRUE(ud.contains("\r\nHvad er 2+2?;3;4;5;6;B;20;;;\r\n"));
    Tspmform::setGemVaelger([&](QWidget *, const QString &, const QString &, const QString &) {
        return root.tempPath() + "/ingen/ud.csv";
    });
    answer("OK");
    click(eksporter);
    EXPECT_TRUE(messages.value(3).startsWith("Gruppen \"Sport\" er ikke eksporteret.\r"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}
