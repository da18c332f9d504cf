#include "dataroot.h"
#include "questionbank.h"
#include "regneark.h"
#include "storedpath.h"
#include "testroot.h"
#include "textfile.h"
#include "unprivileged.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace kvidrel;

namespace {

// A data root with its groups folder and one group "Gammel" of two questions.
class Regneark : public ::testing::Test
{
protected:
    void SetUp() override
    {
        gruppeDir = QDir::toNativeSeparators(root.path() + "/Grupper/");
        QDir().mkpath(root.path() + "/Grupper/Gammel/Kommentarer");
        writeLines(gruppeDir + "Grupper.txt", {"Gammel"});
        for (const QString navn : {"001 En", "002 To"}) {
            SpmRec spm;
            spm.Filnavn = storedpath::toStored(gruppeDir + "Gammel/" + navn + ".txt");
            spm.Gruppe = "Gammel";
            spm.Navn = navn;
            spm.Tekst = spm.Svar1 = spm.Svar2 = spm.Svar3 = spm.Svar4 = navn;
            spm.RigtigSvar = spm.PointType = 1;
            spm.Aktiv = true;
            SaveSpm(spm, gruppeDir);
        }
    }

    QString csv(const QByteArray &bytes, const QString &navn = "spm.csv")
    {
        writeAllBytes(root.tempPath() + "/" + navn, bytes);
        return root.tempPath() + "/" + navn;
    }

    // Every field a question keeps, its comment text included.
    static QString felter(const SpmRec &q)
    {
        const QString kom = storedpath::resolve(q.kFilnavn);
        return QStringList{q.Tekst,
                           q.Svar1,
                           q.Svar2,
                           q.Svar3,
                           q.Svar4,
                           QString::number(q.RigtigSvar),
                           QString::number(q.PointType),
                           QString::number(q.Point),
                           q.Aktiv ? "aktiv" : "",
                           kom.isEmpty() ? QString() : readComment(kom),
                           q.bFilnavn,
                           q.musikFilnavn}
            .join(u'|');
    }
    QStringList gruppe(const QString &navn) const
    {
        QStringList ud;
        for (const SpmRec &q : LoadSpmListen(gruppeDir, navn).Spm)
            ud << q.Navn + ": " + felter(q);
        return ud;
    }
    QStringList grupper() const { return readLineList(gruppeDir + "Grupper.txt"); }
    // Nothing of an import stays in the groups folder but the groups.
    QStringList mellemlagre() const
    {
        return QDir(gruppeDir).entryList({".import-*"}, QDir::AllEntries | QDir::Hidden);
    }

    TestRoot root;
    QString gruppeDir;
};

const QByteArray kBom = "\xEF\xBB\xBF";
const QByteArray kHoved = "Spørgsmål;Svar A;Svar B;Svar C;Svar D;Rigtigt svar;Point;Kommentar\r\n";

struct Tilfaelde
{
    const char *navn;
    QByteArray fil;
    QStringList spm;         // the questions of the new group, as gruppe() shows them
    QStringList afvisninger; // the refused rows
    QString fejl;            // the beginning of why nothing was written
};

} // namespace

