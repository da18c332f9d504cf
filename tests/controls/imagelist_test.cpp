#include "canvas.h"
#include "imagelist.h"

#include <gtest/gtest.h>

using namespace kvidrel;

namespace {

QImage solid(int w, int h, QRgb c)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(c);
    return image;
}

} // namespace

TEST(ImageList, ImagesTakeTheListSize)
{
    TImageList list(6, 6);
    EXPECT_EQ(list.Add(solid(4, 4, qRgb(255, 0, 0))), 0);
    EXPECT_EQ(list.Add(solid(8, 8, qRgb(0, 255, 0))), 1);
    EXPECT_EQ(list.Image(0).size(), QSize(6, 6));
    EXPECT_EQ(list.Image(0).pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(qAlpha(list.Image(0).pixel(5, 5)), 0); // not covered
    EXPECT_EQ(list.Image(1).size(), QSize(6, 6));

    QImage out;
    EXPECT_FALSE(list.GetBitmap(2, out));
    EXPECT_EQ(out.size(), QSize(6, 6));
    EXPECT_EQ(qAlpha(out.pixel(0, 0)), 0);

    list.SetWidth(6); // same size keeps the images
    EXPECT_EQ(list.Count(), 2);
    list.SetHeight(7);
    EXPECT_EQ(list.Count(), 0);
}

TEST(ImageList, SelectedLookAndTransparentDrawing)
{
    TImageList list(4, 4);
    list.SetBlendColor(0x000000); // black: halves every channel
    list.Add(solid(2, 4, qRgb(200, 100, 50)));

    QImage out;
    list.SetDrawingStyle(dsSelected);
    ASSERT_TRUE(list.GetBitmap(0, out));
    EXPECT_EQ(out.pixel(0, 0), qRgb(100, 50, 25));
    EXPECT_EQ(qAlpha(out.pixel(3, 0)), 0);                    // transparent stays transparent
    EXPECT_EQ(list.Image(0).pixel(0, 0), qRgb(200, 100, 50)); // stored unchanged

    QImage target = solid(8, 8, qRgb(255, 255, 255));
    {
        TCanvas canvas(&target);
        list.Draw(canvas, 2, 2, 0);
    }
    EXPECT_EQ(target.pixel(2, 2), qRgb(100, 50, 25));
    EXPECT_EQ(target.pixel(5, 5), qRgb(255, 255, 255));
}
