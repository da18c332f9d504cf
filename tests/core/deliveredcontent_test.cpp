#include "dataroot.h"
#include "deliveredcontent.h"
#include "questionbank.h"
#include "storedpath.h"
#include "testroot.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kvidrel;

namespace {

bool erPng(const QString &path)
{
    return readAllBytes(path).startsWith("\x89PNG\r\n\x1a\n");
}

TEST(DeliveredContent, HelpStructureCopiedOnlyWhereNoneOfThatNameIs)
{
    const QString kilde = deliveredcontent::leveretStruktur();
    ASSERT_FALSE(kilde.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(kilde + QStringLiteral("/tekstfiler/Kvidrel.html")));

    QTemporaryDir dir;
    const QString struktur = dir.path() + QStringLiteral("/Struktur");
    QDir().mkpath(struktur);
    // A copy cut short under the temporary name does not count and is replaced.
    QDir().mkpath(struktur + QStringLiteral("/.kvidrel.kopi/tekstfiler"));
    writeAllBytes(struktur + QStringLiteral("/.kvidrel.kopi/struktur.txt"), "halv");
    ASSERT_TRUE(deliveredcontent::kopierInd(kilde, struktur));
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
    EXPECT_FALSE(deliveredcontent::kopierInd(kilde, struktur));
    EXPECT_EQ(treeListing(struktur), foer);
}

// What a host sees after the first start: drawings to pick from and a demo
// group that the real question bank lists and plays, comment pictures included.
TEST(DeliveredContent, FirstStartBringsDrawingsAndDemoGroupOnlyOnce)
{
    TestRoot root;
    const DataLayout layout = DataLayout::under(root.path());
    layout.makeFolders();
    deliveredcontent::forsyn(layout);

    const QFileInfoList tegninger =
        QDir(layout.billedDir).entryInfoList({QStringLiteral("*.png")}, QDir::Files);
    EXPECT_GE(tegninger.size(), 12);
    for (const QFileInfo &tegning : tegninger)
        EXPECT_TRUE(erPng(tegning.filePath())) << tegning.fileName().toStdString();

    GruppeListe grupper;
    LoadGrupper(layout.gruppeFil, grupper);
    EXPECT_EQ(grupper.navne, QStringList({"Eksempler"}));
    const SpmListe liste = LoadSpmListen(layout.gruppeDir, QStringLiteral("Eksempler"));
    ASSERT_GE(liste.Spm.size(), 10);
    EXPECT_EQ(liste.antalSpm, liste.Spm.size());
    int tilfaeldige = 0;
    int medKommentar = 0;
    for (const SpmRec &spm : liste.Spm) {
        SCOPED_TRACE(spm.Navn.toStdString());
        // Stored as a Windows installation writes them, naming the file read.
        EXPECT_TRUE(spm.Filnavn.startsWith(QStringLiteral("C:\\Kvidrel\\Grupper\\Eksempler\\")));
        EXPECT_TRUE(storedpath::same(spm.Filnavn, spm.kildeFil));
        EXPECT_EQ(spm.Gruppe, QStringLiteral("Eksempler"));
        EXPECT_FALSE(spm.Tekst.isEmpty());
        EXPECT_GE(spm.RigtigSvar, 1);
        EXPECT_LE(spm.RigtigSvar, 4);
        if (spm.PointType == 1) {
            ++tilfaeldige;
            EXPECT_EQ(spm.Point, 0);
        } else {
            EXPECT_EQ(spm.PointType, 2);
            EXPECT_GE(spm.Point, 1);
            EXPECT_LE(spm.Point, 100);
        }
        if (!spm.bFilnavn.isEmpty()) {
            ++medKommentar;
            EXPECT_TRUE(erPng(storedpath::resolve(spm.bFilnavn)));
            EXPECT_FALSE(readAllBytes(storedpath::resolve(spm.kFilnavn)).isEmpty());
        }
        // Saved back unchanged, byte for byte: the files are in the program's format.
        const QByteArray bytes = readAllBytes(spm.kildeFil);
        SaveSpm(spm, layout.gruppeDir);
        EXPECT_EQ(readAllBytes(spm.kildeFil), bytes);
    }
    EXPECT_GT(tilfaeldige, 0);
    EXPECT_LT(tilfaeldige, liste.Spm.size());
    EXPECT_GE(medKommentar, 2);
    EXPECT_TRUE(QDir(root.path())
                    .entryList({QStringLiteral(".*.kopi")}, QDir::AllEntries | QDir::Hidden)
                    .isEmpty());

    // The host deletes the group and a drawing: the group list exists now, so
    // neither comes back.
    ASSERT_TRUE(QDir(layout.gruppeDir + QStringLiteral("Eksempler")).removeRecursively());
    writeAllBytes(layout.gruppeFil, QByteArray());
    ASSERT_TRUE(QFile::remove(tegninger.first().filePath()));
    const QStringList foer = treeListing(root.path());
    deliveredcontent::forsyn(layout);
    EXPECT_EQ(treeListing(root.path()), foer);
}

TEST(DeliveredContent, WhatTheHostHasIsNeverOverwritten)
{
    TestRoot root;
    const DataLayout layout = DataLayout::under(root.path());
    layout.makeFolders();
    // A root copied from Windows: its own pictures and a group folder of the
    // demo group's name in other letter case, but no group list yet.
    QDir().mkpath(root.file(QStringLiteral("BILLEDER")));
    writeAllBytes(root.file(QStringLiteral("BILLEDER/Kat.png")), "egen kat");
    QDir().mkpath(root.file(QStringLiteral("Grupper/eksempler")));
    writeAllBytes(root.file(QStringLiteral("Grupper/eksempler/001 Egen.txt")), "egen\r\n");
    const QStringList billederFoer = treeListing(root.file(QStringLiteral("BILLEDER")));
    const QStringList gruppeFoer = treeListing(root.file(QStringLiteral("Grupper/eksempler")));

    deliveredcontent::forsyn(layout);
    EXPECT_EQ(treeListing(root.file(QStringLiteral("BILLEDER"))), billederFoer);
    EXPECT_EQ(treeListing(root.file(QStringLiteral("Grupper/eksempler"))), gruppeFoer);
    EXPECT_EQ(QDir(root.path()).entryList({QStringLiteral("B*")}, QDir::Dirs),
              QStringList({"BILLEDER"}));
    QStringList grupper =
        QDir(layout.gruppeDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    grupper.sort();
    EXPECT_EQ(grupper, QStringList({"Grupper.txt", "eksempler"}));

    // A root with a group list of its own gets no drawings and no demo group.
    TestRoot andenRod;
    const DataLayout anden = DataLayout::under(andenRod.path());
    anden.makeFolders();
    writeAllBytes(andenRod.file(QStringLiteral("Grupper/GRUPPER.TXT")), "Sport\r\n");
    deliveredcontent::forsyn(anden);
    EXPECT_FALSE(QFileInfo::exists(anden.billedDir));
    EXPECT_EQ(QDir(anden.gruppeDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({"GRUPPER.TXT"}));
}

} // namespace
