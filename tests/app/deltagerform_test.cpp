#include "billedfelt.h"
#include "dataroot.h"
#include "deltagere.h"
#include "kontrol.h"
#include "storedpath.h"
#include "textfile.h"
#include "windowfixture.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using namespace kvidrel;

namespace {

class DeltagerformTest : public WindowTest
{
protected:
    // The controls the tests use most.
    static QListWidget *liste() { return kontrol<QListWidget>(deltagerform, "deltagerliste"); }
    static QLineEdit *edit(const char *navn) { return kontrol<QLineEdit>(deltagerform, navn); }
    static QToolButton *knap(const char *navn) { return kontrol<QToolButton>(deltagerform, navn); }

    void SetUp() override
    {
        WindowTest::SetUp();
        QDir().mkpath(root.file("Deltagere"));
        QDir().mkpath(root.tempPath() + "/billeder");
        Tdeltagerform::setBilledVaelger([this](QWidget *, const QString &startMappe) {
            startMapper << startMappe;
            return valgtBillede;
        });
    }
    void TearDown() override
    {
        Tdeltagerform::setBilledVaelger({});
        WindowTest::TearDown();
    }

    // A picture outside the data root, as the host would pick one.
    QString picture(const QString &name, Qt::GlobalColor color = Qt::red)
    {
        const QString path = root.tempPath() + "/billeder/" + name;
        QImage image(4, 3, QImage::Format_RGB32);
        image.fill(color);
        EXPECT_TRUE(image.save(path));
        return path;
    }

    QString inFolder(const QString &name) const
    {
        return QDir::toNativeSeparators(root.file("Deltagere/" + name));
    }
    // How the register stores a picture in the participants folder.
    static QString stored(const QString &name) { return "C:\\Kvidrel\\Deltagere\\" + name; }

    // The register before start: name, picture, ticked for each participant.
    QStringList registerLines() const { return readLineList(root.file("Deltagere/Deltagere.txt")); }

    Tdeltagerform *open()
    {
        start();
        show(deltagerform);
        return deltagerform;
    }

    // The new-participant page: a name, maybe a picture, "Godkend".
    void add(const QString &navn, const QString &billede = {})
    {
        type(edit("navnEdit"), navn);
        if (!billede.isEmpty()) {
            valgtBillede = billede;
            click(knap("billedKnap"));
        }
        click(knap("godkendKnap"));
    }

    QString valgtBillede;
    QStringList startMapper;
};

} // namespace

TEST_F(DeltagerformTest, WindowShowsTheRegisterAndThePictureFolder)
{
    deltagere({{"Anna", "", true}, {"Bo", "", false}});
    Tdeltagerform *w = open();
    EXPECT_EQ(w->windowTitle(), "Deltagere");
    EXPECT_EQ(w->size(), QSize(678, 440));
    EXPECT_EQ(rows(liste()), QStringList({"Anna", "Bo"}));
    EXPECT_EQ(checks(liste()), QList<bool>({true, false}));
    EXPECT_EQ(main->antalDeltagere, 1);
    EXPECT_EQ(kontrol<QLabel>(w, "delLabel")->text(), "Vælg deltagere");
    EXPECT_EQ(kontrol<QTabWidget>(w, "deltagerBog")->currentWidget(), kontrol<QWidget>(w, "side1"));
    EXPECT_EQ(knap("goBut")->text(), "Indfør valgte i spillet");
    // The drawings folder of this machine, not a fixed drive.
    EXPECT_EQ(kontrol<QLabel>(w, "Label1")->text(),
              "Tegningerne ligger i følgende mappe: " +
                  QDir::toNativeSeparators(root.file("Billeder")));
    EXPECT_FALSE(knap("godkendKnap")->isEnabled());
    EXPECT_FALSE(knap("Button1")->isEnabled()); // nothing to save
    EXPECT_FALSE(knap("Button6")->isEnabled()); // nothing selected
}

