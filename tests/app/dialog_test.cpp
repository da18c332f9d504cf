#include "billede.h"
#include "dialoghelper.h"
#include "errors.h"
#include "infUnit.h"
#include "spmUnit.h"

#include <QFileDialog>
#include <QLabel>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace kvidrel;
using namespace dialoghelper;

namespace {

// What the host saw while the dialog was open.
struct Seen
{
    QString text;
    int height = 0;
    int width = 0;
    int labelHeight = 0;
    int pointSize = 0;
};

class DialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        infform = &notice;
        spform = &question;
    }
    void TearDown() override
    {
        infform = nullptr;
        spform = nullptr;
    }

    // Shows dialog with tekst, records what it showed and answers it.
    Seen show(MessageDialog &dialog, const QString &tekst, const Answer &answer,
              int *result = nullptr)
    {
        Seen seen;
        answerModal([&seen, answer](QWidget *shown) {
            auto *d = static_cast<MessageDialog *>(shown);
            seen.text = d->label()->text();
            seen.height = d->height();
            seen.width = d->width();
            seen.labelHeight = d->label()->height();
            seen.pointSize = d->label()->font().pointSize();
            answer(shown);
        });
        dialog.insertTekst(tekst);
        const int r = dialog.exec();
        if (result)
            *result = r;
        return seen;
    }

    Tinfform notice;
    Tspform question;
};

const Answer ok = [](QWidget *d) { clickButton(d, QStringLiteral("OK")); };

} // namespace

TEST_F(DialogTest, CaptionsAndButtons)
{
    EXPECT_EQ(notice.windowTitle(), QStringLiteral("Information"));
    EXPECT_EQ(question.windowTitle(), QStringLiteral("Spørgsmål"));
    ASSERT_TRUE(findButton(&question, QStringLiteral("Nej")));
    ASSERT_TRUE(findButton(&question, QStringLiteral("Ja")));
    EXPECT_FALSE(findButton(&question, QStringLiteral("Ja"))->icon().isNull());
    EXPECT_TRUE(notice.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(notice.minimumWidth(), 339);
    EXPECT_EQ(notice.maximumWidth(), 339);
}

TEST_F(DialogTest, HeightFollowsTheText)
{
    const Seen one = show(notice, QStringLiteral("Gemt."), ok);
    const Seen two =
        show(notice, QStringLiteral("Fejlinformation:\rDer er opstået en ukendt fejl."), ok);
    const Seen wrapped =
        show(notice,
             QStringLiteral("En lang besked uden linjeskift, som skal brydes ved dialogens bredde, "
                            "fordi den slet ikke kan stå på én linje, og som derfor gør dialogen "
                            "højere end en besked på to linjer."),
             ok);

    // After a long message a short one gets its own height back.
    const Seen again = show(notice, QStringLiteral("Gemt."), ok);

    EXPECT_EQ(two.text, QStringLiteral("Fejlinformation:\nDer er opstået en ukendt fejl."));
    EXPECT_LT(one.height, two.height);
    EXPECT_LT(two.height, wrapped.height);
    EXPECT_EQ(again.height, one.height);
    for (const Seen &seen : {one, two, wrapped, again}) {
        EXPECT_EQ(seen.width, 339);
        EXPECT_EQ(seen.height, seen.labelHeight + 80);
        EXPECT_EQ(seen.pointSize, 10);
    }
    // At rest the dialog is empty with the small font.
    EXPECT_TRUE(notice.label()->text().isEmpty());
    EXPECT_EQ(notice.label()->font().pointSize(), 8);
}

TEST_F(DialogTest, OnlyJaIsYes)
{
    int result = 0;
    show(
        question, QStringLiteral("Slet?"), [](QWidget *d) { clickButton(d, QStringLiteral("Ja")); },
        &result);
    EXPECT_EQ(result, 1);
    show(
        question, QStringLiteral("Slet?"),
        [](QWidget *d) { clickButton(d, QStringLiteral("Nej")); }, &result);
    EXPECT_EQ(result, 2);
    show(question, QStringLiteral("Slet?"), pressEscape, &result);
    EXPECT_EQ(result, 2);
    show(question, QStringLiteral("Slet?"), closeBox, &result);
    EXPECT_NE(result, 1);

    answerModal([](QWidget *d) { clickButton(d, QStringLiteral("Ja")); });
    EXPECT_TRUE(spoerg(QStringLiteral("Fortsæt?")));
    answerModal(pressEscape);
    EXPECT_FALSE(spoerg(QStringLiteral("Fortsæt?")));
    answerModal(closeBox);
    EXPECT_FALSE(spoerg(QStringLiteral("Fortsæt?")));
}

// The topmost row of the label that holds a dark pixel, in label coordinates.
static int topInk(QWidget *dialog)
{
    auto *label = static_cast<MessageDialog *>(dialog)->label();
    const QImage image = label->grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                return y;
        }
    }
    return -1;
}

