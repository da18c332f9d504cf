#include "canvas.h"
#include "feltproeve.h"

#include <QFontMetrics>
#include <QPalette>
#include <gtest/gtest.h>

#include <memory>

using namespace kvidrel;
using namespace feltproeve;

namespace {

class CanvasTest : public ::testing::Test
{
protected:
    CanvasTest() : image(40, 40, QImage::Format_RGB32)
    {
        image.fill(White);
        canvas = std::make_unique<TCanvas>(&image);
    }

    // Ends the painting so the pixels can be read.
    const QImage &done()
    {
        canvas.reset();
        return image;
    }

    // Pixels of colour c inside the image, as a count.
    int count(QRgb c)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == c;
        return n;
    }

    QImage image;
    std::unique_ptr<TCanvas> canvas;
};

} // namespace

TEST(CanvasColor, StoredAsBgrAndSystemColoursThroughThePalette)
{
    EXPECT_EQ(toQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(toQColor(clBlue), QColor(0, 0, 255));

    QPalette p;
    p.setColor(QPalette::Button, QColor(1, 2, 3));
    p.setColor(QPalette::Dark, QColor(4, 5, 6));
    p.setColor(QPalette::Light, QColor(7, 8, 9));
    p.setColor(QPalette::Base, QColor(10, 11, 12));
    p.setColor(QPalette::Text, QColor(13, 14, 15));
    EXPECT_EQ(toQColor(clBtnFace, p), QColor(1, 2, 3));
    EXPECT_EQ(toQColor(clBtnShadow, p), QColor(4, 5, 6));
    EXPECT_EQ(toQColor(clBtnHighlight, p), QColor(7, 8, 9));
    EXPECT_EQ(toQColor(clWindow, p), QColor(10, 11, 12));
    EXPECT_EQ(toQColor(clWindowText, p), QColor(13, 14, 15));
}

TEST(CanvasFont, PixelHeightStylesAndFallbackFace)
{
    TFont f;
    f.Name = QStringLiteral("No Such Face Anywhere");
    f.Height = 17;
    f.Style = fsBold | fsUnderline;
    const QFont q = toQFont(f);
    EXPECT_EQ(q.pixelSize(), 17);
    EXPECT_TRUE(q.bold());
    EXPECT_TRUE(q.underline());
    EXPECT_FALSE(q.italic());
    // A missing face still gives a usable font, not an empty one.
    EXPECT_GT(QFontMetrics(q).horizontalAdvance(QStringLiteral("Abc")), 0);
}

TEST_F(CanvasTest, LinesStopBeforeTheirEndPoint)
{
    canvas->Pen.Color = 0x0000FF;
    canvas->MoveTo(2, 2);
    canvas->LineTo(10, 2); // right
    canvas->LineTo(10, 8); // down
    canvas->LineTo(4, 8);  // left
    canvas->LineTo(4, 3);  // up
    EXPECT_EQ(canvas->PenPos(), (TPoint{4, 3}));
    canvas->MoveTo(20, 20);
    canvas->LineTo(25, 25); // diagonal
    canvas->MoveTo(30, 30);
    canvas->LineTo(30, 30); // empty
    const QImage &img = done();

    for (int x = 2; x <= 10; ++x)
        EXPECT_EQ(img.pixel(x, 2), Red) << x;
    for (int y = 2; y <= 8; ++y)
        EXPECT_EQ(img.pixel(10, y), Red) << y;
    for (int x = 4; x <= 10; ++x)
        EXPECT_EQ(img.pixel(x, 8), Red) << x;
    for (int y = 4; y <= 8; ++y)
        EXPECT_EQ(img.pixel(4, y), Red) << y;
    EXPECT_EQ(img.pixel(4, 3), White); // the last end point
    EXPECT_EQ(img.pixel(11, 2), White);
    EXPECT_EQ(img.pixel(1, 2), White);

    for (int i = 20; i < 25; ++i)
        EXPECT_EQ(img.pixel(i, i), Red) << i;
    EXPECT_EQ(img.pixel(25, 25), White);
    EXPECT_EQ(img.pixel(30, 30), White);
    EXPECT_EQ(count(Red), 9 + 6 + 6 + 4 + 5);
}

TEST_F(CanvasTest, ShallowDiagonalCoversEachColumnOnceWithoutTheEnd)
{
    canvas->Pen.Color = 0x0000FF;
    canvas->MoveTo(0, 0);
    canvas->LineTo(10, 3);
    const QImage &img = done();
    EXPECT_EQ(count(Red), 10);
    for (int x = 0; x < 10; ++x) {
        int hits = 0;
        for (int y = 0; y < 5; ++y)
            hits += img.pixel(x, y) == Red;
        EXPECT_EQ(hits, 1) << x;
    }
    EXPECT_EQ(img.pixel(0, 0), Red);
    EXPECT_EQ(img.pixel(10, 3), White);
}

TEST_F(CanvasTest, FillRectLeavesOutRightColumnAndBottomRow)
{
    canvas->Brush.Color = 0xFF0000;
    canvas->FillRect(Rect(3, 4, 8, 10));
    canvas->FillRect(Rect(20, 20, 20, 30)); // empty
    const QImage &img = done();
    EXPECT_EQ(img.pixel(3, 4), Blue);
    EXPECT_EQ(img.pixel(7, 9), Blue);
    EXPECT_EQ(img.pixel(8, 9), White);
    EXPECT_EQ(img.pixel(7, 10), White);
    EXPECT_EQ(count(Blue), 5 * 6);
}

TEST_F(CanvasTest, RectangleBorderOnFirstAndLastInnerPixels)
{
    canvas->Pen.Color = 0x0000FF;
    canvas->Brush.Color = 0xFF0000;
    canvas->Rectangle(2, 3, 9, 8);
    canvas->Brush.Style = bsClear;
    canvas->Rectangle(Rect(20, 20, 26, 25));
    const QImage &img = done();

    for (int x = 2; x <= 8; ++x) {
        EXPECT_EQ(img.pixel(x, 3), Red) << x;
        EXPECT_EQ(img.pixel(x, 7), Red) << x;
    }
    for (int y = 3; y <= 7; ++y) {
        EXPECT_EQ(img.pixel(2, y), Red) << y;
        EXPECT_EQ(img.pixel(8, y), Red) << y;
    }
    EXPECT_EQ(img.pixel(9, 5), White);
    EXPECT_EQ(img.pixel(5, 8), White);
    for (int y = 4; y <= 6; ++y)
        for (int x = 3; x <= 7; ++x)
            EXPECT_EQ(img.pixel(x, y), Blue);
    // A clear brush keeps the inside.
    EXPECT_EQ(img.pixel(22, 22), White);
    EXPECT_EQ(img.pixel(25, 24), Red);
    EXPECT_EQ(img.pixel(26, 24), White);
    EXPECT_EQ(count(Blue), 15);
}

TEST_F(CanvasTest, PolygonFillsWithBrushAndOutlinesEveryVertex)
{
    canvas->Pen.Color = 0x0000FF;
    canvas->Brush.Color = 0xFF0000;
    const TPoint square[] = {{5, 5}, {15, 5}, {15, 15}, {5, 15}};
    canvas->Polygon(square, 4);
    const QImage &img = done();
    for (const TPoint &p : square)
        EXPECT_EQ(img.pixel(p.X, p.Y), Red);
    EXPECT_EQ(img.pixel(10, 5), Red);
    EXPECT_EQ(img.pixel(15, 10), Red);
    EXPECT_EQ(img.pixel(10, 10), Blue);
    EXPECT_EQ(img.pixel(16, 10), White);
    EXPECT_EQ(img.pixel(10, 16), White);
    EXPECT_EQ(count(Red), 40);
}

TEST_F(CanvasTest, ImagesDrawnStretchedAndCopied)
{
    QImage source(4, 4, QImage::Format_RGB32);
    source.fill(Blue);
    source.setPixel(0, 0, Red);

    canvas->Draw(1, 1, source);
    canvas->StretchDraw(Rect(10, 10, 18, 18), source);
    canvas->CopyRect(Rect(30, 30, 33, 33), source, Rect(1, 1, 4, 4));
    const QImage &img = done();

    EXPECT_EQ(img.pixel(1, 1), Red);
    EXPECT_EQ(img.pixel(4, 4), Blue);
    EXPECT_EQ(img.pixel(5, 5), White);
    // Stretched 2x: the red corner becomes 2 by 2; right and bottom are exclusive.
    EXPECT_EQ(img.pixel(11, 11), Red);
    EXPECT_EQ(img.pixel(12, 12), Blue);
    EXPECT_EQ(img.pixel(17, 17), Blue);
    EXPECT_EQ(img.pixel(18, 17), White);
    EXPECT_EQ(img.pixel(17, 18), White);
    // The copied part leaves out the red corner.
    EXPECT_EQ(img.pixel(30, 30), Blue);
    EXPECT_EQ(img.pixel(32, 32), Blue);
    EXPECT_EQ(img.pixel(33, 33), White);
    EXPECT_EQ(count(Red), 1 + 4);
}

TEST_F(CanvasTest, TextMeasuresAddUpAndTheSolidBrushFillsTheCell)
{
    canvas->Font.Name = QStringLiteral("DejaVu Sans");
    canvas->Font.Height = 16;
    canvas->Font.Color = 0x0000FF;
    const QString text = QStringLiteral("Wa");
    int sum = 0;
    for (QChar c : text)
        sum += canvas->TextWidth(QString(c));
    const int w = canvas->TextWidth(text);
    const int h = canvas->TextHeight(text);
    EXPECT_EQ(w, sum); // whole-pixel advances, no kerning
    QFontMetrics fm(toQFont(canvas->Font));
    EXPECT_EQ(h, fm.ascent() + fm.descent());

    canvas->Brush.Color = 0xFF0000;
    canvas->TextOut(2, 3, text);
    canvas->Brush.Style = bsClear;
    canvas->TextOut(2, 22, text);
    const QImage &img = done();

    // The cell is filled exactly; the glyphs lie inside it.
    int blue = 0;
    int redInCell = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inCell = x >= 2 && x < 2 + w && y >= 3 && y < 3 + h;
            if (img.pixel(x, y) == Blue) {
                EXPECT_TRUE(inCell) << x << "," << y;
            }
            blue += img.pixel(x, y) == Blue;
            redInCell += inCell && img.pixel(x, y) == Red;
        }
    EXPECT_GT(redInCell, 0);
    EXPECT_EQ(blue + redInCell, w * h);
    // A clear brush draws only the glyphs, also with their top-left at the cell.
    bool glyphs = false;
    for (int y = 22; y < 22 + h; ++y)
        for (int x = 2; x < 2 + w; ++x)
            glyphs = glyphs || img.pixel(x, y) == Red;
    EXPECT_TRUE(glyphs);
    EXPECT_EQ(img.pixel(1, 22 + h / 2), White);
}
