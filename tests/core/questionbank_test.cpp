#include "dataroot.h"
#include "questionbank.h"
#include "storedpath.h"
#include "testroot.h"
#include "textfile.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace kvidrel;

namespace {

// A groups folder with one group "G" under a temporary data root.
class QuestionBank : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir().mkpath(root.path() + "/Grupper/G/Kommentarer");
        gruppeDir = QDir::toNativeSeparators(root.path() + "/Grupper/");
        folder = gruppeDir + "G" + separator();
    }

    QString write(const QString &name, const QByteArray &bytes)
    {
        writeAllBytes(folder + name, bytes);
        return folder + name;
    }

    // The lines of a question file, CR LF after each, in the code page.
    static QByteArray lines(const QList<QByteArray> &l)
    {
        QByteArray out;
        for (const QByteArray &line : l)
            out += line + "\r\n";
        return out;
    }

    QByteArray question(const QString &navn, int count, const QByteArray &aktiv = "1")
    {
        QList<QByteArray> l = {ansi::encode(folder + navn + ".txt"),
                               "G",
                               ansi::encode(navn),
                               "Hvad?",
                               "a",
                               "b",
                               "c",
                               "d",
                               "2",
                               "1",
                               "0",
                               aktiv,
                               "/b.png",
                               "/k.txt",
                               "/m.mp3"};
        return this->lines(l.mid(0, count));
    }

    TestRoot root;
    QString gruppeDir;
    QString folder;
};

SpmRec fullQuestion(const QString &filnavn)
{
    SpmRec s;
    s.Filnavn = filnavn;
    s.Gruppe = QStringLiteral("Æbler");
    s.Navn = QStringLiteral("001 Første");
    s.Tekst = QStringLiteral("Hvor ligger Ærø?");
    s.Svar1 = QStringLiteral("Øst");
    s.Svar2 = QStringLiteral("Vest");
    s.Svar3 = QString();
    s.Svar4 = QStringLiteral("Syd");
    s.RigtigSvar = 4;
    s.PointType = 2;
    s.Point = -35;
    s.Aktiv = true;
    s.kFilnavn = QStringLiteral("/x/k.txt");
    s.musikFilnavn = QStringLiteral("/musik/å.mp3");
    return s;
}

} // namespace

TEST_F(QuestionBank, ASavedQuestionListsAgainWithEveryField)
{
    const SpmRec saved = fullQuestion(folder + "001 Første.txt");
    SaveSpm(saved, gruppeDir);
    EXPECT_EQ(readAllBytes(saved.Filnavn).count("\r\n"), 15);

    const SpmListe listed = LoadSpmListen(gruppeDir, "G");
    ASSERT_EQ(listed.Spm.size(), 1);
    EXPECT_EQ(spmLinjer(listed.Spm[0]), spmLinjer(saved));
    EXPECT_EQ(listed.Spm[0].bFilnavn, QString()); // empty path as an empty line
    EXPECT_EQ(listed.antalSpm, 1);
    EXPECT_EQ(listed.antalTekst, QStringLiteral("1 spørgsmål"));
    ASSERT_EQ(listed.raekker.size(), 1);
    EXPECT_EQ(listed.raekker[0].tekst, saved.Navn);
    EXPECT_TRUE(listed.raekker[0].markeret);
}

TEST_F(QuestionBank, ShortFilesLeaveTheLaterPathsEmpty)
{
    write("001 a.txt", question("001 a", 12));
    write("002 b.txt", question("002 b", 13));
    write("003 c.txt", question("003 c", 14));
    write("004 d.txt", question("004 d", 15) + "ekstra\r\n");
    const SpmListe l = LoadSpmListen(gruppeDir, "G");
    ASSERT_EQ(l.Spm.size(), 4);
    EXPECT_TRUE(l.Spm[0].bFilnavn.isEmpty() && l.Spm[0].kFilnavn.isEmpty() &&
                l.Spm[0].musikFilnavn.isEmpty());
    EXPECT_TRUE(l.Spm[1].bFilnavn.isEmpty() && l.Spm[1].kFilnavn.isEmpty()); // 13th line ignored
    EXPECT_EQ(l.Spm[2].bFilnavn, "/b.png");
    EXPECT_EQ(l.Spm[2].kFilnavn, "/k.txt");
    EXPECT_TRUE(l.Spm[2].musikFilnavn.isEmpty());
    EXPECT_EQ(l.Spm[3].musikFilnavn, "/m.mp3");
    EXPECT_EQ(l.Spm[3].RigtigSvar, 2);
}

