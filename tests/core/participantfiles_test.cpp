#include "dataroot.h"
#include "participantfiles.h"
#include "testroot.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace kvidrel;

namespace {

struct Mappe
{
    TestRoot root;
    QString dir;
    QString kilde;

    Mappe()
    {
        dir = QDir::toNativeSeparators(root.file("Deltagere"));
        QDir().mkpath(dir);
        kilde = root.tempPath() + "/y.png";
        writeAllBytes(kilde, "PNG-bytes");
        writeAllBytes(joinPath(dir, "Deltagere.txt"), "register");
    }
    QString sti(const QString &navn) const { return joinPath(dir, navn); }
};

TDel del(std::initializer_list<std::pair<const char *, QString>> entries)
{
    TDel result;
    for (const auto &[navn, fil] : entries)
        result.append(Deltagere{QString::fromUtf8(navn), fil, true, 0});
    return result;
}

} // namespace

TEST(ParticipantNames, OnlyAToZIgnoreCase)
{
    EXPECT_TRUE(sammeNavnAZ("Anna Berg", "aNNA bERG"));
    EXPECT_FALSE(sammeNavnAZ("Åse", "åse"));
    EXPECT_FALSE(sammeNavnAZ("Ærø", "ærø"));
    EXPECT_FALSE(sammeNavnAZ("Anna", "Anna "));
}

// The register keeps its own rules: maxIndex follows the size, and Index (the
// entry on the edit page) stays on its entry through moves and deletions.
TEST(ParticipantRegister, AddRemoveMoveAndFindKeepTheRegisterWhole)
{
    DeltagerRegister reg;
    for (const Deltagere &d : del({{"Ole", ""}, {"Åse", ""}, {"Bo", ""}, {"Eva", ""}}))
        reg.tilfoej(d);
    EXPECT_EQ(reg.maxIndex, 3);
    EXPECT_EQ(reg.find("OLE"), 0);
    EXPECT_EQ(reg.find("ÅSE"), 1);
    EXPECT_EQ(reg.find("åse"), -1); // only a to z ignore case

    reg.Index = 1; // Åse on the edit page
    EXPECT_TRUE(reg.flyt(1, 2));
    EXPECT_EQ(reg.Index, 2);
    EXPECT_EQ(reg.Del.at(reg.Index).Navn, "Åse");
    EXPECT_TRUE(reg.flyt(3, 2)); // Eva moves up past her
    EXPECT_EQ(reg.Del.at(reg.Index).Navn, "Åse");
    EXPECT_FALSE(reg.flyt(3, 4));

    EXPECT_TRUE(reg.fjern(0)); // an entry before her
    EXPECT_EQ(reg.Del.at(reg.Index).Navn, "Åse");
    EXPECT_EQ(reg.maxIndex + 1, reg.Del.size());
    EXPECT_TRUE(reg.fjern(reg.Index));
    EXPECT_EQ(reg.Index, -1);
    EXPECT_FALSE(reg.fjern(5));
    EXPECT_EQ(reg.maxIndex, 1);
}

TEST(ParticipantPictures, NamedAfterTheParticipantWithThePickedExtension)
{
    Mappe m;
    EXPECT_EQ(billedSti(m.dir, "X", m.kilde, {}, -1), m.sti("X.png"));
    EXPECT_EQ(billedSti(m.dir, "X", m.root.tempPath() + "/uden", {}, -1), m.sti("X"));
    EXPECT_EQ(billedSti(m.dir, "Åse Ø", m.kilde, {}, -1), m.sti("Åse Ø.png"));
    // A name the file system refuses gives a sanitised file name, never a path.
    EXPECT_EQ(billedSti(m.dir, "a/b", m.kilde, {}, -1), m.sti("a_b.png"));
    EXPECT_EQ(billedSti(m.dir, "a\\b", m.kilde, {}, -1), m.sti("a_b.png"));
    EXPECT_EQ(billedSti(m.dir, "con:x", m.kilde, {}, -1), m.sti("con_x.png"));
    for (const QString &navn :
         {QString(".."), QString("."), QString("../../ud"), QString(300, u'n')}) {
        const QString sti = billedSti(m.dir, navn, m.kilde, {}, -1);
        const QString filnavn = QFileInfo(sti).fileName();
        EXPECT_EQ(QFileInfo(sti).path(), QDir::fromNativeSeparators(m.dir)) << sti.toStdString();
        EXPECT_TRUE(filnavn.endsWith(".png")) << sti.toStdString();
        EXPECT_LE(filnavn.toUtf8().size(), 255); // one name on the file system
    }
}