// Files as spreadsheets save them, each imported into a new group.
TEST_F(Regneark, ImportReadsWhatSpreadsheetsWrite)
{
    const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01", 20);
    const Tilfaelde tilfaelde[] = {
        {"quotes, separators and line breaks in fields",
         kBom + kHoved +
             "\"Hvem sagde \"\"Hej; farvel\"\"?\";\"Anna, Bo\";B;C;D;a;10;\"Linje 1\r\nLinje; "
             "2\"\r\n"
             "\"To\r\nlinjer\";\"x\ny\";B;C;D;4;;\r\n",
         {"001 Hvem sagde Hej; farvel: Hvem sagde \"Hej; farvel\"?|Anna, Bo|B|C|D|1|2|10|aktiv|"
          "Linje 1\r\nLinje; 2||",
          "002 To linjer: To linjer|x y|B|C|D|4|1|0|aktiv|||"},
         {},
         {}},
        {"commas, another column order, UTF-8 without its mark",
         " rigtigt svar ,SVAR D,Svar C,Svar B,Svar A,spørgsmål,Musik,billede\n"
         "c,Ø,Å,Æ,ø,Hvad er æ?,C:\\Musik\\vals.mp3,billeder/ø.png\n",
         {"001 Hvad er æ: Hvad er æ?|ø|Æ|Å|Ø|3|1|0|aktiv||" +
          storedpath::toStored(QDir::toNativeSeparators(root.tempPath() + "/billeder/ø.png")) +
          "|C:\\Musik\\vals.mp3"},
         {},
         {}},
        {"Windows-1252",
         "Sp\xf8rgsm\xe5l;Svar A;Svar B;Svar C;Svar D;Rigtigt svar\r\n"
         "Hvor ligger \xc6r\xf8?;Fyn;Als;\xc6r\xf8sk\xf8"
         "bing;Sj\xe6lland;C\r\n",
         {"001 Hvor ligger Ærø: Hvor ligger Ærø?|Fyn|Als|Ærøskøbing|Sjælland|3|1|0|aktiv|||"},
         {},
         {}},
        {"rows the editor refuses, counted as the spreadsheet counts them",
         kHoved + "\"Med\r\nlinjeskift\";a;b;c;d;A;;\r\n" + "Mangler;a;;c;d;A;;\r\n" +
             ";;;;;;;\r\n" + "Forkert;a;b;c;d;E;;\r\n" + "For mange;a;b;c;d;B;150;\r\n" +
             "Ingen;a;b;c;d;;5;\r\n" + "\"Aaben;a;b;c;d;A;;\r\n",
         {"001 Med linjeskift: Med linjeskift|a|b|c|d|1|1|0|aktiv|||"},
         {"Række 3: Der mangler et svar B.",
          "Række 5: Rigtigt svar skal være A, B, C, D eller 1 til 4, ikke \"E\".",
          "Række 6: Point skal være fra 1 til 100.", "Række 7: Vælg det rigtige svar.",
          "Række 8: Et felt begynder med \" men slutter ikke med \"."},
         {}},
        {"an empty file", "", {}, {}, "Filen er tom."},
        {"a picture", png, {}, {}, "Filen er ikke en CSV-fil."},
        {"text without the columns", "Navn,Alder\nAnna,7\n", {}, {}, "Filen er ikke en CSV-fil"},
        {"only the header", kBom + kHoved, {}, {}, "Filen har ingen spørgsmål"},
    };
    int n = 0;
    for (const Tilfaelde &t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        const QString navn = QString("Ny %1").arg(++n);
        const ImportResultat r = importerCsv(csv(t.fil), gruppeDir, navn);
        EXPECT_EQ(gruppe(navn), t.spm);
        EXPECT_EQ(r.indfoerte.size(), t.spm.size());
        EXPECT_EQ(r.afvisninger(), t.afvisninger);
        EXPECT_TRUE(r.fejl.startsWith(t.fejl) && r.fejl.isEmpty() == t.fejl.isEmpty())
            << r.fejl.toStdString();
        // A group is made only for questions, with its comments folder.
        EXPECT_EQ(r.nyGruppe, !t.spm.isEmpty());
        EXPECT_EQ(grupper().contains(navn), !t.spm.isEmpty());
        EXPECT_EQ(QFileInfo(gruppeDir + navn + "/Kommentarer").isDir(), !t.spm.isEmpty());
        EXPECT_TRUE(r.besked().startsWith(t.spm.isEmpty() ? "Der er ikke indført nogen spørgsmål."
                                                          : "Der er indført"))
            << r.besked().toStdString();
    }
    EXPECT_EQ(grupper().first(), "Gammel");
    EXPECT_TRUE(mellemlagre().isEmpty());
}

// An existing group gets the next numbers, and comment names already used stay
// with their questions.
TEST_F(Regneark, ImportAddsAfterTheLastQuestionOfTheGroup)
{
    writeAllBytes(gruppeDir + "Gammel/Kommentarer/003 Ny.txt", "gammel");
    QByteArray fil = kHoved;
    for (int i = 0; i < 12; ++i)
        fil += "Ny;a;b;c;d;A;;" + QByteArray(i == 0 ? "kommentar" : "") + "\r\n";
    fil += "Tom;a;b;c;d;;;\r\n";
    const ImportResultat r = importerCsv(csv(fil), gruppeDir, "gammel");
    EXPECT_EQ(r.gruppe, "Gammel");
    EXPECT_FALSE(r.nyGruppe);
    EXPECT_EQ(grupper(), QStringList{"Gammel"});
    ASSERT_EQ(r.indfoerte.size(), 12);
    EXPECT_EQ(r.indfoerte.first(), "003 Ny");
    EXPECT_EQ(r.indfoerte.last(), "014 Ny");
    const SpmListe liste = LoadSpmListen(gruppeDir, "Gammel");
    ASSERT_EQ(liste.Spm.size(), 14);
    EXPECT_EQ(readAllBytes(gruppeDir + "Gammel/Kommentarer/003 Ny.txt"), "gammel");
    EXPECT_EQ(readComment(storedpath::resolve(liste.Spm[2].kFilnavn)), "kommentar");
    // One notice: the count, then the refused row.
    EXPECT_EQ(r.besked(), "Der er indført 12 spørgsmål i gruppen \"Gammel\".\r"
                          "1 række er ikke taget med:\rRække 14: Vælg det rigtige svar.");

    // Written as the editor writes it: saving it again changes no byte.
    const QString sti = spmSkrivSti(liste.Spm[3], gruppeDir);
    const QByteArray foer = readAllBytes(sti);
    SaveSpm(liste.Spm[3], gruppeDir);
    EXPECT_EQ(readAllBytes(sti), foer);

    // The numbers run out at 999.
    writeAllBytes(gruppeDir + "Gammel/998 Sidst.txt", "");
    const ImportResultat fuld =
        importerCsv(csv(kHoved + "A;a;b;c;d;A;;\r\nB;a;b;c;d;A;;\r\n"), gruppeDir, "Gammel");
    EXPECT_EQ(fuld.indfoerte, QStringList{"999 A"});
    EXPECT_EQ(fuld.afvisninger(),
              QStringList{"Række 3: Gruppen har ikke flere numre; 999 er det sidste."});
}

