#include "helpcontent.h"
#include "testroot.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kvidrel;

namespace {

TEST(HelpContent, CopiedOnlyWhereNoStructureOfThatNameIs)
{
    const QString kilde = helpcontent::leveretStruktur();
    ASSERT_FALSE(kilde.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(kilde + QStringLiteral("/tekstfiler/Kvidrel.html")));

    QTemporaryDir dir;
    const QString struktur = dir.path() + QStringLiteral("/Struktur");
    QDir().mkpath(struktur);
    // A copy cut short under the temporary name does not count and is replaced.
    QDir().mkpath(struktur + QStringLiteral("/.kvidrel.kopi/tekstfiler"));
    writeAllBytes(struktur + QStringLiteral("/.kvidrel.kopi/struktur.txt"), "halv");
    ASSERT_TRUE(helpcontent::kopierStruktur(kilde, struktur));
    EXPECT_EQ(QDir(struktur).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"kvidrel"}));
    EXPECT_EQ(treeListing(struktur + QStringLiteral("/kvidrel")).size(), treeListing(kilde).size());
    EXPECT_EQ(readAllBytes(struktur + QStringLiteral("/kvidrel/struktur.txt")),
              readAllBytes(kilde + QStringLiteral("/struktur.txt")));

    // A structure there in any letter case is never touched.
    QDir(struktur + QStringLiteral("/kvidrel")).removeRecursively();
    QDir().mkpath(struktur + QStringLiteral("/KVIDREL"));
    writeAllBytes(struktur + QStringLiteral("/KVIDREL/struktur.txt"), "Egen\r\n");
    const QStringList foer = treeListing(struktur);
    EXPECT_FALSE(helpcontent::kopierStruktur(kilde, struktur));
    EXPECT_EQ(treeListing(struktur), foer);
}

} // namespace
