#include "action.h"
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
    EXPECT_EQ(w->designBox->currentText(), QStringLiteral("Sky"));
    EXPECT_EQ(w->designBox->count(), 7);
    EXPECT_EQ(w->designBox->maxVisibleItems(), 7);
    for (QLineEdit *edit : {w->minEdit, w->LowEdit})
        EXPECT_EQ(edit->text(), QStringLiteral("10"));
    for (QLineEdit *edit : {w->maxEdit, w->HighEdit})
        EXPECT_EQ(edit->text(), QStringLiteral("100"));
    w->GemPoint->Update();
    EXPECT_FALSE(w->GemPoint->Enabled());
    EXPECT_FALSE(w->godkendKnap->isEnabled());
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
        w->minEdit->setText(QString::fromLatin1(c.low));
        w->maxEdit->setText(QString::fromLatin1(c.high));
        w->GemPoint->Update();
        ASSERT_TRUE(w->GemPoint->Enabled());

        w->GemPoint->Execute();

        EXPECT_EQ(w->minEdit->text(), QString::fromLatin1(c.lowAfter));
        EXPECT_EQ(w->maxEdit->text(), QString::fromLatin1(c.highAfter));
        EXPECT_EQ(w->LowEdit->text(), QString::fromLatin1(c.lowAfter));
        EXPECT_EQ(w->HighEdit->text(), QString::fromLatin1(c.highAfter));
        EXPECT_EQ(readAllBytes(optionsFile()), optionsBytes("Sky", c.lowAfter, c.highAfter));
        w->GemPoint->Update();
        EXPECT_FALSE(w->GemPoint->Enabled());
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ShellTest, GemWithAnEmptyFieldReportsAndChangesNothing)
{
    Tmainform *w = start();
    w->minEdit->setText(QStringLiteral("30"));
    w->maxEdit->clear();
    w->GemPoint->Execute();

    EXPECT_EQ(errors.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(optionsFile()));
    EXPECT_EQ(w->minPoint, 10);
    EXPECT_EQ(w->maxPoint, 100);
    EXPECT_EQ(w->LowEdit->text(), QStringLiteral("10"));
    EXPECT_TRUE(w->editModified);
}

TEST_F(ShellTest, PointKontrolChecksTheWorkingRangeWithoutSaving)
{
    Tmainform *w = start();
    QTest::keyClicks(w->LowEdit, QStringLiteral("5")); // "105"
    w->HighEdit->setText(QStringLiteral("200"));
    w->pointKontrol();
    EXPECT_EQ(w->minPoint, 100);
    EXPECT_EQ(w->maxPoint, 100);
    EXPECT_EQ(w->LowEdit->text(), QStringLiteral("100"));
    EXPECT_EQ(w->HighEdit->text(), QStringLiteral("100"));
    EXPECT_FALSE(w->editModified); // the working range is not the saved one
    EXPECT_FALSE(QFileInfo::exists(optionsFile()));

    w->HighEdit->clear();
    EXPECT_THROW(w->pointKontrol(), RangeError);
    EXPECT_EQ(w->minPoint, 100);
}

TEST_F(ShellTest, PointFieldsTakeAtMostThreeDigits)
{
    Tmainform *w = start();
    w->maxEdit->clear();
    QTest::keyClicks(w->maxEdit, QStringLiteral("1x2-345"));
    EXPECT_EQ(w->maxEdit->text(), QStringLiteral("123"));
}

TEST_F(ShellTest, OptionsFileIsLoadedWithoutCorrection)
{
    QDir().mkpath(root.file(QStringLiteral("Egenskaber")));
    writeAllBytes(optionsFile(), optionsBytes("Sky", "500", "3"));
    Tmainform *w = start();

    EXPECT_EQ(w->minPoint, 500);
    EXPECT_EQ(w->maxPoint, 3);
    EXPECT_EQ(w->minEdit->text(), QStringLiteral("500"));
    EXPECT_EQ(w->maxEdit->text(), QStringLiteral("3"));
    EXPECT_EQ(w->LowEdit->text(), QStringLiteral("500"));
    EXPECT_EQ(w->HighEdit->text(), QStringLiteral("3"));
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
        EXPECT_EQ(w->designBox->currentText(), QStringLiteral("Sky"));
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
    EXPECT_EQ(w->designBox->currentIndex(), -1);
    EXPECT_EQ(w->designName, QStringLiteral("Lilla Drøm"));
    EXPECT_EQ(w->maxPoint, 90);
}

TEST_F(ShellTest, ChoosingAStyleAppliesAndSavesItAtOnce)
{
    Tmainform *w = start();
    w->LowEdit->setText(QStringLiteral("40")); // the working range reaches the file
    w->pointKontrol();                         // through a draw
    const int index = w->designBox->findText(QStringLiteral("Smokey Quartz Kamri"));
    ASSERT_GE(index, 0);
    w->designBox->setCurrentIndex(index);
    emit w->designBox->activated(index); // as the host's choice

    EXPECT_EQ(stylemanager::ActiveStyleName(), QStringLiteral("Smokey Quartz Kamri"));
    EXPECT_EQ(w->designName, QStringLiteral("Smokey Quartz Kamri"));
    EXPECT_EQ(readAllBytes(optionsFile()), optionsBytes("Smokey Quartz Kamri", "40", "100"));
}
