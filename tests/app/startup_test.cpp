#include "dataroot.h"
#include "display.h"
#include "hintline.h"
#include "kontrol.h"
#include "makeSpm.h"
#include "placement.h"
#include "shellfixture.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QStatusBar>
#include <QtTest/QTest>
#include <sys/stat.h>

using namespace kvidrel;

namespace {

bool isFolder(const QString &path)
{
    return QFileInfo(path).isDir();
}

} // namespace

TEST_F(ShellTest, FirstStartMakesTheFoldersAndBringsTheDelivered)
{
    qputenv("USER", "tester");
    Tmainform *w = start();

    EXPECT_EQ(w->windowTitle(), QStringLiteral("Kvidrel: tester"));
    // The drawings folder is not made, but the delivered one is copied in.
    for (const char *folder : {"Egenskaber", "Struktur", "Deltagere", "Grupper", "Billeder"})
        EXPECT_TRUE(isFolder(root.file(QString::fromLatin1(folder)))) << folder;
    EXPECT_TRUE(QFileInfo::exists(root.file(QStringLiteral("Grupper/Eksempler/Kommentarer"))));
    EXPECT_EQ(w->billedDir, joinPath(root.path(), QStringLiteral("Billeder")));

    EXPECT_TRUE(w->gruppeDir.endsWith(separator()));
    EXPECT_EQ(w->gruppeFil, w->gruppeDir + QStringLiteral("Grupper.txt"));
    EXPECT_EQ(w->optFil, joinPath(joinPath(root.path(), QStringLiteral("Egenskaber")),
                                  QStringLiteral("Egenskaber.txt")));

    EXPECT_EQ(w->maxIndex, -1);
    EXPECT_EQ(w->Index, -1);
    EXPECT_TRUE(w->opstart);
    EXPECT_EQ(w->designName, QStringLiteral("Sky"));
    EXPECT_EQ(w->pos(), QPoint(20, 40)); // not the 100, 100 of the earlier step
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
    // Nothing is written at start.
    EXPECT_FALSE(QFileInfo::exists(optionsFile()));
}

TEST_F(ShellTest, ExistingDataIsLoadedAndLeftUntouched)
{
    QDir().mkpath(root.file(QStringLiteral("Egenskaber")));
    QDir().mkpath(root.file(QStringLiteral("Deltagere")));
    QDir().mkpath(root.file(QStringLiteral("Grupper/Quiz")));
    const QByteArray options("Windows10\r\n20\r\n80\r\n");
    const QByteArray participants("Anna\r\n\r\n1\r\nBo\r\n\r\n0\r\n");
    const QByteArray groups("\xEF\xBB\xBFQuiz\r\n");
    writeAllBytes(optionsFile(), options);
    writeAllBytes(root.file(QStringLiteral("Deltagere/Deltagere.txt")), participants);
    writeAllBytes(root.file(QStringLiteral("Grupper/Grupper.txt")), groups);
    const QStringList before = treeListing(root.path());

    Tmainform *w = start();

    // Only the missing folder (with the delivered help pages) is added; every
    // file keeps its bytes and time.
    QStringList after = treeListing(root.path());
    after.removeIf([](const QString &row) { return row.startsWith(QStringLiteral("/Struktur")); });
    EXPECT_EQ(after, before);
    EXPECT_TRUE(isFolder(root.file(QStringLiteral("Struktur"))));
    EXPECT_EQ(readAllBytes(optionsFile()), options);

    EXPECT_EQ(w->maxIndex, 1);
    EXPECT_EQ(w->Index, 1);
    ASSERT_EQ(w->Del.size(), 2);
    EXPECT_EQ(w->Del[0].Navn, QStringLiteral("Anna"));
    EXPECT_TRUE(w->Del[0].Aktiv);
    EXPECT_FALSE(w->Del[1].Aktiv);
    EXPECT_EQ(w->designName, QStringLiteral("Windows10"));
    EXPECT_EQ(kontrol<QLineEdit>(w, "minEdit")->text(), QStringLiteral("20"));
    EXPECT_EQ(kontrol<QLineEdit>(w, "HighEdit")->text(), QStringLiteral("80"));
}