TEST_F(DeltagerformTest, AddingParticipantsCopiesThePictureAndSavesAtOnce)
{
    deltagere({{"Anna", "", false}});
    Tdeltagerform *w = open();
    const QString y = picture("y.png");

    add("X", y);
    EXPECT_EQ(readAllBytes(inFolder("X.png")), readAllBytes(y));
    EXPECT_EQ(rows(liste()), QStringList({"Anna", "X"}));
    EXPECT_EQ(checks(liste()), QList<bool>({false, true}));
    EXPECT_EQ(registerLines(), QStringList({"Anna", "", "0", "X", stored("X.png"), "1"}));
    EXPECT_TRUE(edit("navnEdit")->text().isEmpty());
    EXPECT_TRUE(kontrol<BilledFelt>(w, "deltagerBillede")->isEmpty());
    EXPECT_FALSE(knap("godkendKnap")->isEnabled());
    EXPECT_EQ(main->maxIndex, 1);
    EXPECT_EQ(main->Del.size(), 2);

    // The next one has a picture only when one is picked for it; Enter on
    // the focused "Godkend" adds it as a click does.
    type(edit("navnEdit"), "Y");
    knap("godkendKnap")->setFocus();
    QTest::keyClick(knap("godkendKnap"), Qt::Key_Return);
    EXPECT_EQ(registerLines().mid(6), QStringList({"Y", "", "1"}));
    EXPECT_TRUE(QFile::exists(y));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

TEST_F(DeltagerformTest, PictureDialogStartsInTheDrawingsFolderForDrawings)
{
    Tdeltagerform *w = open();
    valgtBillede = picture("y.png");
    click(knap("billedKnap1"));
    click(knap("billedKnap"));
    EXPECT_EQ(startMapper, QStringList({main->billedDir, root.tempPath() + "/billeder"}));
    // The dialog lists what the program can load.
    EXPECT_TRUE(BilledFelt::dialogFilter().contains("*.png"));
    EXPECT_TRUE(BilledFelt::dialogFilter().contains("*.jpg"));

    // A cancelled dialog forgets the earlier pick.
    valgtBillede.clear();
    click(knap("billedKnap"));
    EXPECT_TRUE(w->delFilnavn.isEmpty());

    // A file that cannot be shown is reported with the reason and not kept.
    const auto afvist = [&](const QString &navn, const QByteArray &indhold) {
        errors.clear();
        valgtBillede = root.tempPath() + "/billeder/" + navn;
        writeAllBytes(valgtBillede, indhold);
        click(knap("billedKnap"));
        EXPECT_TRUE(w->delFilnavn.isEmpty()) << navn.toStdString();
        EXPECT_EQ(errors.size(), 1) << navn.toStdString();
        return errors.value(0);
    };
    EXPECT_TRUE(afvist("ikke.png", "not a picture").endsWith(": dens format kendes ikke."));
    // A broken header: the reader tells no size and no format it has set.
    const QString brudt = afvist("brudt.jpg", "\xff\xd8\xff ikke et billede");
    EXPECT_TRUE(brudt.startsWith("Billedet \"")) << brudt.toStdString();
    EXPECT_FALSE(brudt.contains("punkter")) << brudt.toStdString();
    // The header of a PNG of 40000 × 40000 points, with one line of data.
    const QByteArray kaempe("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x9c\x40\0\0\x9c\x40\x08\x02\0\0\0"
                            "\xde\x6e\x99\x52\0\0\0\x0cIDAT\x78\x9c\x63\x60\xa0\x3d\0\0\0\x64\0\x01"
                            "\x86\x64\x3c\x35\0\0\0\0IEND\xae\x42\x60\x82",
                            69);
    EXPECT_TRUE(afvist("kaempe.png", kaempe)
                    .endsWith(QStringLiteral(": det er 40000 × 40000 punkter, og et billede må "
                                             "højst fylde %1 MB.")
                                  .arg(QImageReader::allocationLimit())));
}

TEST_F(DeltagerformTest, NamesAreUniqueIgnoringCaseOfAToZOnly)
{
    deltagere({{"Åse", "", true}, {"Ole", "", true}});
    Tdeltagerform *w = open();

    answer("OK");
    add("OLE");
    EXPECT_EQ(messages,
              QStringList({"Navnet er allerede indført.\rIndfør et andet og prøv igen."}));
    EXPECT_FALSE(knap("godkendKnap")->isEnabled()); // until the name changes
    add("åse");                                     // å and Å differ
    EXPECT_EQ(rows(liste()), QStringList({"Åse", "Ole", "åse"}));

    // Editing only the case of a to z is no change.
    clickRow(liste(), 1);
    EXPECT_EQ(kontrol<QTabWidget>(w, "deltagerBog")->currentWidget(), kontrol<QWidget>(w, "side2"));
    EXPECT_EQ(edit("navnEditR")->text(), "Ole");
    EXPECT_FALSE(knap("godkendKnapR")->isEnabled());
    type(edit("navnEditR"), "oLE");
    click(knap("godkendKnapR"));
    EXPECT_EQ(registerLines().at(3), "Ole");

    // An empty name is refused on both pages.
    clickRow(liste(), 1);
    type(edit("navnEditR"), "x");
    edit("navnEditR")->clear();
    w->godkendRed = true;
    answer("OK");
    kontrol<Action>(w, "godkendR")->Execute();
    EXPECT_EQ(messages.last(), "Der mangler et deltagernavn.\rIndfør det og prøv igen.");
}

TEST_F(DeltagerformTest, DeletingTheMiddleOfThreeKeepsTheOrderAndDropsThePicture)
{
    QDir().mkpath(root.file("Deltagere"));
    for (const QString name : {"A.png", "B.png", "C.png"})
        QFile::copy(picture("p.png"), root.file("Deltagere/" + name));
    deltagere({{"A", inFolder("A.png"), true},
               {"B", inFolder("B.png"), false},
               {"C", inFolder("C.png"), true}});
    open();

    clickRow(liste(), 1);
    answer("Nej");
    click(knap("Button6"));
    EXPECT_EQ(
        messages,
        QStringList(
            {"Skal B slettes permanent fra deltagerlisten?\rBs billede bliver også slettet!"}));
    EXPECT_EQ(rows(liste()).size(), 3);

    answer("Ja");
    click(knap("Button6"));
    EXPECT_EQ(rows(liste()), QStringList({"A", "C"}));
    EXPECT_EQ(registerLines(),
              QStringList({"A", inFolder("A.png"), "1", "C", inFolder("C.png"), "1"}));
    EXPECT_FALSE(QFile::exists(root.file("Deltagere/B.png")));
    EXPECT_TRUE(QFile::exists(root.file("Deltagere/A.png")));
    EXPECT_EQ(main->maxIndex, 1);
    EXPECT_EQ(main->Index, -1);
    EXPECT_TRUE(edit("navnEditR")->text().isEmpty());
    EXPECT_FALSE(knap("godkendKnapR")->isEnabled());

    // Without a picture the question says nothing about one.
    clickRow(liste(), 0);
    QFile::remove(root.file("Deltagere/A.png"));
    answer("Ja");
    click(knap("Button6"));
    EXPECT_EQ(messages.last(), "Skal A\rslettes permanent fra deltagerlisten?");
    EXPECT_EQ(registerLines(), QStringList({"C", inFolder("C.png"), "1"}));
}

TEST_F(DeltagerformTest, APictureTwoEntriesShareOrOutsideTheFolderIsKept)
{
    const QString ude = picture("ude.png");
    QFile::copy(picture("p.png"), root.file("Deltagere/Fælles.png"));
    deltagere({{"A", inFolder("Fælles.png"), true},
               {"B", inFolder("Fælles.png"), true},
               {"C", QDir::toNativeSeparators(ude), true}});
    open();

    for (int i = 0; i < 2; ++i) {
        clickRow(liste(), 0);
        answer("Ja");
        click(knap("Button6"));
    }
    // A's picture was B's too; C's lies outside the participants folder.
    EXPECT_EQ(messages.at(0), "Skal A\rslettes permanent fra deltagerlisten?");
    EXPECT_TRUE(QFile::exists(ude));
    EXPECT_FALSE(QFile::exists(root.file("Deltagere/Fælles.png"))); // gone with B
    EXPECT_EQ(rows(liste()), QStringList({"C"}));
}

TEST_F(DeltagerformTest, MovesStayInMemoryUntilSaved)
{
    deltagere({{"A", "", true}, {"B", "", true}, {"C", "", false}});
    Tdeltagerform *w = open();
    const QStringList onDisk = registerLines();

    clickRow(liste(), 0);
    EXPECT_FALSE(knap("Button4")->isEnabled()); // the first cannot move up
    click(knap("Button3"));                     // A down
    EXPECT_EQ(rows(liste()), QStringList({"B", "A", "C"}));
    EXPECT_EQ(liste()->currentRow(), 1);
    EXPECT_TRUE(knap("Button1")->isEnabled());
    click(knap("Button3")); // and once more: it is last now
    EXPECT_FALSE(knap("Button3")->isEnabled());
    EXPECT_EQ(checks(liste()), QList<bool>({true, false, true}));
    EXPECT_EQ(main->Del.at(2).Navn, "A");
    EXPECT_EQ(registerLines(), onDisk);

    // Closing without "Gem": the game takes the new order, the file keeps the old.
    click(knap("goBut"));
    EXPECT_EQ(w->result(), 1);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(registerLines(), onDisk);
    EXPECT_EQ(main->Del.at(0).Navn, "B");

    show(w);
    click(knap("Button1"));
    EXPECT_EQ(registerLines(), QStringList({"B", "", "1", "C", "", "0", "A", "", "1"}));
    EXPECT_FALSE(knap("Button1")->isEnabled());
}

TEST_F(DeltagerformTest, TheEditPageFollowsItsParticipantWhenMoved)
{
    deltagere({{"A", "", true}, {"B", "", true}});
    open();
    clickRow(liste(), 1);   // B on the edit page
    click(knap("Button4")); // moved up
    type(edit("navnEditR"), "Bent");
    click(knap("godkendKnapR"));
    EXPECT_EQ(rows(liste()), QStringList({"Bent", "A"}));
}

TEST_F(DeltagerformTest, CheckAllAndTicksUpdateTheLabel)
{
    deltagere({{"A", "", false}, {"B", "", true}, {"C", "", false}});
    Tdeltagerform *w = open();

    click(knap("Button2")); // "Check alle"
    EXPECT_EQ(checks(liste()), QList<bool>({true, true, true}));
    EXPECT_EQ(kontrol<QLabel>(w, "delLabel")->text(), "Vælg deltagere: 3");
    EXPECT_FALSE(knap("Button1")->isEnabled()); // nothing to save for "Gem"
    EXPECT_TRUE(main->Del.at(0).Aktiv);

    click(knap("Button5")); // "Afcheck alle"
    EXPECT_EQ(kontrol<QLabel>(w, "delLabel")->text(), "Vælg deltagere: 0");
    EXPECT_FALSE(main->Del.at(1).Aktiv);

    clickCheck(liste(), 1);
    EXPECT_EQ(checks(liste()), QList<bool>({false, true, false}));
    EXPECT_TRUE(main->Del.at(1).Aktiv);
    EXPECT_EQ(kontrol<QLabel>(w, "delLabel")->text(), "Vælg deltagere: 1");
    EXPECT_TRUE(knap("Button1")->isEnabled());
    click(knap("Button1"));
    EXPECT_EQ(registerLines(), QStringList({"A", "", "0", "B", "", "1", "C", "", "0"}));
}

TEST_F(DeltagerformTest, ANewPictureNeverReplacesAnotherParticipantsPicture)
{
    open();
    const QString red = picture("red.png", Qt::red);
    const QString blue = picture("blue.png", Qt::blue);
    add("Ole", red);

    // Ole becomes X; his picture keeps its name Ole.png.
    clickRow(liste(), 0);
    type(edit("navnEditR"), "X");
    click(knap("godkendKnapR"));
    EXPECT_EQ(registerLines(), QStringList({"X", stored("Ole.png"), "1"}));

    // A new Ole gets a free name instead of X's picture.
    add("Ole", blue);
    EXPECT_EQ(readAllBytes(inFolder("Ole.png")), readAllBytes(red));
    EXPECT_EQ(readAllBytes(inFolder("Ole (2).png")), readAllBytes(blue));
    EXPECT_EQ(registerLines().mid(3), QStringList({"Ole", stored("Ole (2).png"), "1"}));

    // A new picture for X on the edit page: copied as X.png, the old one goes.
    clickRow(liste(), 0);
    valgtBillede = blue;
    click(knap("billedKnapR"));
    click(knap("godkendKnapR"));
    EXPECT_EQ(registerLines().mid(0, 3), QStringList({"X", stored("X.png"), "1"}));
    EXPECT_FALSE(QFile::exists(inFolder("Ole.png")));
    EXPECT_TRUE(QFile::exists(inFolder("Ole (2).png")));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

TEST_F(DeltagerformTest, AFailedCopyOnTheEditPageKeepsTheOldPicture)
{
    open();
    add("Ole", picture("red.png"));
    const QByteArray old = readAllBytes(inFolder("Ole.png"));

    clickRow(liste(), 0);
    valgtBillede = picture("ny.png", Qt::green);
    click(knap("billedKnapR"));
    QFile::remove(valgtBillede); // gone before "Godkend"
    type(edit("navnEditR"), "Olga");
    click(knap("godkendKnapR"));

    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(readAllBytes(inFolder("Ole.png")), old);
    EXPECT_EQ(main->Del.at(0).Navn, "Ole");
    EXPECT_EQ(main->Del.at(0).Filnavn, stored("Ole.png"));
    EXPECT_EQ(registerLines(), QStringList({"Ole", stored("Ole.png"), "1"}));
}

TEST_F(DeltagerformTest, APicturePickedForANewParticipantStaysWithIt)
{
    deltagere({{"A", "", true}});
    open();
    valgtBillede = picture("y.png");
    click(knap("billedKnap")); // picked on the new page ...
    clickRow(liste(), 0);
    type(edit("navnEditR"), "Anne"); // ... then another participant renamed
    click(knap("godkendKnapR"));
    EXPECT_EQ(registerLines(), QStringList({"Anne", "", "1"}));
    EXPECT_FALSE(QFile::exists(inFolder("Anne.png")));
}

TEST_F(DeltagerformTest, BadNamesGiveSanitisedPictureNamesInsideTheFolder)
{
    writeAllBytes(root.tempPath() + "/b", "outside");
    writeAllBytes(root.file("a"), "in the data root");
    open();
    const QString y = picture("y.png");
    const QStringList outside = outsideDataRoot();
    const QString lang(300, u'n');

    const QStringList names = {"..", "a/b", "a\\b", "con:x", lang};
    for (const QString &navn : names)
        add(navn, y);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
    EXPECT_EQ(rows(liste()),
              names); // the participants keep their names
    for (int i = 0; i < names.size(); ++i) {
        const QFileInfo file(storedpath::resolve(main->Del.at(i).Filnavn));
        EXPECT_TRUE(file.isFile()) << i;
        EXPECT_EQ(QDir::toNativeSeparators(file.path()), inFolder("").chopped(1)) << i;
        EXPECT_EQ(readAllBytes(file.filePath()), readAllBytes(y)) << i;
    }
    EXPECT_EQ(QFileInfo(storedpath::resolve(main->Del.at(1).Filnavn)).fileName(), "a_b.png");
    EXPECT_EQ(QFileInfo(storedpath::resolve(main->Del.at(2).Filnavn)).fileName(), "a_b (2).png");
    EXPECT_EQ(QFileInfo(storedpath::resolve(main->Del.at(3).Filnavn)).fileName(), "con_x.png");
    EXPECT_EQ(outsideDataRoot(), outside);
    EXPECT_EQ(readAllBytes(root.file("a")), "in the data root");

    // Deleting them removes their pictures and nothing else.
    while (liste()->count() > 0) {
        clickRow(liste(), 0);
        answer("Ja");
        click(knap("Button6"));
    }
    const QStringList left = QDir(root.file("Deltagere")).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, QStringList({"Deltagere.txt"}));
    EXPECT_EQ(outsideDataRoot(), outside);
    EXPECT_EQ(readAllBytes(root.file("a")), "in the data root");
}

TEST_F(DeltagerformTest, ShownModallyItReturnsOneThroughItsButton)
{
    start();
    QTimer::singleShot(0, [] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(deltagerform));
        QTest::mouseClick(kontrol<QToolButton>(deltagerform, "goBut"), Qt::LeftButton);
    });
    EXPECT_EQ(deltagerform->exec(), 1);
    QTimer::singleShot(0, [] { deltagerform->close(); });
    EXPECT_NE(deltagerform->exec(), 1);
}

