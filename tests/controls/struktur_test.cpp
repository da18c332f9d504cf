#include "struktur.h"
#include "testroot.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using kvidrel::TNodeAttachMode;
using kvidrel::TStruktur;

namespace {

// A structure folder made from bytes: tree file, data file and page folder.
class StrukturTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QDir().mkpath(mappe() + QStringLiteral("/tekstfiler"));
        trae.Strukturfile = mappe() + QStringLiteral("/struktur.txt");
        trae.Datafile = mappe() + QStringLiteral("/data.txt");
        trae.Infomappe = mappe() + QStringLiteral("/tekstfiler/");
    }

    QString mappe() const { return dir.path() + QStringLiteral("/S"); }
    QString side(const QString &navn) const
    {
        return trae.Infomappe + navn + QStringLiteral(".html");
    }

    QStringList titler() const
    {
        QStringList result;
        for (const QTreeWidgetItem *node : trae.noder())
            result << node->text(0);
        return result;
    }

    QTemporaryDir dir;
    TStruktur trae;
};

TEST_F(StrukturTest, TreeFilesReadAndWriteByLevels)
{
    const QByteArray kapitel("Kapitel\r\n\tSide 1\r\n\tSide 2\r\nBilag\r\n");
    writeAllBytes(trae.Strukturfile, kapitel);
    ASSERT_TRUE(trae.HentStruktur());
    ASSERT_EQ(trae.topLevelItemCount(), 2);
    EXPECT_EQ(trae.topLevelItem(0)->childCount(), 2);
    EXPECT_TRUE(trae.Advarsler.isEmpty());
    ASSERT_TRUE(trae.GemStruktur());
    EXPECT_EQ(readAllBytes(trae.Strukturfile), kapitel);
    EXPECT_FALSE(QFile::exists(trae.Datafile)); // without DataOn there is none

    // Spaces count as levels; a jump of two levels reads as one, with a notice
    // that names the file and the line, and the load goes on.
    writeAllBytes(trae.Strukturfile, "Kapitel\r\n  Side\r\n Anden\r\nBilag\r\n");
    ASSERT_TRUE(trae.HentStruktur());
    EXPECT_EQ(titler(), QStringList({"Kapitel", "Side", "Anden", "Bilag"}));
    EXPECT_EQ(trae.topLevelItem(0)->childCount(), 2);
    ASSERT_EQ(trae.Advarsler.size(), 1);
    EXPECT_TRUE(trae.Advarsler.first().contains(QStringLiteral("Linje 2")));
    EXPECT_TRUE(trae.Advarsler.first().contains(QStringLiteral("struktur.txt")));
    ASSERT_TRUE(trae.GemStruktur());
    EXPECT_EQ(readAllBytes(trae.Strukturfile), "Kapitel\r\n\tSide\r\n\tAnden\r\nBilag\r\n");

    // A tree read with a byte-order mark is written back in it.
    writeAllBytes(trae.Strukturfile, "\xEF\xBB\xBF\xC3\x86"
                                     "ble\r\n\t\xE2\x82\xAC\r\n");
    ASSERT_TRUE(trae.HentStruktur());
    trae.GemStruktur();
    EXPECT_EQ(readAllBytes(trae.Strukturfile), "\xEF\xBB\xBF\xC3\x86"
                                               "ble\r\n\t\xE2\x82\xAC\r\n");

    // An empty tree file gives an empty tree; a missing one false.
    writeAllBytes(trae.Strukturfile, "");
    EXPECT_TRUE(trae.HentStruktur());
    EXPECT_EQ(trae.topLevelItemCount(), 0);
    QFile::remove(trae.Strukturfile);
    EXPECT_FALSE(trae.HentStruktur());
}