TEST_F(ShellTest, ClosingDeletesTheVersionFileOnly)
{
    Tmainform *w = start();
    const QString versionFile = root.file(QStringLiteral("Kvidrel.txt"));
    writeAllBytes(versionFile, "2.0\r\n");
    w->close();
    EXPECT_FALSE(QFileInfo::exists(versionFile));
    EXPECT_TRUE(isFolder(root.path()));
    w->close(); // a missing file is no error
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ShellTest, FirstShowingShowsTheDisplayWindowOnceAndActivationEndsStartUp)
{
    Tmainform *w = start();
    displayform = new Tdisplayform;
    EXPECT_EQ(kontrol<QLineEdit>(displayform->tavle(), "LowEdit")->text(), QStringLiteral("10"));
    EXPECT_EQ(kontrol<QLineEdit>(displayform->tavle(), "HighEdit")->text(), QStringLiteral("100"));

    w->show();
    EXPECT_TRUE(displayform->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_FALSE(w->opstart);

    // Later showings of the main window leave the display window alone.
    displayform->hide();
    w->hide();
    w->show();
    EXPECT_FALSE(displayform->isVisible());

    // The display window mirrors the working range once start-up is over.
    kontrol<QLineEdit>(w, "LowEdit")->setText(QStringLiteral("35"));
    QTest::keyClicks(kontrol<QLineEdit>(w, "HighEdit"), QStringLiteral("7"));
    EXPECT_EQ(kontrol<QLineEdit>(displayform->tavle(), "LowEdit")->text(), QStringLiteral("35"));
    EXPECT_EQ(kontrol<QLineEdit>(displayform->tavle(), "HighEdit")->text(),
              kontrol<QLineEdit>(w, "HighEdit")->text());

    delete displayform;
    displayform = nullptr;
}

TEST_F(ShellTest, HintLineShowsTheLongPartOfTheCurrentHint)
{
    Tmainform *w = start();
    auto *control = new QLabel(w);
    hintline::setHint(control, QStringLiteral("a|b"));
    EXPECT_EQ(control->toolTip(), QStringLiteral("a"));

    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    hintline::setCurrentHint(QString());
    hintline::setCurrentHint(hintline::hintOf(control));
    EXPECT_EQ(kontrol<QStatusBar>(w, "infoBar")->currentMessage(), QStringLiteral("b"));
    hintline::setCurrentHint(hintline::hintOf(kontrol<QLineEdit>(w, "LowEdit")));
    EXPECT_EQ(kontrol<QStatusBar>(w, "infoBar")->currentMessage(),
              QStringLiteral("Laveste pointværdi"));
}

TEST_F(ShellTest, GroupListKeepsItsEncodingAndQuestionRowsCarryTheirMarks)
{
    const QByteArray groups("\xEF\xBB\xBF\xC3\x86"
                            "bler\r\nP\xC3\xA6rer\r\n"); // UTF-8 with mark
    QDir().mkpath(root.file(QStringLiteral("Grupper/Pærer")));
    writeAllBytes(root.file(QStringLiteral("Grupper/Grupper.txt")), groups);

    Tmainform *w = start();
    Tspmform questions; // its creation loads the group list through the main window
    ASSERT_EQ(spmform, &questions);
    ASSERT_EQ(kontrol<QListWidget>(&questions, "gruppeliste")->count(), 2);
    EXPECT_EQ(kontrol<QListWidget>(&questions, "gruppeliste")->item(0)->text(),
              QStringLiteral("Æbler"));
    EXPECT_EQ(w->grupper.kodning, TextEncoding::Utf8);

    w->SaveGrupper();
    EXPECT_EQ(readAllBytes(w->gruppeFil), groups);

    SpmRec first;
    first.Filnavn =
        w->gruppeDir + QStringLiteral("Pærer") + separator() + QStringLiteral("001 a.txt");
    first.Gruppe = QStringLiteral("Pærer");
    first.Navn = QStringLiteral("001 a");
    first.RigtigSvar = 1;
    first.PointType = 1;
    first.Aktiv = true;
    SpmRec second = first;
    second.Filnavn.replace(QStringLiteral("001 a"), QStringLiteral("002 b"));
    second.Navn = QStringLiteral("002 b");
    second.Aktiv = false;
    w->Spm = {second, first};
    w->SaveSpm(0);
    w->SaveSpm(1);
    EXPECT_THROW(w->SaveSpm(2), std::out_of_range);

    int changes = 0;
    QObject::connect(kontrol<QListWidget>(&questions, "spmliste"), &QListWidget::itemChanged,
                     [&changes] { ++changes; });
    w->gruppeNavn = QStringLiteral("Pærer");
    w->LoadSpmListen();
    ASSERT_EQ(kontrol<QListWidget>(&questions, "spmliste")->count(), 2);
    EXPECT_EQ(kontrol<QListWidget>(&questions, "spmliste")->item(0)->text(),
              QStringLiteral("001 a"));
    EXPECT_EQ(kontrol<QListWidget>(&questions, "spmliste")->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(kontrol<QListWidget>(&questions, "spmliste")->item(1)->checkState(), Qt::Unchecked);
    EXPECT_EQ(kontrol<QLabel>(&questions, "antalLabel")->text(), QStringLiteral("2 spørgsmål"));
    EXPECT_EQ(w->antalSpm, 1);
    EXPECT_EQ(changes, 0); // filling the list is not a tick by the host
}

TEST(Placement, KeepsPositionsOnScreenAndPullsOthersInside)
{
    QWidget window;
    window.resize(200, 100);
    placeWindow(&window, 20, 40);
    EXPECT_EQ(window.pos(), QPoint(20, 40));

    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    placeWindow(&window, area.right() + 50, area.bottom() - 10);
    EXPECT_EQ(window.frameGeometry().right(), area.right());
    EXPECT_EQ(window.frameGeometry().bottom(), area.bottom());

    placeWindow(&window, area.left() - 30, 40);
    EXPECT_EQ(window.pos(), QPoint(area.left(), 40));
}

// The board goes to the screen without the main window; with one screen it
// stays where it was put.
TEST(Placement, TheBoardTakesTheScreenWithoutTheMainWindow)
{
    const QRect venstre(0, 0, 1920, 1080);
    const QRect hoejre(1920, 0, 1280, 1024);
    const QRect hjem(20, 40, 780, 440);
    EXPECT_EQ(otherScreen({venstre}, hjem), -1);
    EXPECT_EQ(otherScreen({venstre, hoejre}, hjem), 1);
    EXPECT_EQ(otherScreen({hoejre, venstre}, hjem), 0);
    // Across the seam: the screen holding the centre holds the window.
    EXPECT_EQ(otherScreen({venstre, hoejre}, hjem.translated(1600, 0)), 0);
    // Partly off every screen: the one it overlaps most.
    EXPECT_EQ(otherScreen({venstre, hoejre}, QRect(3000, -900, 400, 1000)), 0);
    EXPECT_EQ(otherScreen({venstre, hoejre, QRect(0, 1080, 1920, 1080)}, hjem.translated(0, 1200)),
              0);
}

// With a second screen connected, the board opens windowed on the screen
// without the main window. The test runs itself again on a test platform with
// two screens.
TEST_F(ShellTest, TheBoardOpensOnTheScreenWithoutTheMainWindow)
{
    const char *kNavn = "ShellTest.TheBoardOpensOnTheScreenWithoutTheMainWindow";
    if (QGuiApplication::screens().size() < 2) {
        ASSERT_FALSE(qEnvironmentVariableIsSet("KVIDREL_TO_SKAERME")) << "no second screen";
        const QString config = root.tempPath() + QStringLiteral("/to_skaerme.json");
        writeAllBytes(config, R"({"screens": [
            {"name": "Vaert", "x": 0, "y": 0, "width": 1280, "height": 800},
            {"name": "Projektor", "x": 1280, "y": 0, "width": 1920, "height": 1080}]})");
        QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
        miljoe.insert(QStringLiteral("QT_QPA_PLATFORM"), "offscreen:configfile=" + config);
        miljoe.insert(QStringLiteral("KVIDREL_TO_SKAERME"), QStringLiteral("1"));
        QProcess igen;
        igen.setProcessEnvironment(miljoe);
        igen.setProcessChannelMode(QProcess::MergedChannels);
        igen.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--gtest_filter=") + kNavn});
        ASSERT_TRUE(igen.waitForFinished(60000));
        const std::string ud = igen.readAll().toStdString();
        EXPECT_EQ(igen.exitCode(), 0) << ud;
        EXPECT_NE(ud.find("[  PASSED  ] 1 test"), std::string::npos) << ud;
        return;
    }
    Tmainform *w = start();
    displayform = new Tdisplayform;
    w->show();
    EXPECT_EQ(w->screen()->name(), QStringLiteral("Vaert"));
    EXPECT_EQ(displayform->screen()->name(), QStringLiteral("Projektor"));
    EXPECT_TRUE(displayform->screen()->geometry().contains(displayform->frameGeometry()));
    EXPECT_FALSE(displayform->isFullScreen());
    delete displayform;
    displayform = nullptr;
}

// A pipe in place of a data file would block its read for good.
TEST_F(ShellTest, PipesInPlaceOfTheDataFilesDoNotHangStartUp)
{
    for (const char *folder : {"Egenskaber", "Deltagere", "Grupper"})
        QDir().mkpath(root.file(QString::fromLatin1(folder)));
    for (const char *file :
         {"Egenskaber/Egenskaber.txt", "Deltagere/Deltagere.txt", "Grupper/Grupper.txt"})
        ASSERT_EQ(mkfifo(QFile::encodeName(root.file(QString::fromLatin1(file))).constData(), 0600),
                  0);
    Tmainform *w = start();
    EXPECT_EQ(w->Del.size(), 0);
    EXPECT_EQ(w->minPoint, 10);
    EXPECT_EQ(w->maxPoint, 100);
}