// The game hides the main window behind the participants window. The real error
// box, shown right after the file dialog closed, must not end the program; it
// gives the reader's reason, here the picture's size.
TEST_F(DeltagerformTest, TheRealErrorBoxNeverEndsTheProgram)
{
    kvidrel::setErrorSink({});
    start();
    const QString junk = root.tempPath() + "/billeder/ødelagt.png";
    // A PNG picture of 8000 by 8000 pixels in colour, as its header says:
    // more than the picture reader may take into memory.
    writeAllBytes(junk, QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200001f4000001f40080200"
                                            "000089933aa30000000949444154789c630000000100015eff7df9"
                                            "0000000049454e44ae426082"));
    Tdeltagerform::setBilledVaelger([junk](QWidget *parent, const QString &) {
        // As the file dialog does: a modal window opens and closes first.
        QDialog fileDialog(parent);
        QTimer::singleShot(0, &fileDialog, &QDialog::accept);
        fileDialog.exec();
        return junk;
    });
    bool lastClosed = false;
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed,
                     [&lastClosed] { lastClosed = true; });
    main->hide();
    deltagerform->setWindowModality(Qt::ApplicationModal);
    show(deltagerform);

    QWidget *over = nullptr;
    QString shown;
    dialoghelper::answerModal([&](QWidget *box) {
        over = box->parentWidget();
        shown = box->findChild<QLabel *>("qt_msgbox_label")->text();
        dialoghelper::clickButton(box, "OK");
    });
    QTest::mouseClick(kontrol<QToolButton>(deltagerform, "billedKnap"), Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_FALSE(lastClosed);
    EXPECT_TRUE(deltagerform->isVisible());
    EXPECT_EQ(over, deltagerform);
    EXPECT_TRUE(shown.contains("ødelagt.png")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("8000 × 8000 punkter")) << shown.toStdString();
    deltagerform->hide();
}