TEST_F(QuestionBank, ListingFollowsUpperCasedNamesAndSkipsBadFiles)
{
    write("002 b.txt", question("002 b", 15, "0"));
    write("001 a.txt", question("001 a", 15));
    write("001 Ø.txt", question("001 Ø", 15));
    write("001 å.txt", question("001 å", 15));
    write("001 Zutxt", question("001 Zutxt", 15)); // no dot needed
    QDir(folder).mkdir("extra.txt");               // folders are never read
    write("003 c.txt", "kun\r\nto linjer\r\nog tre\r\n");
    QByteArray bogstaver = question("003 d", 15);
    bogstaver.replace("\r\n2\r\n1\r\n", "\r\nto\r\n1\r\n");
    write("003 d.txt", bogstaver);
    write("004 e.txt", question("004 e", 15));
    write("noter.md", "ikke en fil med spørgsmål");

    const SpmListe l = LoadSpmListen(gruppeDir, "G");
    QStringList names;
    for (const SpmRec &s : l.Spm)
        names << s.Navn;
    EXPECT_EQ(names, (QStringList{"001 a", "001 Zutxt", "001 å", "001 Ø", "002 b", "004 e"}));
    EXPECT_EQ(l.antalSpm, 5);
    EXPECT_EQ(l.antalTekst, QStringLiteral("6 spørgsmål"));
    EXPECT_FALSE(l.raekker[4].markeret);
    ASSERT_EQ(l.ulaeselige.size(), 2);
    EXPECT_EQ(l.ulaeselige[0].navn, "003 c.txt");
    EXPECT_EQ(l.ulaeselige[0].grund, "har kun 3 linjer, et spørgsmål har 12 til 15");
    EXPECT_EQ(l.ulaeselige[1].navn, "003 d.txt");
    EXPECT_EQ(l.ulaeselige[1].grund, "linje 9 er ikke et tal");
    EXPECT_EQ(readAllBytes(folder + "003 c.txt"), "kun\r\nto linjer\r\nog tre\r\n");
}

TEST_F(QuestionBank, MissingOrEmptyGroupsListNothing)
{
    EXPECT_EQ(LoadSpmListen(gruppeDir, "G").antalTekst, QStringLiteral("0 spørgsmål"));
    const SpmListe missing = LoadSpmListen(gruppeDir, "Findes ikke");
    EXPECT_TRUE(missing.Spm.isEmpty());
    EXPECT_EQ(missing.antalSpm, 0);
}

TEST_F(QuestionBank, AHandCopySavesToItselfAndLeavesTheOriginalAlone)
{
    // Copied by hand from group H: saving it must not rewrite H's question.
    QDir().mkpath(gruppeDir + "H");
    const QString original = gruppeDir + "H" + separator() + "001 a.txt";
    writeAllBytes(original, "H's own");
    const QString copy = write(
        "001 a.txt", question("001 a", 15)
                         .replace((folder + "001 a.txt").toLocal8Bit(), original.toLocal8Bit()));
    SpmListe l = LoadSpmListen(gruppeDir, "G");
    ASSERT_EQ(l.Spm.size(), 1);
    l.Spm[0].Tekst = "Ny";
    SaveSpm(l.Spm[0], gruppeDir);
    EXPECT_EQ(readAllBytes(original), "H's own");
    const QStringList saved = readLineList(copy);
    EXPECT_EQ(saved.value(3), "Ny");
    EXPECT_TRUE(storedpath::same(saved.value(0), copy)) << saved.value(0).toStdString();
    EXPECT_TRUE(saved.value(0).startsWith("C:\\Kvidrel\\Grupper\\G\\"));
}

