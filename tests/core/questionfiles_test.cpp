#include "dataroot.h"
#include "questionfiles.h"
#include "testroot.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace kvidrel;

TEST(QuestionFiles, AFreeNameStaysAUsableFileName)
{
    TestRoot root;
    QDir().mkpath(root.path());
    const QString stem = "003 " + QString(300, u'n');
    int asked = 0;
    // The first candidates are taken: the number must still fit the limit.
    const QString path =
        ledigtNavn(root.path(), stem, ".txt", [&asked](const QString &) { return ++asked == 3; });
    const QString name = path.mid(root.path().size() + 1);
    EXPECT_TRUE(name.endsWith(" (3).txt")) << name.toStdString();
    EXPECT_TRUE(isSafeFileName(name.chopped(4)));
    EXPECT_TRUE(name.startsWith("003 nnn"));
    EXPECT_THROW(ledigtNavn(root.path(), "a", ".txt", [](const QString &) { return false; }),
                 FileError);
}

TEST(QuestionFiles, SafeguardPutsBackWhatAChangeWrote)
{
    TestRoot root;
    QDir().mkpath(root.path());
    const QString old = root.file("gammel.txt");
    const QString made = root.file("ny.txt");
    writeAllBytes(old, "før");
    FilSikring sikring;
    sikring.husk(old);
    sikring.husk(made);
    writeAllBytes(old, "efter");
    writeAllBytes(made, "ny");
    sikring.gendan();
    EXPECT_EQ(readAllBytes(old), QByteArray("før"));
    EXPECT_FALSE(QFile::exists(made));
}
