#include "canvas.h"
#include "feltbit.h"
#include "feltproeve.h"
#include "imagelist.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

using namespace kvidrel;
using namespace feltproeve;

namespace {

QRgb colourOf(int i)
{
    return qRgb(20 * i + 10, 100, 200);
}

// A list of n solid images, image i in colourOf(i).
std::unique_ptr<TImageList> solidList(int n, int w = 10, int h = 10)
{
    auto list = std::make_unique<TImageList>(w, h);
    for (int i = 0; i < n; ++i) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colourOf(i));
        list->Add(image);
    }
    return list;
}

// The smallest rectangle holding every pixel of colour c; empty when there is none.
QRect bounds(const QImage &image, QRgb c)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == c)
                r |= QRect(x, y, 1, 1);
    return r;
}

class FeltBitDraw : public ::testing::Test
{
protected:
    FeltBitDraw() : image(60, 60, QImage::Format_RGB32) { image.fill(White); }

    bool put(std::int32_t nr, TRect cell, TFeltSit sit)
    {
        TCanvas canvas(&image);
        return bit.PutBitmapListe(nr, canvas, cell, sit);
    }

    QImage image;
    TFeltBit bit;
};

} // namespace

TEST(BilledIndex, EverySchemeAndState)
{
    // N = 3, S = 100, A = 10, T = 2: each term shows in its own digit.
    const TBilledValg valg{100, 10, 2, false};
    struct Row
    {
        TBitType type;
        std::array<std::int64_t, 5> expected; // sNormal to sInaktiv
    };
    const Row rows[] = {
        {btSimpel, {102, 102, 102, 102, 102}},     {btDual, {100, 101, 101, 101, 100}},
        {btTrio, {100, 102, 101, 102, 3}},         {btUnikTrio, {3, 123, 113, 123, 3}},
        {btUnikSimpel, {123, 123, 123, 123, 123}}, {btUnikDual, {3, 113, 113, 113, 3}},
        {btAniOver, {3, 113, 125, 113, 3}},
    };
    for (const Row &row : rows) {
        for (TFeltSit sit = sNormal; sit <= sInaktiv; ++sit)
            EXPECT_EQ(BilledIndex(row.type, 3, sit, valg), row.expected[sit])
                << "scheme " << int(row.type) << " state " << int(sit);
        // Unknown states share the inactive column.
        EXPECT_EQ(BilledIndex(row.type, 3, 7, valg), row.expected[sInaktiv]);
    }
    for (TFeltSit sit = sNormal; sit <= sInaktiv + 1; ++sit)
        EXPECT_FALSE(BilledIndex(btIngen, 3, sit, valg).has_value());

    // Only the mouse-over state of btUnikTrio follows the animation.
    const TBilledValg animeret{100, 10, 2, true};
    EXPECT_EQ(BilledIndex(btUnikTrio, 3, sOver, animeret), 135);
    EXPECT_EQ(BilledIndex(btUnikTrio, 3, sAktiv, animeret), 123);
    EXPECT_EQ(BilledIndex(btAniOver, 3, sOver, animeret), 125);
}

TEST(BilledIndex, SharedAndPerEntryExamples)
{
    const TBilledValg trio{5, 0, 0, false};
    EXPECT_EQ(BilledIndex(btTrio, 9, sNormal, trio), 5);
    EXPECT_EQ(BilledIndex(btTrio, 9, sAktiv, trio), 7);
    EXPECT_EQ(BilledIndex(btTrio, 9, sOver, trio), 6);
    EXPECT_EQ(BilledIndex(btTrio, 9, sOverAktiv, trio), 7);
    EXPECT_EQ(BilledIndex(btTrio, 9, sInaktiv, trio), 9);

    const TBilledValg dual{0, 4, 0, false};
    EXPECT_EQ(BilledIndex(btUnikDual, 2, sNormal, dual), 2);
    EXPECT_EQ(BilledIndex(btUnikDual, 2, sAktiv, dual), 6);
    EXPECT_EQ(BilledIndex(btUnikDual, 2, sOver, dual), 6);

    // Large counts do not wrap round into a small, valid-looking index.
    const TBilledValg big{0, 0x7FFFFFFF, 0, false};
    EXPECT_EQ(BilledIndex(btUnikTrio, 1, sAktiv, big), 2 * std::int64_t(0x7FFFFFFF) + 1);
}

