#include "dataroot.h"
#include "participants.h"
#include "questionbank.h"
#include "storedpath.h"
#include "testroot.h"
#include "textfile.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace kvidrel;

namespace {

QByteArray crlf(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + "\r\n";
    return out;
}

QByteArray questionFile(const QByteArray &line1, const QByteArray &navn)
{
    return crlf({line1, "Sport", navn, "Hvem vandt \xD8-finalen?", "A", "B", "C", "D", "2", "0",
                 "0", "1", "C:\\Kvidrel\\Grupper\\Sport\\Kommentarer\\" + navn + ".jpg",
                 "C:\\Kvidrel\\Grupper\\Sport\\Kommentarer\\" + navn + ".txt",
                 "C:\\Musik\\Fanfare.mp3"});
}

} // namespace

// A data root as a Windows installation leaves it: Windows-1252 files with
// "C:\Kvidrel\..." paths, names in other letter case, and a group list saved
// by a current editor as UTF-8 without a mark.
TEST(WindowsData, EveryStoredFileIsFoundAndWrittenBackByteForByte)
{
    TestRoot root;
    QDir().mkpath(root.file("Grupper/Sport/Kommentarer"));
    QDir().mkpath(root.file("Deltagere"));
    const QString gruppeDir = QDir::toNativeSeparators(root.file("Grupper/"));

    const QByteArray gruppeListe = "sport\r\n\xC3\x86"
                                   "bler\r\n";
    writeAllBytes(root.file("Grupper/Grupper.txt"), gruppeListe);
    const QByteArray spm =
        questionFile("C:\\Kvidrel\\Grupper\\Sport\\001 Fodbold.txt", "001 Fodbold");
    writeAllBytes(root.file("Grupper/Sport/001 Fodbold.txt"), spm);
    writeAllBytes(root.file("Grupper/Sport/Kommentarer/001 fodbold.JPG"), "jpeg");
    writeAllBytes(root.file("Grupper/Sport/Kommentarer/001 Fodbold.txt"), "Se\r\nher");
    const QByteArray register_ = "\xC5se\r\nC:\\Kvidrel\\Deltagere\\\xC5se.png\r\n1\r\n";
    writeAllBytes(root.file("Deltagere/Deltagere.txt"), register_);
    writeAllBytes(root.file("Deltagere/\xC3\x85se.png"), "png");

    GruppeListe grupper;
    LoadGrupper(root.file("Grupper/Grupper.txt"), grupper);
    EXPECT_EQ(grupper.navne, QStringList({"sport", "Æbler"}));
    SaveGrupper(root.file("Grupper/Grupper.txt"), grupper);
    EXPECT_EQ(readAllBytes(root.file("Grupper/Grupper.txt")), gruppeListe);

    SpmListe liste = LoadSpmListen(gruppeDir, grupper.navne.first());
    ASSERT_EQ(liste.Spm.size(), 1);
    const SpmRec &q = liste.Spm.first();
    EXPECT_EQ(q.Tekst, "Hvem vandt Ø-finalen?");
    EXPECT_TRUE(QFileInfo(storedpath::resolve(q.bFilnavn)).isFile());
    EXPECT_EQ(readComment(storedpath::resolve(q.kFilnavn)), "Se\r\nher");
    EXPECT_EQ(storedpath::resolve(q.musikFilnavn), "C:/Musik/Fanfare.mp3"); // outside: as it is
    SaveSpm(q, gruppeDir);
    EXPECT_EQ(readAllBytes(root.file("Grupper/Sport/001 Fodbold.txt")), spm);

    DeltagerRegister reg;
    LoadDeltagerRecord(root.file("Deltagere/Deltagere.txt"), reg);
    ASSERT_EQ(reg.Del.size(), 1);
    EXPECT_TRUE(QFileInfo(storedpath::resolve(reg.Del.first().Filnavn)).isFile());
    SaveDeltagerRecord(root.file("Deltagere/Deltagere.txt"), reg);
    EXPECT_EQ(readAllBytes(root.file("Deltagere/Deltagere.txt")), register_);
}

// Every write of a question goes to the file it was listed from.
TEST(WindowsData, AFirstLineNamingAnotherFileNeverRedirectsTheSave)
{
    TestRoot root;
    QDir().mkpath(root.file("Grupper/Sport"));
    QDir().mkpath(root.file("Grupper/Quiz"));
    const QString gruppeDir = QDir::toNativeSeparators(root.file("Grupper/"));
    const QByteArray gruppeListe = "Sport\r\nQuiz\r\n";
    writeAllBytes(root.file("Grupper/Grupper.txt"), gruppeListe);
    const QByteArray quizSpm = questionFile("C:\\Kvidrel\\Grupper\\Quiz\\001 A.txt", "001 A");
    writeAllBytes(root.file("Grupper/Quiz/001 A.txt"), quizSpm);
    writeAllBytes(root.file("Grupper/Sport/001 A.txt"),
                  questionFile("C:\\Kvidrel\\Grupper\\Grupper.txt", "001 A"));
    writeAllBytes(root.file("Grupper/Sport/002 B.txt"),
                  questionFile("C:\\Kvidrel\\Grupper\\Quiz\\001 A.txt", "002 B"));

    const SpmListe liste = LoadSpmListen(gruppeDir, "Sport");
    ASSERT_EQ(liste.Spm.size(), 2);
    for (const SpmRec &q : liste.Spm)
        SaveSpm(q, gruppeDir);
    EXPECT_EQ(readAllBytes(root.file("Grupper/Grupper.txt")), gruppeListe);
    EXPECT_EQ(readAllBytes(root.file("Grupper/Quiz/001 A.txt")), quizSpm);
    EXPECT_EQ(readLineList(root.file("Grupper/Sport/001 A.txt")).first(),
              "C:\\Kvidrel\\Grupper\\Sport\\001 A.txt");
    EXPECT_EQ(readLineList(root.file("Grupper/Sport/002 B.txt")).first(),
              "C:\\Kvidrel\\Grupper\\Sport\\002 B.txt");
}

// A pipe where a file belongs would block a read for good: it counts as a file
// that cannot be opened.
TEST(WindowsData, PipesAreNeverRead)
{
    TestRoot root;
    QDir().mkpath(root.file("Grupper/G"));
    const QString gruppeDir = QDir::toNativeSeparators(root.file("Grupper/"));
    writeAllBytes(root.file("Grupper/G/001 a.txt"), questionFile("", "001 a"));
    ASSERT_EQ(mkfifo(QFile::encodeName(root.file("Grupper/G/002 x.txt")).constData(), 0600), 0);
    ASSERT_EQ(mkfifo(QFile::encodeName(root.file("Grupper/Grupper.txt")).constData(), 0600), 0);

    EXPECT_EQ(LoadSpmListen(gruppeDir, "G").Spm.size(), 1);
    GruppeListe grupper;
    EXPECT_THROW(LoadGrupper(root.file("Grupper/Grupper.txt"), grupper), FileError);
}