TEST_F(StrukturTest, DataFileCarriesPicturesAndPageNames)
{
    trae.DataOn = true;
    writeAllBytes(trae.Strukturfile, "Forside\r\n\tOm os\r\n");
    ASSERT_TRUE(trae.HentStruktur());
    // A missing data file is made from the titles, picture 0 each.
    EXPECT_EQ(readAllBytes(trae.Datafile), "0Forside\r\n0Om os\r\n");
    for (const QTreeWidgetItem *node : trae.noder()) {
        EXPECT_EQ(TStruktur::billedIndex(node), 0);
        EXPECT_FALSE(node->icon(0).isNull());
    }

    // One line short, and one without its digit: no stop, picture 0.
    writeAllBytes(trae.Strukturfile, "Forside\r\nOm\r\nBilag\r\n");
    writeAllBytes(trae.Datafile, "3Forside\r\nOmside\r\n");
    writeAllBytes(side(QStringLiteral("Forside")), "<p>x</p>");
    ASSERT_TRUE(trae.HentStruktur());
    const QList<QTreeWidgetItem *> n = trae.noder();
    ASSERT_EQ(n.size(), 3);
    EXPECT_EQ(TStruktur::billedIndex(n[0]), 3);
    EXPECT_EQ(TStruktur::sidenavn(n[0]), QStringLiteral("Forside"));
    EXPECT_EQ(QFileInfo(trae.sidefil(TStruktur::sidenavn(n[0]))).canonicalFilePath(),
              QFileInfo(side(QStringLiteral("Forside"))).canonicalFilePath());
    EXPECT_EQ(TStruktur::data(n[1]), QStringLiteral("0Omside"));
    EXPECT_EQ(TStruktur::data(n[2]), QStringLiteral("0Bilag"));
    EXPECT_TRUE(trae.Advarsler.isEmpty());
    EXPECT_TRUE(trae.setSelected(QStringLiteral("C:\\x\\tekstfiler\\Forside.html")));
    EXPECT_FALSE(trae.setSelected(QStringLiteral("forside.html")));
    EXPECT_EQ(trae.getTheSelectedIndex(), 0);
    EXPECT_EQ(trae.InfoFilnavn(QStringLiteral("txt")),
              mappe() + QStringLiteral("/tekstfiler/Forside.txt"));

    // An index outside 0 to 9 is stored as exactly one digit.
    trae.Flytmode = TNodeAttachMode::naAddChild;
    trae.NyNode(QStringLiteral("Ny"), QStringLiteral("2Side"), 12, false, true);
    EXPECT_FALSE(trae.Modified);
    EXPECT_EQ(readAllBytes(trae.Datafile), "3Forside\r\n02Side\r\n0Omside\r\n0Bilag\r\n");
    EXPECT_EQ(readAllBytes(trae.Strukturfile), "Forside\r\n\tNy\r\nOm\r\nBilag\r\n");
    ASSERT_TRUE(trae.HentStruktur());
    EXPECT_EQ(TStruktur::billedIndex(trae.noder()[1]), 0);
    EXPECT_EQ(TStruktur::sidenavn(trae.noder()[1]), QStringLiteral("2Side"));
}

TEST_F(StrukturTest, DeletingANodeTrashesOnlyItsOwnPages)
{
    // The desktop's trash lives beside the structure, on the same mount.
    const QByteArray home = qgetenv("HOME"), data = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", dir.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/data")).toLocal8Bit());
    QDir().mkpath(dir.path() + QStringLiteral("/Dokumenter"));
    writeAllBytes(dir.path() + QStringLiteral("/Dokumenter/rapport.html"), "privat");
    for (const char *navn : {"A", "B", "C", "Faelles"})
        writeAllBytes(side(QString::fromLatin1(navn)), navn);
    trae.DataOn = true;
    writeAllBytes(trae.Strukturfile, "A\r\n\tB\r\n\t\tC\r\n\tR\r\n\tF\r\nZ\r\n");
    writeAllBytes(trae.Datafile,
                  "0A\r\n0B\r\n0C\r\n0../../Dokumenter/rapport\r\n0Faelles\r\n0faelles\r\n");
    ASSERT_TRUE(trae.HentStruktur());

    trae.setCurrentItem(trae.topLevelItem(0));
    trae.SletNode();
    EXPECT_EQ(titler(), QStringList({"Z"}));
    EXPECT_TRUE(trae.Modified);
    QStringList trash =
        QDir(dir.path() + QStringLiteral("/data/Trash/files")).entryList(QDir::Files);
    trash.sort();
    EXPECT_EQ(trash, QStringList({"A.html", "B.html"}));
    EXPECT_TRUE(QFile::exists(side(QStringLiteral("C"))));       // a grandchild's page stays
    EXPECT_TRUE(QFile::exists(side(QStringLiteral("Faelles")))); // still named by Z
    EXPECT_EQ(readAllBytes(dir.path() + QStringLiteral("/Dokumenter/rapport.html")), "privat");
    qputenv("HOME", home);
    data.isEmpty() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", data);
}

TEST_F(StrukturTest, NodesMoveWithTheMouseButNeverIntoThemselves)
{
    writeAllBytes(trae.Strukturfile, "A\r\n\tB\r\n\t\tC\r\nD\r\n");
    ASSERT_TRUE(trae.HentStruktur());
    trae.expandAll();
    trae.resize(200, 200);
    trae.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&trae));
    const QList<QTreeWidgetItem *> n = trae.noder();
    auto at = [this](QTreeWidgetItem *node) { return trae.visualItemRect(node).center(); };
    EXPECT_EQ(trae.getTheSelectedIndex(), -1);
    trae.Flytmode = TNodeAttachMode::naAddChild;

    trae.MusDown(at(n[1]).x(), at(n[1]).y()); // B onto its own grandchild C
    trae.MusUp(at(n[2]).x(), at(n[2]).y(), false);
    EXPECT_EQ(titler(), QStringList({"A", "B", "C", "D"}));
    EXPECT_EQ(n[2]->parent(), n[1]);
    EXPECT_FALSE(trae.Modified);

    trae.MusDown(at(n[0]).x(), at(n[0]).y()); // the first node stays put
    trae.MusUp(at(n[3]).x(), at(n[3]).y(), false);
    EXPECT_EQ(n[0]->parent(), nullptr);

    trae.MusDown(at(n[3]).x(), at(n[3]).y()); // D becomes A's last child
    trae.MusUp(at(n[0]).x(), at(n[0]).y(), false);
    EXPECT_EQ(n[3]->parent(), n[0]);
    EXPECT_TRUE(trae.Modified);
    trae.GemStruktur();
    EXPECT_EQ(readAllBytes(trae.Strukturfile), "A\r\n\tB\r\n\t\tC\r\n\tD\r\n");
}

} // namespace
