#include "action.h"
#include "kontrol.h"
#include "options.h"
#include "shellfixture.h"
#include "stylemanager.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest/QTest>

using namespace kvidrel;

namespace {

struct RangeCase
{
    const char *low;
    const char *high;
    const char *lowAfter;
    const char *highAfter;
};

QByteArray optionsBytes(const char *design, const char *low, const char *high)
{
    return QByteArray(design) + "\r\n" + low + "\r\n" + high + "\r\n";
}

} // namespace

TEST_F(ShellTest, DefaultsWithoutOptionsFile)
{
    Tmainform *w = start();
    EXPECT_EQ(kontrol<QComboBox>(w, "designBox")->currentText(), QStringLiteral("Sky"));
    EXPECT_EQ(kontrol<QComboBox>(w, "designBox")->count(), 7);
    EXPECT_EQ(kontrol<QComboBox>(w, "designBox")->maxVisibleItems(), 7);
    for (QLineEdit *edit : {kontrol<QLineEdit>(w, "minEdit"), kontrol<QLineEdit>(w, "LowEdit")})
        EXPECT_EQ(edit->text(), QStringLiteral("10"));
    for (QLineEdit *edit : {kontrol<QLineEdit>(w, "maxEdit"), kontrol<QLineEdit>(w, "HighEdit")})
        EXPECT_EQ(edit->text(), QStringLiteral("100"));
    kontrol<Action>(w, "GemPoint")->Update();
    EXPECT_FALSE(kontrol<Action>(w, "GemPoint")->Enabled());
    EXPECT_FALSE(kontrol<QToolButton>(w, "godkendKnap")->isEnabled());
}

