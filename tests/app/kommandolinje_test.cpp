// The program's command line, run as the host runs it: no display, the data
// root from KVIDREL_ROOT.

#include "questionbank.h"
#include "testroot.h"
#include "textfile.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace kvidrel;

namespace {

struct Koersel
{
    int kode = -1;
    QString ud;
    QString fejl;
};

class Kommandolinje : public ::testing::Test
{
protected:
    Koersel kvidrel(const QStringList &argumenter)
    {
        QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
        for (const char *navn : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            miljoe.remove(QString::fromLatin1(navn));
        QProcess program;
        program.setProcessEnvironment(miljoe);
        program.setWorkingDirectory(root.tempPath());
        program.start(QStringLiteral(KVIDREL_PROGRAM), argumenter);
        if (!program.waitForFinished(60000))
            ADD_FAILURE() << "kvidrel did not finish";
        return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
                QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }
    QString fil(const QString &navn, const QByteArray &bytes)
    {
        writeAllBytes(root.tempPath() + "/" + navn, bytes);
        return navn;
    }
    qsizetype antal(const QString &gruppe) const
    {
        return LoadSpmListen(root.path() + "/Grupper/", gruppe).Spm.size();
    }

    TestRoot root;
};

} // namespace

TEST_F(Kommandolinje, ImportsAndExportsWithoutAWindow)
{
    const QByteArray hoved = "Spørgsmål;Svar A;Svar B;Svar C;Svar D;Rigtigt svar;Point\r\n";
    fil("quiz.csv", hoved + "Et?;a;b;c;d;A;\r\nTo?;a;b;c;d;2;30\r\nTre?;a;;c;d;C;\r\n");
    Koersel k = kvidrel({"--import", "quiz.csv", "--group", "Sport"});
    EXPECT_EQ(k.kode, 0) << k.fejl.toStdString();
    EXPECT_EQ(k.ud, "Der er indført 2 spørgsmål i gruppen \"Sport\". Gruppen er ny.\n");
    EXPECT_EQ(k.fejl, "Række 4: Der mangler et svar B.\n");
    EXPECT_EQ(antal("Sport"), 2);
    // A fresh data root gets its demo group before the list is written.
    EXPECT_EQ(readLineList(root.file("Grupper/Grupper.txt")), QStringList({"Eksempler", "Sport"}));

    k = kvidrel({"--export", "Sport", "ud.csv"});
    EXPECT_EQ(k.kode, 0) << k.fejl.toStdString();
    EXPECT_EQ(k.ud, "2 spørgsmål fra gruppen \"Sport\" er eksporteret.\n");
    // Without --group the file names a new group.
    k = kvidrel({"--import=ud.csv"});
    EXPECT_EQ(k.kode, 0) << k.fejl.toStdString();
    EXPECT_EQ(antal("ud"), 2);

    // Nothing done: a non-zero exit and why.
    fil("tom.csv", "");
    k = kvidrel({"--import", "tom.csv", "--group", "Tom"});
    EXPECT_EQ(k.kode, 1);
    EXPECT_EQ(k.fejl, "Der er ikke indført nogen spørgsmål.\nFilen er tom.\n");
    EXPECT_FALSE(QFileInfo::exists(root.file("Grupper/Tom")));
    k = kvidrel({"--export", "Findes ikke", "x.csv"});
    EXPECT_EQ(k.kode, 1);
    EXPECT_FALSE(QFileInfo::exists(root.tempPath() + "/x.csv"));
    EXPECT_EQ(kvidrel({"--import", "quiz.csv", "--export", "Sport", "x.csv"}).kode, 2);
    EXPECT_EQ(kvidrel({"--group", "Sport"}).kode, 2);

    k = kvidrel({"--help"});
    EXPECT_EQ(k.kode, 0);
    for (const char *tilvalg : {"--import <fil>", "--group <navn>", "--export <navn>"})
        EXPECT_TRUE(k.ud.contains(QString::fromLatin1(tilvalg))) << k.ud.toStdString();
}