TEST(ParticipantPictures, NeverTakesAnotherEntrysPictureOrTheRegister)
{
    Mappe m;
    // Ole was renamed to X earlier; the old picture X.png belongs to entry 0.
    TDel d = del({{"Ole", m.sti("x.PNG")}, {"X", m.sti("X (2).png")}, {"Y", ""}});
    EXPECT_EQ(billedSti(m.dir, "X", m.kilde, d, 2), m.sti("X (3).png"));
    // Its own picture may be replaced.
    EXPECT_EQ(billedSti(m.dir, "X", m.kilde, d, 0), m.sti("X.png"));
    writeAllBytes(m.root.tempPath() + "/r.txt", "t");
    EXPECT_EQ(billedSti(m.dir, "Deltagere", m.root.tempPath() + "/r.txt", {}, -1),
              m.sti("Deltagere (2).txt"));
    QDir().mkdir(m.sti("Mappe.png"));
    EXPECT_EQ(billedSti(m.dir, "Mappe", m.kilde, {}, -1), m.sti("Mappe (2).png"));
}

TEST(ParticipantPictures, CopyReplacesOnlyInsideTheFolder)
{
    Mappe m;
    writeAllBytes(m.sti("X.png"), "old");
    kopierBillede(m.kilde, m.sti("X.png"), m.dir);
    EXPECT_EQ(readAllBytes(m.sti("X.png")), "PNG-bytes");
    // Onto itself: the file stays as it is.
    kopierBillede(m.sti("X.png"), m.sti("X.png"), m.dir);
    EXPECT_EQ(readAllBytes(m.sti("X.png")), "PNG-bytes");

    const QStringList foer = treeListing(m.root.tempPath());
    EXPECT_THROW(kopierBillede(m.kilde, m.root.tempPath() + "/ud.png", m.dir), FileError);
    EXPECT_THROW(kopierBillede(m.kilde, m.sti("../ud.png"), m.dir), FileError);
    EXPECT_THROW(kopierBillede(m.kilde, m.sti("Deltagere.txt"), m.dir), FileError);
    // A source that cannot be read leaves the target as it was.
    EXPECT_THROW(kopierBillede(m.root.tempPath() + "/mangler.png", m.sti("X.png"), m.dir),
                 FileError);
    EXPECT_EQ(treeListing(m.root.tempPath()), foer);
}

TEST(ParticipantPictures, DeletesOnlyAFreePictureInTheFolder)
{
    Mappe m;
    writeAllBytes(m.sti("A.png"), "a");
    writeAllBytes(m.sti("Delt.png"), "d");
    QDir().mkdir(m.sti("sub"));
    writeAllBytes(m.sti("sub/S.png"), "s");
    const QString ude = m.root.tempPath() + "/ude.png";
    writeAllBytes(ude, "u");
    const TDel d = del({{"A", m.sti("A.png")},
                        {"B", m.sti("Delt.png")},
                        {"C", m.sti("delt.png")},
                        {"D", ude},
                        {"E", m.sti("Deltagere.txt")},
                        {"F", m.sti("sub/S.png")}});

    EXPECT_FALSE(sletBilledeHvisFrit(m.sti("Delt.png"), m.dir, d, 1)); // C names it too
    EXPECT_FALSE(sletBilledeHvisFrit(ude, m.dir, d, 3));
    EXPECT_FALSE(sletBilledeHvisFrit(m.sti("Deltagere.txt"), m.dir, d, 4));
    EXPECT_FALSE(sletBilledeHvisFrit(m.sti("sub/S.png"), m.dir, d, 5));
    EXPECT_FALSE(sletBilledeHvisFrit(m.sti("sub"), m.dir, d, -1));
    EXPECT_FALSE(sletBilledeHvisFrit(m.sti("../Deltagere"), m.dir, d, -1));
    EXPECT_TRUE(QFile::exists(m.sti("Delt.png")));
    EXPECT_TRUE(QFile::exists(ude));
    EXPECT_TRUE(QFile::exists(m.sti("Deltagere.txt")));
    EXPECT_TRUE(QFile::exists(m.sti("sub/S.png")));

    EXPECT_TRUE(billedeKanSlettes(m.sti("A.png"), m.dir, d, 0));
    EXPECT_TRUE(sletBilledeHvisFrit(m.sti("A.png"), m.dir, d, 0));
    EXPECT_FALSE(QFile::exists(m.sti("A.png")));
    EXPECT_FALSE(sletBilledeHvisFrit(m.sti("A.png"), m.dir, d, 0)); // already gone
}
