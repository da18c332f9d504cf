#include "skriver.h"
#include "testroot.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <gtest/gtest.h>

using namespace kvidrel;

namespace {

// The bytes our writers give for round k, written afresh elsewhere.
QByteArray registerBytes(int k, const QString &ref)
{
    SaveDeltagerRecord(registerFil(ref), deltagereNr(k));
    return readAllBytes(registerFil(ref));
}

QByteArray spmBytes(int k, const QString &mappe, const QString &ref)
{
    writeLines(spmFil(ref), spmLinjer(spmNr(k, spmFil(mappe))));
    return readAllBytes(spmFil(ref));
}

} // namespace

// A writer killed at any moment leaves each file whole: the last round saved
// or the one being saved, byte for byte, never a mix or a cut.
TEST(Drab, GemteFilerErHeleEfterSigkill)
{
    TestRoot root;
    const QString mappe = root.path();
    const QString ref = root.tempPath() + QStringLiteral("/ref");
    ASSERT_TRUE(QDir().mkpath(mappe + QStringLiteral("/Grupper/Sport")));
    ASSERT_TRUE(QDir().mkpath(ref + QStringLiteral("/Grupper/Sport")));

    auto *tilfaeldig = QRandomGenerator::global();
    int sidsteRegister = -1;
    int sidsteSpm = -1;
    for (int gang = 0; gang < 200; ++gang) {
        QProcess skriver;
        skriver.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--skriver"), mappe});
        ASSERT_TRUE(skriver.waitForStarted(10000));
        ASSERT_TRUE(skriver.waitForReadyRead(20000)) << "writer never saved";
        QThread::usleep(tilfaeldig->bounded(15000));
        skriver.kill(); // SIGKILL
        ASSERT_TRUE(skriver.waitForFinished(10000));

        const QByteArray reg = readAllBytes(registerFil(mappe));
        const QByteArray spm = readAllBytes(spmFil(mappe));
        const int kReg = rundeAfRegister(reg);
        const int kSpm = rundeAfSpm(spm);
        ASSERT_GE(kReg, sidsteRegister) << "round " << gang;
        ASSERT_GE(kSpm, sidsteSpm) << "round " << gang;
        ASSERT_EQ(reg, registerBytes(kReg, ref)) << "register cut in round " << gang;
        ASSERT_EQ(spm, spmBytes(kSpm, mappe, ref)) << "question file cut in round " << gang;
        // The question is saved after the register in each round.
        ASSERT_TRUE(kSpm == kReg || kSpm == kReg - 1) << kReg << " " << kSpm;
        sidsteRegister = kReg;
        sidsteSpm = kSpm;
    }
}