TEST(PicRules, ScaleShrinksKeepingProportionsHalvesToEven)
{
    EXPECT_EQ(ScalePic(Rect(0, 0, 40, 40), 100, 50, false), Rect(0, 0, 40, 20));
    EXPECT_EQ(ScalePic(Rect(0, 0, 40, 40), 100, 50, true), Rect(0, 10, 40, 30));
    EXPECT_EQ(ScalePic(Rect(5, 5, 45, 45), 50, 100, true), Rect(15, 5, 35, 45));
    // Factor 1/2: 2.5 rounds to 2, 3.5 to 4, 1.5 to 2.
    EXPECT_EQ(ScalePic(Rect(0, 0, 2, 100), 4, 5, false), Rect(0, 0, 2, 2));
    EXPECT_EQ(ScalePic(Rect(0, 0, 2, 100), 4, 7, false), Rect(0, 0, 2, 4));
    EXPECT_EQ(ScalePic(Rect(0, 0, 100, 2), 3, 4, false), Rect(0, 0, 2, 2));
    // The height limits here, and it is the stronger of the two.
    EXPECT_EQ(ScalePic(Rect(0, 0, 30, 10), 60, 40, false), Rect(0, 0, 15, 10));
    // Never enlarged; centred by the truncated half.
    EXPECT_EQ(ScalePic(Rect(0, 0, 40, 40), 10, 10, false), Rect(0, 0, 10, 10));
    EXPECT_EQ(ScalePic(Rect(0, 0, 41, 41), 10, 10, true), Rect(15, 15, 25, 25));
    // No room: nothing to draw.
    EXPECT_EQ(ScalePic(Rect(10, 10, 9, 40), 10, 10, false).Width(), 0);
}

TEST(PicRules, CentreKeepsOwnSize)
{
    EXPECT_EQ(CentrerPic(Rect(0, 0, 41, 41), 20, 20), Rect(10, 10, 30, 30));
    EXPECT_EQ(CentrerPic(Rect(3, 4, 44, 45), 20, 20), Rect(13, 14, 33, 34));
    // Wider than the cell: not shrunk, not moved sideways.
    EXPECT_EQ(CentrerPic(Rect(0, 0, 40, 40), 60, 10), Rect(0, 15, 60, 25));
}

TEST_F(FeltBitDraw, NothingDrawnWithoutSchemeListOrImage)
{
    auto list = solidList(3);
    bit.SetBitmapListe(list.get());
    EXPECT_FALSE(put(0, Rect(0, 0, 40, 40), sNormal)); // btIngen

    bit.SetBitType(btSimpel);
    bit.SetStartIndex(3); // equal to the count
    EXPECT_FALSE(put(0, Rect(0, 0, 40, 40), sNormal));
    bit.SetStartIndex(-1);
    EXPECT_FALSE(put(0, Rect(0, 0, 40, 40), sNormal));

    bit.SetStartIndex(0);
    bit.SetBitmapListe(nullptr);
    EXPECT_FALSE(put(0, Rect(0, 0, 40, 40), sNormal));
    EXPECT_EQ(bounds(image, White), image.rect());
}