// Export and import into a new group give the same questions.
TEST_F(Regneark, ExportedGroupImportsAsItWas)
{
    const QString komSti = gruppeDir + "Gammel/Kommentarer/002 To.txt";
    writeComment(komSti, "Første; linje\r\n\"Anden\" linje, med komma");
    SpmListe liste = LoadSpmListen(gruppeDir, "Gammel");
    ASSERT_EQ(liste.Spm.size(), 2);
    SpmRec &q = liste.Spm[1];
    q.Tekst = "Hvad er \"1;2\", når æ = ø?";
    q.Svar3 = "  mellemrum  ";
    q.RigtigSvar = 4;
    q.PointType = 2;
    q.Point = 100;
    q.kFilnavn = storedpath::toStored(komSti);
    q.bFilnavn = "C:\\Kvidrel\\Grupper\\Gammel\\Kommentarer\\billede.jpg";
    q.musikFilnavn = "/musik/vals.mp3";
    SaveSpm(q, gruppeDir);

    const QString fil = root.tempPath() + "/ud.csv";
    const EksportResultat ud = eksporterCsv(gruppeDir, "gammel", fil);
    EXPECT_TRUE(ud.fejl.isEmpty()) << ud.fejl.toStdString();
    EXPECT_EQ(ud.antal, 2);
    EXPECT_TRUE(readAllBytes(fil).startsWith(
        kBom +
        "Spørgsmål;Svar A;Svar B;Svar C;Svar D;Rigtigt svar;Point;Kommentar;Billede;Musik\r\n"));

    const ImportResultat ind = importerCsv(fil, gruppeDir, "Kopi");
    EXPECT_TRUE(ind.afviste.isEmpty());
    QStringList foer = gruppe("Gammel");
    QStringList efter = gruppe("Kopi");
    ASSERT_EQ(efter.size(), 2);
    for (QStringList *l : {&foer, &efter}) {
        for (QString &s : *l)
            s = s.section(": ", 1); // the names are made from the texts
    }
    foer[1].replace("  mellemrum  ", "mellemrum"); // trimmed, as the editor trims
    EXPECT_EQ(efter, foer);

    EXPECT_FALSE(eksporterCsv(gruppeDir, "Findes ikke", fil).fejl.isEmpty());
}

// A write that fails half-way leaves the group, its comments and the group
// list as they were.
TEST_F(Regneark, AFailedWriteLeavesNothingBehind)
{
    if (runAsUnprivileged())
        return;
    // Names and sizes: a file moved in and back out leaves its folder's time changed.
    const auto indhold = [this] {
        QStringList rows = treeListing(root.path());
        for (QString &row : rows)
            row = row.section(u' ', 0, -2);
        return rows;
    };
    const QStringList foer = indhold();
    QByteArray fil = kHoved;
    for (int i = 0; i < 6; ++i)
        fil += "Spørgsmål;a;b;c;d;A;;En kommentar\r\n";
    // The comments go in; the questions cannot.
    const ImportResultat r = importerCsv(csv(fil), gruppeDir, "Gammel", [this](int lavet) {
        if (lavet == 3)
            QFile::setPermissions(gruppeDir + "Gammel", QFile::ReadOwner | QFile::ExeOwner);
    });
    EXPECT_TRUE(r.indfoerte.isEmpty());
    EXPECT_TRUE(r.besked().startsWith("Der er ikke indført nogen spørgsmål.\r"))
        << r.besked().toStdString();
    setReadOnly(gruppeDir + "Gammel", false);
    QFile::remove(root.tempPath() + "/spm.csv");
    EXPECT_EQ(indhold(), foer);

    // A new group whose name cannot go into the group list is taken out again.
    const ImportResultat ny = importerCsv(csv(fil), gruppeDir, "Ny", [this](int lavet) {
        if (lavet == 6) {
            QFile::remove(gruppeDir + "Grupper.txt");
            QDir().mkdir(gruppeDir + "Grupper.txt");
        }
    });
    EXPECT_TRUE(ny.indfoerte.isEmpty());
    EXPECT_FALSE(ny.nyGruppe);
    QDir().rmdir(gruppeDir + "Grupper.txt");
    writeLines(gruppeDir + "Grupper.txt", {"Gammel"});
    QFile::remove(root.tempPath() + "/spm.csv");
    EXPECT_EQ(indhold(), foer);
}
