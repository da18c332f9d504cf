#include "dataroot.h"
#include "gruppemapper.h"
#include "testroot.h"
#include "textfile.h"
#include "unprivileged.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace kvidrel;

namespace {

// A groups folder inside the data root and a folder beside the data root that
// stands for everything a wrong path could reach.
struct Grupper
{
    TestRoot root;
    QString dir;
    QString udenfor;

    Grupper()
    {
        QDir().mkpath(root.file("Grupper"));
        dir = root.file("Grupper") + separator();
        udenfor = root.tempPath() + "/udenfor";
        QDir().mkpath(udenfor + "/under");
        writeAllBytes(udenfor + "/vigtig.txt", "behold");
        writeAllBytes(udenfor + "/under/mere.txt", "behold");
        writeAllBytes(root.file("Grupper/Grupper.txt"), "A\r\n");
    }
    QStringList alt() const { return treeListing(root.tempPath()); }
};

const QStringList daarligeNavne = {
    "",    ".",  "..",   "a/b", "a\\b", "con:x", "../udenfor", "..\\udenfor", QString(300, u'x'),
    "nul", "x*", "slut."};

} // namespace

TEST(GroupFolders, NameMustBeOneFolderName)
{
    EXPECT_TRUE(gruppeNavnBrugbart("Sport"));
    EXPECT_TRUE(gruppeNavnBrugbart("Æbler og ål 2"));
    for (const QString &navn : daarligeNavne)
        EXPECT_FALSE(gruppeNavnBrugbart(navn)) << navn.left(20).toStdString();
}

TEST(GroupFolders, CreatesFolderAndCommentsFolderOnlyForUsableNames)
{
    Grupper g;
    EXPECT_TRUE(opretGruppeMapper(g.dir, "Sport"));
    EXPECT_TRUE(QFileInfo(g.dir + "Sport/Kommentarer").isDir());
    EXPECT_TRUE(QDir(g.dir + "Sport/Kommentarer").isEmpty());
    // Existing folders are kept with their content.
    writeAllBytes(g.dir + "Sport/001 a.txt", "x");
    EXPECT_TRUE(opretGruppeMapper(g.dir, "Sport"));
    EXPECT_TRUE(QFile::exists(g.dir + "Sport/001 a.txt"));

    const QStringList foer = g.alt();
    for (const QString &navn : daarligeNavne)
        EXPECT_FALSE(opretGruppeMapper(g.dir, navn)) << navn.left(20).toStdString();
    EXPECT_EQ(g.alt(), foer);
}

TEST(GroupFolders, WritesNothingThroughALinkNamedAsTheGroup)
{
    Grupper g;
    ASSERT_TRUE(QFile::link(g.udenfor, g.dir + "Link"));
    const QStringList foer = treeListing(g.udenfor);
    EXPECT_FALSE(opretGruppeMapper(g.dir, "Link"));
    EXPECT_EQ(treeListing(g.udenfor), foer);
}

TEST(GroupFolders, DeleteRemovesTheWholeTreeAndNothingElse)
{
    Grupper g;
    ASSERT_TRUE(opretGruppeMapper(g.dir, "Sport"));
    ASSERT_TRUE(opretGruppeMapper(g.dir, "Natur"));
    writeAllBytes(g.dir + "Sport/001 a.txt", "x");
    writeAllBytes(g.dir + "Sport/.skjult", "x");
    writeAllBytes(g.dir + "Sport/Kommentarer/001 a.txt", "x");
    writeAllBytes(g.dir + "Sport/Kommentarer/b.png", "x");
    QDir().mkpath(g.dir + "Sport/andet/dybere");
    writeAllBytes(g.dir + "Sport/andet/dybere/c", "x");
    QFile::setPermissions(g.dir + "Sport/001 a.txt", QFileDevice::ReadOwner);
    writeAllBytes(g.dir + "Natur/001 b.txt", "y");
    const QStringList udenforFoer = treeListing(g.udenfor);

    EXPECT_TRUE(sletGruppeMappe(g.dir, "Sport"));
    EXPECT_FALSE(QFileInfo::exists(g.dir + "Sport"));
    EXPECT_TRUE(QFile::exists(g.dir + "Natur/001 b.txt"));
    EXPECT_TRUE(QFile::exists(g.dir + "Grupper.txt"));
    EXPECT_EQ(treeListing(g.udenfor), udenforFoer);

    // A missing folder is no failure.
    EXPECT_TRUE(sletGruppeMappe(g.dir, "Sport"));
}

TEST(GroupFolders, DeleteNeverFollowsLinks)
{
    Grupper g;
    ASSERT_TRUE(opretGruppeMapper(g.dir, "Sport"));
    ASSERT_TRUE(QFile::link(g.udenfor, g.dir + "Sport/ud"));
    ASSERT_TRUE(QFile::link(g.udenfor + "/vigtig.txt", g.dir + "Sport/Kommentarer/fil"));
    ASSERT_TRUE(QFile::link(g.udenfor, g.dir + "Helt"));
    const QStringList udenforFoer = treeListing(g.udenfor);

    EXPECT_TRUE(sletGruppeMappe(g.dir, "Sport"));
    EXPECT_FALSE(QFileInfo::exists(g.dir + "Sport"));
    // A group that is itself a link loses the link, not what it points at.
    EXPECT_TRUE(sletGruppeMappe(g.dir, "Helt"));
    EXPECT_FALSE(QFileInfo(g.dir + "Helt").isSymLink());
    EXPECT_EQ(treeListing(g.udenfor), udenforFoer);
}

TEST(GroupFolders, DeleteWithAnUnusableNameTouchesNothing)
{
    Grupper g;
    ASSERT_TRUE(opretGruppeMapper(g.dir, "Sport"));
    writeAllBytes(g.root.file("Deltagere.txt"), "x");
    writeAllBytes(g.dir + "fil", "x");
    const QStringList foer = g.alt();
    for (const QString &navn : daarligeNavne)
        EXPECT_FALSE(sletGruppeMappe(g.dir, navn)) << navn.left(20).toStdString();
    // A plain file under a group's name is not a group folder.
    EXPECT_FALSE(sletGruppeMappe(g.dir, "fil"));
    EXPECT_EQ(g.alt(), foer);
}

TEST(GroupFolders, DeleteReportsWhatCouldNotGo)
{
    if (runAsUnprivileged())
        return;
    Grupper g;
    ASSERT_TRUE(opretGruppeMapper(g.dir, "Laast"));
    writeAllBytes(g.dir + "Laast/Kommentarer/x.txt", "x");
    QFile::setPermissions(g.dir + "Laast/Kommentarer",
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    ASSERT_FALSE(QFile::remove(g.dir + "Laast/Kommentarer/x.txt")) << "permissions not enforced";
    EXPECT_THROW(sletGruppeMappe(g.dir, "Laast"), FileError);
    QFile::setPermissions(g.dir + "Laast/Kommentarer",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