TEST_F(FeltBitDraw, OffsetsLimitsAndPressedShift)
{
    auto list = solidList(3);
    bit.SetBitmapListe(list.get());
    bit.SetBitType(btDual);
    bit.SetX1(2);
    bit.SetY1(3);
    bit.SetBredde(20);
    bit.SetHojde(12);
    EXPECT_TRUE(put(0, Rect(5, 5, 45, 45), sNormal));
    // Right and bottom limits lie one short of the width and height.
    EXPECT_EQ(bounds(image, colourOf(0)), QRect(7, 8, 19, 11));

    image.fill(White);
    bit.SetAktivVandret(4);
    bit.SetAktivLodret(1);
    EXPECT_TRUE(put(0, Rect(5, 5, 45, 45), sAktiv));
    EXPECT_EQ(bounds(image, colourOf(1)), QRect(11, 9, 19, 11));

    image.fill(White);
    EXPECT_TRUE(put(0, Rect(5, 5, 45, 45), sOver)); // over: no shift
    EXPECT_EQ(bounds(image, colourOf(1)), QRect(7, 8, 19, 11));

    image.fill(White);
    bit.SetFeltDim(true);
    EXPECT_TRUE(put(0, Rect(5, 5, 45, 45), sNormal));
    EXPECT_EQ(bounds(image, colourOf(0)), QRect(5, 5, 40, 40));
}

TEST_F(FeltBitDraw, RealDimDrawsSmallPicturesAtOwnSizeAndStretchesLarge)
{
    auto small = solidList(1, 10, 10);
    bit.SetBitType(btSimpel);
    bit.SetBitmapListe(small.get());
    bit.SetRealDim(true);
    bit.SetX1(5);
    bit.SetY1(6);
    EXPECT_TRUE(put(0, Rect(0, 0, 40, 40), sNormal));
    EXPECT_EQ(bounds(image, colourOf(0)), QRect(5, 6, 10, 10));

    image.fill(White);
    auto large = solidList(1, 50, 50);
    bit.SetBitmapListe(large.get());
    bit.SetX1(0);
    bit.SetY1(0);
    EXPECT_TRUE(put(0, Rect(0, 0, 40, 40), sNormal));
    EXPECT_EQ(bounds(image, colourOf(0)), QRect(0, 0, 40, 40));
}

TEST_F(FeltBitDraw, ScaleAndCentreInTheCell)
{
    auto list = solidList(1, 100, 50);
    bit.SetBitType(btSimpel);
    bit.SetBitmapListe(list.get());
    bit.SetFeltDim(true);
    bit.SetScale(true);
    bit.SetCentrer(true);
    EXPECT_TRUE(put(0, Rect(10, 10, 50, 50), sNormal));
    EXPECT_EQ(bounds(image, colourOf(0)), QRect(10, 20, 40, 20));

    image.fill(White);
    auto small = solidList(1, 20, 20);
    bit.SetBitmapListe(small.get());
    bit.SetScale(false);
    EXPECT_TRUE(put(0, Rect(0, 0, 41, 41), sNormal));
    EXPECT_EQ(bounds(image, colourOf(0)), QRect(10, 10, 20, 20));
}

TEST_F(FeltBitDraw, InactiveLookBlendsAndTheStyleStaysOnTheList)
{
    TImageList list(10, 10);
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Red);
    list.Add(red);
    list.SetBlendColor(clBlue);
    bit.SetBitType(btSimpel);
    bit.SetBitmapListe(&list);
    bit.SetFeltDim(true);

    EXPECT_TRUE(put(0, Rect(0, 0, 10, 10), sInaktiv));
    EXPECT_EQ(image.pixel(5, 5), qRgb(127, 0, 127));
    EXPECT_EQ(list.DrawingStyle(), dsSelected);

    EXPECT_TRUE(put(0, Rect(0, 0, 10, 10), sOverAktiv));
    EXPECT_EQ(image.pixel(5, 5), Red);
    EXPECT_EQ(list.DrawingStyle(), dsNormal);
}