TEST_F(DialogTest, AccentsOnTheFirstLineAreWhole)
{
    int plain = -1;
    int accented = -1;
    for (auto [tekst, top] : {std::pair{QStringLiteral("AEAEAE\rAE"), &plain},
                              std::pair{QStringLiteral("ÅÉÅÉÅÉ\rÅÉ"), &accented}}) {
        answerModal([top = top](QWidget *d) {
            *top = topInk(d);
            clickButton(d, QStringLiteral("OK"));
        });
        visInfo(tekst);
    }
    // The ring and the accent stand above the capitals, inside the label.
    EXPECT_GT(accented, 0);
    EXPECT_LT(accented, plain - 1);
}

TEST_F(DialogTest, EnterGivesTheAnswerThatDestroysNothing)
{
    const Answer enter = [](QWidget *d) { QTest::keyClick(d, Qt::Key_Return); };
    answerModal(enter);
    EXPECT_FALSE(spoerg(QStringLiteral("Skal gruppen A\rslettes?")));
    answerModal(enter);
    EXPECT_TRUE(
        spoerg(QStringLiteral("\rSkal spillet fortsætte med de opnåede point?"), Standardsvar::Ja));
    answerModal(enter);
    EXPECT_FALSE(spoerg(QStringLiteral("Skal gruppen B\rslettes?")));
}

TEST_F(DialogTest, SecondUseShowsOnlyTheSecondMessage)
{
    show(question, QStringLiteral("Første besked"), pressEscape);
    const Seen second = show(question, QStringLiteral("Anden"), pressEscape);
    EXPECT_EQ(second.text, QStringLiteral("Anden"));

    QString seen;
    answerModal([&seen](QWidget *d) {
        seen = static_cast<Tinfform *>(d)->label()->text();
        clickButton(d, QStringLiteral("OK"));
    });
    visInfo(QStringLiteral("<b>Oplysning</b> & mere"));
    EXPECT_EQ(seen, QStringLiteral("<b>Oplysning</b> & mere")); // shown as typed
}

TEST(DialogWithoutWindows, NoticeFallsBackToTheDefaultError)
{
    QStringList errors;
    setErrorSink([&errors](const QString &m) { errors << m; });
    ASSERT_EQ(infform, nullptr);
    visInfo(QStringLiteral("Besked"));
    EXPECT_EQ(errors, QStringList{QStringLiteral("Besked")});
    EXPECT_FALSE(spoerg(QStringLiteral("Ja?")));
    setErrorSink({});
}

// Qt's own dialogs speak Danish like the rest of the program.
TEST(QtDialogs, TheFileDialogIsInDanish)
{
    QFileDialog dialog(nullptr, QStringLiteral("Åbn billede"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.show();
    QStringList texts;
    for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>())
        texts << button->text().remove(u'&');
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        texts << label->text().remove(u'&');
    EXPECT_TRUE(texts.contains(QStringLiteral("Annuller"))) << texts.join(u'|').toStdString();
    EXPECT_FALSE(texts.contains(QStringLiteral("Cancel")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Look in:")));
    gemBillede(&dialog, QStringLiteral("fildialog"));
}

// A notice no test arranged an answer for fails the test with its text instead
// of blocking the whole run.
TEST(DialogHelper, AStrayNoticeFailsTheTestWithItsText)
{
    infform = new Tinfform;
    EXPECT_NONFATAL_FAILURE(visInfo(QStringLiteral("Uventet besked")), "Uventet besked");
    delete infform;
    infform = nullptr;
}
