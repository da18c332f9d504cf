#include "feltproeve.h"

#include <QLabel>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace feltproeve;

namespace {

constexpr TColor Lys = 0x00FF00;
constexpr TColor Skygge = 0x0000FF;
constexpr TColor Baggrund = 0xFFFFFF;

void Farver(Ramme &R)
{
    R.SetColor(Baggrund);
    R.GrundRamme().SetFarveLys(Lys);
    R.GrundRamme().SetFarveSkygge(Skygge);
}

TEST(RammeFelt, DefaultsAndRectanglesOfA64By64Control)
{
    Ramme R;
    EXPECT_EQ(R.Width(), 64);
    EXPECT_EQ(R.Height(), 64);
    EXPECT_EQ(R.Color(), clWindow);
    EXPECT_EQ(R.GrundRamme().Bredde(), 1);
    EXPECT_EQ(R.GrundRamme().Art(), rtUd);
    EXPECT_EQ(R.CursorOver(), crDefault);
    EXPECT_FALSE(R.CompoBeregnet);

    R.Repaint();
    EXPECT_EQ(R.CompoRekt, Rect(1, 1, 62, 62));
    EXPECT_EQ(R.CBredde, 61);
    EXPECT_EQ(R.CHojde, 61);
    EXPECT_EQ(R.IndreRekt, Rect(1, 1, 63, 63));
    EXPECT_EQ(R.GrundRekt, Rect(0, 0, 63, 63));
    EXPECT_EQ(R.InRekt, R.GrundRekt);
    EXPECT_TRUE(R.CompoBeregnet);
}

TEST(RammeFelt, ContentRectangleUsesDistancesExtrasAndOneMorePixelRightAndBottom)
{
    Ramme R;
    R.resize(100, 50);
    TXCompoRamme &G = R.GrundRamme();
    G.SetBredde(2);
    G.SetAfstandLodret(3);  // left and right
    G.SetAfstandVandret(5); // top and bottom
    G.SetEkstraVenstre(1);
    G.SetEkstraOppe(2);
    G.SetEkstraHojre(3);
    G.SetEkstraNede(4);
    R.BeregnFelt();
    EXPECT_EQ(R.CompoRekt, Rect(6, 9, 100 - 8 - 1, 50 - 11 - 1));
    EXPECT_EQ(R.CBredde, 91 - 6);
    EXPECT_EQ(R.CHojde, 38 - 9);
}

TEST(RammeFelt, PaintsTheBaseFrameAroundTheWholeControl)
{
    Ramme R;
    Farver(R);
    R.Repaint();
    EXPECT_EQ(Pixel(R, 0, 0), rgb(Lys));
    EXPECT_EQ(Pixel(R, 0, 63), rgb(Lys));
    EXPECT_EQ(Pixel(R, 63, 0), rgb(Skygge));
    EXPECT_EQ(Pixel(R, 63, 63), rgb(Skygge));
    EXPECT_EQ(Pixel(R, 30, 30), rgb(Baggrund));

    // A frame change shows at the next paint, at the new size too.
    R.GrundRamme().SetArt(rtInd);
    R.resize(40, 20);
    R.Repaint();
    EXPECT_EQ(R.Billede().size(), QSize(40, 20));
    EXPECT_EQ(Pixel(R, 0, 0), rgb(Skygge));
    EXPECT_EQ(Pixel(R, 39, 19), rgb(Lys));
}

TEST(RammeFelt, BackgroundPictureIsStretchedInsideTheFrameOnly)
{
    Ramme R;
    Farver(R);
    R.Repaint();
    const QImage Tom = R.Billede().copy();

    QImage Billede(3, 2, QImage::Format_RGB32);
    Billede.fill(QColor(200, 10, 10));
    R.SetGrundBitmap(Billede);
    EXPECT_TRUE(R.Ugyldig());
    R.Repaint();
    const QRgb Roed = QColor(200, 10, 10).rgb();
    EXPECT_EQ(Antal(R.Billede(), R.IndreRekt, Roed), 62 * 62);
    EXPECT_EQ(Pixel(R, 0, 0), rgb(Lys));
    EXPECT_EQ(Pixel(R, 63, 63), rgb(Skygge));

    R.SetGrundBitmap(QImage());
    R.Repaint();
    EXPECT_EQ(R.Billede(), Tom);
}

TEST(RammeFelt, ChildWidgetsAlignInTheContentRectangle)
{
    Ramme R;
    auto *Layout = new QVBoxLayout(&R);
    Layout->setContentsMargins(0, 0, 0, 0);
    auto *Barn = new QLabel(&R);
    Layout->addWidget(Barn);

    // Before the first paint: the client area shrunk by the frame width.
    EXPECT_EQ(R.contentsRect(), QRect(1, 1, 62, 62));
    TRect Klient = Rect(0, 0, 64, 64);
    R.AdjustClientRect(Klient);
    EXPECT_EQ(Klient, Rect(1, 1, 63, 63));

    // Once painted, the content rectangle.
    R.Repaint();
    Klient = Rect(0, 0, 64, 64);
    R.AdjustClientRect(Klient);
    EXPECT_EQ(Klient, Rect(1, 1, 62, 62));
    EXPECT_EQ(R.contentsRect(), QRect(1, 1, 61, 61));
    Layout->activate();
    EXPECT_EQ(Barn->geometry(), QRect(1, 1, 61, 61));

    // A frame change lets the children go back until the next paint.
    R.GrundRamme().SetBredde(3);
    EXPECT_FALSE(R.CompoBeregnet);
    EXPECT_EQ(R.contentsRect(), QRect(3, 3, 58, 58));
    R.Repaint();
    EXPECT_EQ(R.contentsRect(), QRect(3, 3, 57, 57));
}

TEST(RammeFelt, NewClientRectAndFollowingAlignment)
{
    Ramme R;
    R.GrundRamme().SetNytClientRekt(true);
    R.GrundRamme().SetAfstandLodret(2);
    TRect Klient = Rect(0, 0, 64, 64);
    R.AdjustClientRect(Klient);
    EXPECT_EQ(Klient, Rect(3, 1, 60, 62));

    // With TilpasAlign the rectangle is never fixed by a paint.
    Ramme T;
    T.GrundRamme().SetTilpasAlign(true);
    T.Repaint();
    EXPECT_FALSE(T.CompoBeregnet);
    Klient = Rect(0, 0, 64, 64);
    T.AdjustClientRect(Klient);
    EXPECT_EQ(Klient, Rect(1, 1, 63, 63));
}

TEST(GrundFelt, ShowsItsPictureAndRepaintsOnlyWhenInvalidated)
{
    Ramme R;
    Farver(R);
    R.show();
    const QImage Vist = R.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Vist, R.Billede());
    EXPECT_FALSE(R.Ugyldig());

    // A direct drawing on the canvas is in the picture at once and shown as is.
    R.Canvas().Brush.Color = 0x123456;
    R.Canvas().FillRect(Rect(10, 10, 20, 20));
    EXPECT_EQ(Pixel(R, 15, 15), rgb(0x123456));
    EXPECT_FALSE(R.Ugyldig());
    EXPECT_EQ(R.grab().toImage().pixel(15, 15), rgb(0x123456));

    R.SetColor(0x654321);
    EXPECT_TRUE(R.Ugyldig());
    EXPECT_EQ(R.grab().toImage().pixel(15, 15), rgb(0x654321));
    EXPECT_FALSE(R.Ugyldig());
}

TEST(GrundFelt, DisablingRepaintsAndOwnFlagIgnoresTheParent)
{
    QWidget Foraelder;
    Ramme R(&Foraelder);
    R.Repaint();
    R.SetEnabled(false);
    EXPECT_TRUE(R.Ugyldig());
    EXPECT_FALSE(R.Enabled());
    R.SetEnabled(true);
    Foraelder.setEnabled(false);
    EXPECT_FALSE(R.isEnabled());
    EXPECT_TRUE(R.Enabled());
}

} // namespace