TEST_F(FeltBitDraw, TransparentColourIsLeftOutAlsoInTheInactiveLook)
{
    // Red with a green 4 by 4 centre.
    TImageList list(10, 10);
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Red);
    for (int y = 3; y < 7; ++y)
        for (int x = 3; x < 7; ++x)
            picture.setPixel(x, y, Green);
    list.Add(picture);
    list.SetBlendColor(clBlue);
    bit.SetBitType(btSimpel);
    bit.SetBitmapListe(&list);
    bit.SetFeltDim(true);
    bit.SetTransFarve(0x00FF00);

    EXPECT_TRUE(put(0, Rect(0, 0, 10, 10), sNormal));
    EXPECT_EQ(image.pixel(5, 5), Green); // not transparent yet

    bit.SetGennemsigtig(true);
    image.fill(White);
    EXPECT_TRUE(put(0, Rect(0, 0, 10, 10), sNormal));
    EXPECT_EQ(bounds(image.copy(0, 0, 10, 10), White), QRect(3, 3, 4, 4));
    EXPECT_EQ(image.pixel(0, 0), Red);

    image.fill(White);
    EXPECT_TRUE(put(0, Rect(0, 0, 10, 10), sInaktiv));
    EXPECT_EQ(bounds(image.copy(0, 0, 10, 10), White), QRect(3, 3, 4, 4));
    EXPECT_EQ(image.pixel(0, 0), qRgb(127, 0, 127));
}

TEST_F(FeltBitDraw, TransparentAnimationErasesOneImageWithTheBackground)
{
    // The frame is entirely of the transparent colour, so only the erase shows.
    TImageList list(10, 8);
    QImage frame(10, 8, QImage::Format_RGB32);
    frame.fill(Green);
    list.Add(frame);
    bit.SetBitType(btSimpel);
    bit.SetBitmapListe(&list);
    bit.SetTransFarve(0x00FF00);
    bit.SetGennemsigtig(true);
    bit.SetAnimation(true);
    bit.SetCompoColor(clBlue);
    bit.SetX1(2);
    bit.SetY1(2);
    bit.SetBredde(30); // replaced by the image size
    bit.SetHojde(30);

    {
        TCanvas canvas(&image);
        canvas.Brush.Color = clWhite;
        EXPECT_TRUE(bit.PutBitmapListe(0, canvas, Rect(0, 0, 40, 40), sNormal));
        EXPECT_EQ(canvas.Brush.Color, clWhite);
    }
    EXPECT_EQ(bounds(image, Blue), QRect(2, 2, 10, 8));
}

TEST(FeltBit, ChangeNotificationsAndSizeModes)
{
    TFeltBit bit;
    int changes = 0;
    bit.SetOnChange([&] { ++changes; });

    // Compared with the old value first.
    bit.SetGennemsigtig(false);
    bit.SetBitType(btIngen);
    bit.SetTransFarve(0);
    bit.SetStartIndex(0);
    bit.SetRealDim(false);
    bit.SetFeltDim(false);
    EXPECT_EQ(changes, 0);
    // Stored only.
    bit.SetAntal(4);
    bit.SetAktivLodret(1);
    bit.SetTimerNr(2);
    bit.SetAnimation(true);
    bit.SetJpgKvalitet(80);
    EXPECT_EQ(changes, 0);
    // Always reported.
    bit.SetX1(0);
    bit.SetY1(0);
    bit.SetBredde(0);
    bit.SetHojde(0);
    bit.SetScale(false);
    bit.SetCentrer(false);
    bit.SetBitmapListe(nullptr);
    EXPECT_EQ(changes, 7);

    TImageList list(16, 12);
    bit.SetBitmapListe(&list);
    EXPECT_EQ(bit.Bredde(), 0); // not copied without RealDim
    bit.SetFeltDim(true);
    bit.SetRealDim(true);
    EXPECT_FALSE(bit.FeltDim());
    EXPECT_EQ(bit.Bredde(), 16);
    EXPECT_EQ(bit.Hojde(), 12);

    TImageList other(8, 6);
    bit.SetBitmapListe(&other);
    EXPECT_EQ(bit.Bredde(), 8);
    bit.SetFeltDim(true);
    EXPECT_FALSE(bit.RealDim());
}

TEST(FeltBit, AnimationFramesWrapRound)
{
    TFeltBit bit;
    bit.NaesteTimerNr(3);
    bit.NaesteTimerNr(3);
    EXPECT_EQ(bit.TimerNr(), 2);
    bit.NaesteTimerNr(3);
    EXPECT_EQ(bit.TimerNr(), 0);
    bit.SetTimerNr(7); // fewer frames than before
    bit.NaesteTimerNr(3);
    EXPECT_EQ(bit.TimerNr(), 0);
}