TEST_F(ShellTest, GemAppliesTheRangeRuleAndSaves)
{
    const RangeCase cases[] = {
        {"150", "200", "100", "100"}, {"50", "0", "0", "0"},      {"60", "40", "60", "60"},
        {"0", "50", "0", "50"},       {"20", "300", "20", "100"}, {"100", "100", "100", "100"},
        {"5", "5", "5", "5"},
    };
    Tmainform *w = start();
    for (const RangeCase &c : cases) {
        SCOPED_TRACE(std::string(c.low) + " " + c.high);
        QFile::remove(optionsFile());
        kontrol<QLineEdit>(w, "minEdit")->setText(QString::fromLatin1(c.low));
        kontrol<QLineEdit>(w, "maxEdit")->setText(QString::fromLatin1(c.high));
        kontrol<Action>(w, "GemPoint")->Update();
        ASSERT_TRUE(kontrol<Action>(w, "GemPoint")->Enabled());

        kontrol<Action>(w, "GemPoint")->Execute();

        EXPECT_EQ(kontrol<QLineEdit>(w, "minEdit")->text(), QString::fromLatin1(c.lowAfter));
        EXPECT_EQ(kontrol<QLineEdit>(w, "maxEdit")->text(), QString::fromLatin1(c.highAfter));
        EXPECT_EQ(kontrol<QLineEdit>(w, "LowEdit")->text(), QString::fromLatin1(c.lowAfter));
        EXPECT_EQ(kontrol<QLineEdit>(w, "HighEdit")->text(), QString::fromLatin1(c.highAfter));
        EXPECT_EQ(readAllBytes(optionsFile()), optionsBytes("Sky", c.lowAfter, c.highAfter));
        kontrol<Action>(w, "GemPoint")->Update();
        EXPECT_FALSE(kontrol<Action>(w, "GemPoint")->Enabled());
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ShellTest, GemWithAnEmptyFieldReportsAndChangesNothing)
{
    Tmainform *w = start();
    kontrol<QLineEdit>(w, "minEdit")->setText(QStringLiteral("30"));
    kontrol<QLineEdit>(w, "maxEdit")->clear();
    kontrol<Action>(w, "GemPoint")->Execute();

    EXPECT_EQ(errors.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(optionsFile()));
    EXPECT_EQ(w->minPoint, 10);
    EXPECT_EQ(w->maxPoint, 100);
    EXPECT_EQ(kontrol<QLineEdit>(w, "LowEdit")->text(), QStringLiteral("10"));
    EXPECT_TRUE(w->editModified);
}

TEST_F(ShellTest, PointKontrolChecksTheWorkingRangeWithoutSaving)
{
    Tmainform *w = start();
    QTest::keyClicks(kontrol<QLineEdit>(w, "LowEdit"), QStringLiteral("5")); // "105"
    kontrol<QLineEdit>(w, "HighEdit")->setText(QStringLiteral("200"));
    w->pointKontrol();
    EXPECT_EQ(w->minPoint, 100);
    EXPECT_EQ(w->maxPoint, 100);
    EXPECT_EQ(kontrol<QLineEdit>(w, "LowEdit")->text(), QStringLiteral("100"));
    EXPECT_EQ(kontrol<QLineEdit>(w, "HighEdit")->text(), QStringLiteral("100"));
    EXPECT_FALSE(w->editModified); // the working range is not the saved one
    EXPECT_FALSE(QFileInfo::exists(optionsFile()));

    kontrol<QLineEdit>(w, "HighEdit")->clear();
    EXPECT_THROW(w->pointKontrol(), RangeError);
    EXPECT_EQ(w->minPoint, 100);
}

TEST_F(ShellTest, PointFieldsTakeAtMostThreeDigits)
{
    Tmainform *w = start();
    kontrol<QLineEdit>(w, "maxEdit")->clear();
    QTest::keyClicks(kontrol<QLineEdit>(w, "maxEdit"), QStringLiteral("1x2-345"));
    EXPECT_EQ(kontrol<QLineEdit>(w, "maxEdit")->text(), QStringLiteral("123"));
}

TEST_F(ShellTest, OptionsFileIsLoadedWithoutCorrection)
{
    QDir().mkpath(root.file(QStringLiteral("Egenskaber")));
    writeAllBytes(optionsFile(), optionsBytes("Sky", "500", "3"));
    Tmainform *w = start();

    EXPECT_EQ(w->minPoint, 500);
    EXPECT_EQ(w->maxPoint, 3);
    EXPECT_EQ(kontrol<QLineEdit>(w, "minEdit")->text(), QStringLiteral("500"));
    EXPECT_EQ(kontrol<QLineEdit>(w, "maxEdit")->text(), QStringLiteral("3"));
    EXPECT_EQ(kontrol<QLineEdit>(w, "LowEdit")->text(), QStringLiteral("500"));
    EXPECT_EQ(kontrol<QLineEdit>(w, "HighEdit")->text(), QStringLiteral("3"));
    EXPECT_FALSE(w->editModified);

    // The first draw brings the working range into bounds.
    w->pointKontrol();
    EXPECT_EQ(w->minPoint, 100);
    EXPECT_EQ(w->maxPoint, 100);
}

TEST_F(ShellTest, MalformedOptionsFileGivesAllDefaults)
{
    QDir().mkpath(root.file(QStringLiteral("Egenskaber")));
    for (const QByteArray &bytes :
         {QByteArray("Windows10\r\n20\r\n"), QByteArray("Windows10\r\n20\r\nmange\r\n")}) {
        writeAllBytes(optionsFile(), bytes);
        Tmainform *w = start();
        EXPECT_EQ(w->designName, QStringLiteral("Sky"));
        EXPECT_EQ(kontrol<QComboBox>(w, "designBox")->currentText(), QStringLiteral("Sky"));
        EXPECT_EQ(w->minPoint, 10);
        EXPECT_EQ(w->maxPoint, 100);
        EXPECT_EQ(stylemanager::ActiveStyleName(), QStringLiteral("Sky"));
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ShellTest, UnknownStyleIsReportedAndNothingIsSelected)
{
    stylemanager::TrySetStyle(QStringLiteral("Iceberg Classico"));
    QDir().mkpath(root.file(QStringLiteral("Egenskaber")));
    writeAllBytes(optionsFile(), optionsBytes("Lilla Dr\xF8m", "10", "90")); // ANSI
    Tmainform *w = start();

    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("Lilla Drøm")));
    EXPECT_EQ(stylemanager::ActiveStyleName(), QStringLiteral("Iceberg Classico"));
    EXPECT_EQ(kontrol<QComboBox>(w, "designBox")->currentIndex(), -1);
    EXPECT_EQ(w->designName, QStringLiteral("Lilla Drøm"));
    EXPECT_EQ(w->maxPoint, 90);
}

TEST_F(ShellTest, ChoosingAStyleAppliesAndSavesItAtOnce)
{
    Tmainform *w = start();
    kontrol<QLineEdit>(w, "LowEdit")
        ->setText(QStringLiteral("40")); // the working range reaches the file
    w->pointKontrol();                   // through a draw
    const int index =
        kontrol<QComboBox>(w, "designBox")->findText(QStringLiteral("Smokey Quartz Kamri"));
    ASSERT_GE(index, 0);
    kontrol<QComboBox>(w, "designBox")->setCurrentIndex(index);
    emit kontrol<QComboBox>(w, "designBox")->activated(index); // as the host's choice

    EXPECT_EQ(stylemanager::ActiveStyleName(), QStringLiteral("Smokey Quartz Kamri"));
    EXPECT_EQ(w->designName, QStringLiteral("Smokey Quartz Kamri"));
    EXPECT_EQ(readAllBytes(optionsFile()), optionsBytes("Smokey Quartz Kamri", "40", "100"));
}
