// The board scaled up to a projector, and a high-density screen: our own
// controls must draw there at the real pixel density. Their texts are compared
// with a QLabel drawing the same text natively at the scaled size, their frames
// with the design-size picture.

#include "billede.h"
#include "pointbar.h"
#include "rulbar.h"
#include "skala.h"
#include "vinduesfelter.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

using namespace vinduesfelter;

namespace {

constexpr qreal kFuldSkaerm = 1.65; // 1080 / 654: the board on a 1920 by 1080 projector
const QString kSpm = QStringLiteral("Hvilken by er Danmarks hovedstad?");

// The display's question field: white, a raised money green frame with an
// outline, smoothed Tahoma 21 in one field.
struct SpmFelt
{
    TCompoTekst Tekst;
    Liste L;

    SpmFelt()
    {
        saetSpmTekst(Tekst, ssTavle);
        L.resize(520, 80);
        saetSpmDisplay(L, Tekst, ssTavle);
        L.TekstFelt(0, kSpm);
    }

    // The field's inner rectangle (without frames) at Skala.
    QRect Tekstomraade(qreal Skala) const
    {
        const TRect &R = L.Felt()[0].IR;
        return QRect(QPoint(int(std::ceil(R.Left * Skala)), int(std::ceil(R.Top * Skala))),
                     QPoint(int(R.Right * Skala) - 1, int(R.Bottom * Skala) - 1));
    }
};

// The same text drawn natively by a QLabel at the scaled pixel size.
QImage Etiket(const SpmFelt &F, qreal Skala, qreal Dpr = 1)
{
    QFont Font(QFontInfo(toQFont(F.L.Font())).family());
    Font.setPixelSize(qRound(F.L.Font().Height * Skala));
    QLabel E(kSpm);
    E.setFont(Font);
    E.setAutoFillBackground(true);
    QPalette P = E.palette();
    P.setColor(QPalette::Window, Qt::white);
    P.setColor(QPalette::WindowText, Qt::black);
    E.setPalette(P);
    E.resize(E.sizeHint());
    QImage B((E.size() * Dpr), QImage::Format_RGB32);
    B.setDevicePixelRatio(Dpr);
    E.render(&B);
    return B;
}

// How soft the glyph edges are: of the pixels the black text touches in R,
// the share drawn in a blend with the background rather than in full black.
// A picture blown up from design size keeps the design size's share, and
// smoothing it raises the share.
double Blandingsandel(const QImage &B, const QRect &R)
{
    const QRgb Baggrund = B.pixel(R.topLeft());
    int Blaek = 0;
    int Blandet = 0;
    for (int y = R.top(); y <= R.bottom(); ++y)
        for (int x = R.left(); x <= R.right(); ++x) {
            const QRgb c = B.pixel(x, y);
            if (c == Baggrund)
                continue;
            ++Blaek;
            Blandet += c != qRgb(0, 0, 0);
        }
    return Blaek == 0 ? 1 : double(Blandet) / Blaek;
}

// Columns from the left edge, on row y, before the field's white.
int RammeBredde(const QImage &B, int y)
{
    int x = 0;
    while (x < B.width() && B.pixel(x, y) != qRgb(255, 255, 255))
        ++x;
    return x;
}

QImage Gengivet(QWidget &W, qreal Skala)
{
    QImage B(QSize(int(std::ceil(W.width() * Skala)), int(std::ceil(W.height() * Skala))),
             QImage::Format_RGB32);
    B.fill(Qt::red);
    QPainter P(&B);
    P.scale(Skala, Skala);
    W.render(&P);
    return B;
}

TEST(Skala, BoardTextAtFullScreenScaleIsAsSharpAsANativeLabel)
{
    SpmFelt F;
    const QImage Design = Gengivet(F.L, 1);
    EXPECT_EQ(Design, F.L.Billede()) << "at design size the picture is shown as it is";

    // The way full screen shows the board: rendered through a scaled painter.
    const QImage Stor = Gengivet(F.L, kFuldSkaerm);
    EXPECT_TRUE(sammeSkala(F.L.Skala(), kFuldSkaerm));
    const QImage Label = Etiket(F, kFuldSkaerm);
    const double Vores = Blandingsandel(Stor, F.Tekstomraade(kFuldSkaerm));
    const double Naturlig = Blandingsandel(Label, Label.rect());
    const double Opblaest = Blandingsandel(Design, F.Tekstomraade(1));
    std::cout << "[ grå      ] skaleret " << Vores << ", etiket " << Naturlig << ", 1x " << Opblaest
              << std::endl;
    EXPECT_LE(Vores, Naturlig * 1.1);
    EXPECT_LT(Vores, Opblaest * 0.9) << "not the design-size picture blown up";
    // The frame grows with the board.
    EXPECT_EQ(RammeBredde(Design, 40), 2);
    EXPECT_EQ(RammeBredde(Stor, 66), 3);

    // The other way full screen may take: the field in a scaled graphics view.
    SpmFelt I;
    QGraphicsScene Scene;
    QGraphicsProxyWidget *Proxy = Scene.addWidget(&I.L);
    QGraphicsView View(&Scene);
    View.setFrameShape(QFrame::NoFrame);
    View.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    View.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    View.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    View.scale(kFuldSkaerm, kFuldSkaerm);
    View.resize(Stor.size());
    View.show();
    const QImage Vist = View.viewport()->grab().toImage();
    EXPECT_TRUE(sammeSkala(I.L.Skala(), kFuldSkaerm));
    EXPECT_LE(Blandingsandel(Vist, I.Tekstomraade(kFuldSkaerm)), Naturlig * 1.1);
    Proxy->setWidget(nullptr); // the scene must not delete it

    QImage Side(std::max(Stor.width(), Label.width()),
                Stor.height() + Label.height() + Vist.height() + 20, QImage::Format_RGB32);
    Side.fill(Qt::darkGray);
    QPainter P(&Side);
    P.drawImage(0, 0, Stor);
    P.drawImage(0, Stor.height() + 10, Label);
    P.drawImage(0, Stor.height() + Label.height() + 20, Vist);
    P.end();
    gemBillede(Side, QStringLiteral("kvidrel-skala-165"));

    // A text written between paints is drawn at once at the scale last painted
    // at, just as a full paint at that scale draws it.
    F.L.TekstFelt(0, QStringLiteral("København"));
    SpmFelt Frisk;
    Frisk.L.TekstFelt(0, QStringLiteral("København"));
    EXPECT_EQ(Gengivet(F.L, kFuldSkaerm), Gengivet(Frisk.L, kFuldSkaerm));

    // Back at design size, every pixel is as before.
    F.L.TekstFelt(0, kSpm);
    EXPECT_EQ(Gengivet(F.L, 1), Design);
}

// A high-density screen: everything drawn at twice the density. Apart from
// glyphs and the scroll bar's arrows, which are drawn anew at the finer grid,
// the picture is the design-size picture with each pixel doubled, so lines and
// frames are exactly twice as wide.
TEST(Skala, HighDensityDrawsFramesTwiceAsWideAndTextsNatively)
{
    QWidget Tavle;
    Tavle.resize(600, 160);
    Tavle.setAutoFillBackground(true);
    SpmFelt F;
    F.L.setParent(&Tavle);
    TPointBar Bar(&Tavle);
    Bar.setGeometry(530, 0, 30, 150);
    Bar.SetTilstand(TPointBar::TTilstand::Normal);
    Bar.SetPosition(40);
    TRulBar Rul(&Tavle);
    Rul.setGeometry(570, 0, 16, 100);
    Rul.SetRulAntal(10);

    QImage Design(Tavle.size(), QImage::Format_RGB32);
    Tavle.render(&Design);
    QImage Dobbelt(Tavle.size() * 2, QImage::Format_RGB32);
    Dobbelt.setDevicePixelRatio(2);
    Tavle.render(&Dobbelt);
    EXPECT_EQ(F.L.Billede().size(), F.L.size() * 2);
    EXPECT_EQ(Rul.Billede().size(), Rul.size() * 2);

    const QRect Tekst = F.Tekstomraade(1);
    // The buttons' frames lie on Right and Bottom too.
    const auto Knap = [&Rul](const TRect &R) {
        return QRect(QPoint(R.Left, R.Top), QPoint(R.Right, R.Bottom)).translated(Rul.pos());
    };
    const QRect Pile[] = {Knap(Rul.Maal().OpR), Knap(Rul.Maal().NedR)};
    int Forskellige = 0;
    for (int y = 0; y < Dobbelt.height(); ++y)
        for (int x = 0; x < Dobbelt.width(); ++x) {
            const QPoint D(x / 2, y / 2);
            if (Tekst.contains(D) || Pile[0].contains(D) || Pile[1].contains(D))
                continue;
            Forskellige += Dobbelt.pixel(x, y) != Design.pixel(D);
        }
    EXPECT_EQ(Forskellige, 0);
    EXPECT_EQ(RammeBredde(Dobbelt, 80), 4);

    const QImage Label = Etiket(F, 1, 2);
    const double Vores = Blandingsandel(Dobbelt, F.Tekstomraade(2));
    std::cout << "[ grå      ] dpr 2 " << Vores << ", etiket "
              << Blandingsandel(Label, Label.rect()) << std::endl;
    EXPECT_LE(Vores, Blandingsandel(Label, Label.rect()) * 1.1);
    EXPECT_LT(Vores, Blandingsandel(Design, Tekst) * 0.9);
    gemBillede(Dobbelt, QStringLiteral("kvidrel-skala-dpr2"));
}

} // namespace