TEST_F(QuestionBank, AFileNamingAPathOutsideTheBankIsSavedWhereItWasListed)
{
    const QString outside = root.tempPath() + "/udenfor.txt";
    writeAllBytes(outside, "vigtig");
    const QString listed = write(
        "001 a.txt",
        question("001 a", 15).replace((folder + "001 a.txt").toLocal8Bit(), outside.toLocal8Bit()));
    SpmListe l = LoadSpmListen(gruppeDir, "G");
    ASSERT_EQ(l.Spm.size(), 1);
    l.Spm[0].Tekst = "Ny";
    SaveSpm(l.Spm[0], gruppeDir);
    EXPECT_EQ(readAllBytes(outside), QByteArray("vigtig"));
    EXPECT_TRUE(readAllBytes(listed).contains("\r\nNy\r\n"));

    // Inside the bank but not a .txt file: the same.
    l.Spm[0].Filnavn = folder + "Kommentarer";
    SaveSpm(l.Spm[0], gruppeDir);
    EXPECT_TRUE(QFileInfo(folder + "Kommentarer").isDir());
}

TEST_F(QuestionBank, GroupListKeepsItsEncoding)
{
    const QString fil = gruppeDir + "Grupper.txt";
    GruppeListe liste;
    liste.navne = {"uændret"};
    LoadGrupper(fil, liste); // missing file: rows stay
    EXPECT_EQ(liste.navne, QStringList{"uændret"});

    const QByteArray utf16 = QByteArray("\xFF\xFE", 2) + QByteArray("\xE6\x00r\x00\r\x00\n\x00", 8);
    writeAllBytes(fil, utf16);
    LoadGrupper(fil, liste);
    EXPECT_EQ(liste.navne, QStringList{"ær"});
    EXPECT_EQ(liste.kodning, TextEncoding::Utf16LE);
    SaveGrupper(fil, liste);
    EXPECT_EQ(readAllBytes(fil), utf16);

    liste.navne.append("Ø");
    SaveGrupper(fil, liste);
    EXPECT_EQ(readAllBytes(fil), utf16 + QByteArray("\xD8\x00\r\x00\n\x00", 6));
}

TEST(FileNames, UnsafeNamesAreRefusedOrReplaced)
{
    for (const char *bad : {"", ".", "..", "a/b", "a\\b", "con:x", "CON", "nul.txt", "x.", "a*"})
        EXPECT_FALSE(isSafeFileName(QString::fromUtf8(bad))) << bad;
    EXPECT_FALSE(isSafeFileName(QString(300, u'x')));
    EXPECT_TRUE(isSafeFileName(QStringLiteral("Æbler og pærer")));

    EXPECT_EQ(safeFileName("a/b\\c:d"), QStringLiteral("a_b_c_d"));
    EXPECT_EQ(safeFileName(".."), QStringLiteral("_"));
    EXPECT_EQ(safeFileName("CON"), QStringLiteral("_CON"));
    EXPECT_TRUE(isSafeFileName(safeFileName(QString(300, u'x'))));
}

TEST(FileNames, InsideTestResolvesDotDot)
{
    EXPECT_TRUE(liesInside("/r/Grupper/G/a.txt", "/r/Grupper/"));
    EXPECT_FALSE(liesInside("/r/Grupper/../a.txt", "/r/Grupper/"));
    EXPECT_FALSE(liesInside("/r/Grupper", "/r/Grupper/"));
    EXPECT_FALSE(liesInside("/r/GrupperX/a.txt", "/r/Grupper"));
}

TEST(GroupList, NamesAreUniqueInAnyLetterCase)
{
    GruppeListe liste;
    EXPECT_TRUE(liste.tilfoej("Sport"));
    EXPECT_TRUE(liste.tilfoej("Æbler"));
    EXPECT_FALSE(liste.tilfoej("SPORT"));
    EXPECT_FALSE(liste.tilfoej("æBLER")); // every letter, not only a to z
    EXPECT_EQ(liste.find("sport"), 0);
    EXPECT_TRUE(liste.flyt(0, 1));
    EXPECT_EQ(liste.navne, QStringList({"Æbler", "Sport"}));
    EXPECT_FALSE(liste.flyt(1, 2));
    EXPECT_TRUE(liste.fjern(0));
    EXPECT_FALSE(liste.fjern(1));
    EXPECT_EQ(liste.navne, QStringList({"Sport"}));
}