// Pasted names lose their line breaks; names the code page cannot hold and
// pictures survive a restart on a data root moved to another folder.
TEST_F(DeltagerformTest, PastedAndForeignNamesSurviveARestartInAMovedRoot)
{
    open();
    edit("navnEdit")->setText("  Eva\r\n"); // as pasted from a spreadsheet cell
    idle();
    click(knap("godkendKnap"));
    edit("navnEdit")->setText("Zoë 😀");
    valgtBillede = picture("zoe.png");
    click(knap("billedKnap"));
    click(knap("godkendKnap"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
    destroyWindows();

    TestRoot moved;
    ASSERT_TRUE(QDir().mkpath(moved.file("Deltagere")));
    for (const QString &name : QDir(root.file("Deltagere")).entryList(QDir::Files))
        QFile::copy(root.file("Deltagere/" + name), moved.file("Deltagere/" + name));
    start();
    show(deltagerform);
    EXPECT_EQ(rows(liste()), QStringList({"Eva", "Zoë 😀"}));
    clickRow(liste(), 1);
    EXPECT_EQ(kontrol<QLineEdit>(deltagerform, "navnEditR")->text(), "Zoë 😀");
    EXPECT_FALSE(kontrol<BilledFelt>(deltagerform, "deltagerBilledeR")->isEmpty());
    EXPECT_TRUE(QFileInfo(storedpath::resolve(main->Del.at(1).Filnavn)).isFile());
    EXPECT_TRUE(storedpath::resolve(main->Del.at(1).Filnavn).startsWith(moved.path()));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}
