// Draws the pictures delivered with Kvidrel: the drawings offered for
// participant pictures, the comment pictures of the demo group and the program
// icon at every size menus ask for and as SVG. Run at build time: tegninger
// <output folder>.

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSvgGenerator>
#include <QtMath>
#include <cstdio>
#include <functional>

namespace {

// Dark outlines on light, saturated fills stay readable on a projector.
const QColor kStreg(0x1d, 0x23, 0x40);
constexpr qreal kStregBredde = 2.6;

// Every drawing is made in a 100 by 100 square and scaled to the picture.
using Tegning = std::function<void(QPainter &)>;

void streg(QPainter &p, qreal bredde = kStregBredde)
{
    p.setPen(QPen(kStreg, bredde, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void fyld(QPainter &p, const QColor &farve)
{
    streg(p);
    p.setBrush(farve);
}

// A fill without an outline.
void flade(QPainter &p, const QBrush &farve)
{
    p.setPen(Qt::NoPen);
    p.setBrush(farve);
}

void ellipse(QPainter &p, const QColor &farve, QPointF midte, qreal rx, qreal ry)
{
    fyld(p, farve);
    p.drawEllipse(midte, rx, ry);
}

void cirkel(QPainter &p, const QColor &farve, QPointF midte, qreal r)
{
    ellipse(p, farve, midte, r, r);
}

void polygon(QPainter &p, const QColor &farve, const QPolygonF &punkter)
{
    fyld(p, farve);
    p.drawPolygon(punkter);
}

// A rounded square behind the figure: each drawing gets its own colour, so the
// players tell them apart from across the room.
void baggrund(QPainter &p, const QColor &farve)
{
    flade(p, farve);
    p.drawRoundedRect(QRectF(2, 2, 96, 96), 16, 16);
}

// Two eyes looking at the viewer, with a glint.
void oejne(QPainter &p, QPointF venstre, QPointF hoejre, qreal r)
{
    for (const QPointF &c : {venstre, hoejre}) {
        cirkel(p, Qt::white, c, r);
        flade(p, kStreg);
        p.drawEllipse(c + QPointF(0, r * 0.15), r * 0.55, r * 0.55);
        p.setBrush(Qt::white);
        p.drawEllipse(c + QPointF(r * 0.2, -r * 0.1), r * 0.18, r * 0.18);
    }
}

void smil(QPainter &p, QPointF midte, qreal bredde, qreal dybde)
{
    streg(p);
    p.setBrush(Qt::NoBrush);
    QPainterPath mund;
    mund.moveTo(midte.x() - bredde / 2, midte.y());
    mund.quadTo(midte.x(), midte.y() + dybde, midte.x() + bredde / 2, midte.y());
    p.drawPath(mund);
}

void kinder(QPainter &p, QPointF venstre, QPointF hoejre, qreal r)
{
    flade(p, QColor(255, 135, 160, 150));
    p.drawEllipse(venstre, r, r * 0.7);
    p.drawEllipse(hoejre, r, r * 0.7);
}

// Ears or wings: an ellipse dx to each side of the middle line at height y,
// turned outwards by grader about that place; midte is the ellipse's centre
// from there.
void ellipsePar(QPainter &p, const QColor &farve, qreal dx, qreal y, qreal grader, QPointF midte,
                qreal rx, qreal ry)
{
    for (int side : {-1, 1}) {
        p.save();
        p.translate(50 + side * dx, y);
        p.rotate(side * -grader);
        ellipse(p, farve, midte, rx, ry);
        p.restore();
    }
}

// A five-pointed star with a point straight up: the points ude from midte, the
// notches inde.
QPolygonF femtakket(QPointF midte, qreal inde, qreal ude)
{
    QPolygonF punkter;
    for (int i = 0; i < 10; ++i) {
        const qreal v = qDegreesToRadians(-90.0 + i * 36.0);
        const qreal r = i % 2 ? inde : ude;
        punkter << QPointF(midte.x() + r * qCos(v), midte.y() + r * qSin(v));
    }
    return punkter;
}

// A glad face about the middle line: the right eye and cheek are given, the
// left ones mirror them.
void ansigt(QPainter &p, QPointF oeje, QPointF kind, qreal kindR, QPointF mund, qreal mundBredde,
            qreal mundDybde)
{
    const auto spejl = [](QPointF c) { return QPointF(100 - c.x(), c.y()); };
    oejne(p, spejl(oeje), oeje, 4.5);
    kinder(p, spejl(kind), kind, kindR);
    smil(p, mund, mundBredde, mundDybde);
}

void kat(QPainter &p)
{
    baggrund(p, QColor(0x9f, 0xd3, 0xf0));
    const QColor orange(0xf5, 0xa2, 0x3a);
    polygon(p, orange, {{20, 46}, {26, 12}, {48, 30}});
    polygon(p, orange, {{80, 46}, {74, 12}, {52, 30}});
    polygon(p, QColor(0xff, 0xb3, 0xc6), {{27, 36}, {29, 21}, {40, 30}});
    polygon(p, QColor(0xff, 0xb3, 0xc6), {{73, 36}, {71, 21}, {60, 30}});
    ellipse(p, orange, {50, 56}, 33, 29);
    // Green eyes with slit pupils.
    for (qreal x : {38.0, 62.0}) {
        ellipse(p, QColor(0x8c, 0xe9, 0x9a), {x, 50}, 6, 7.5);
        flade(p, kStreg);
        p.drawEllipse(QPointF(x, 50), 1.8, 5.5);
    }
    polygon(p, QColor(0xff, 0x8f, 0xab), {{45.5, 60}, {54.5, 60}, {50, 65}});
    smil(p, {45.5, 66}, 9, 5);
    smil(p, {54.5, 66}, 9, 5);
    streg(p, 1.8);
    for (int side : {-1, 1}) {
        p.drawLine(QPointF(50 + side * 22, 62), QPointF(50 + side * 42, 57));
        p.drawLine(QPointF(50 + side * 22, 67), QPointF(50 + side * 42, 69));
    }
}

void hund(QPainter &p)
{
    baggrund(p, QColor(0xff, 0xe0, 0x66));
    const QColor brun(0x8b, 0x5a, 0x2b);
    p.save();
    ellipsePar(p, brun, 29, 46, 18, {0, 8}, 10, 24);
    p.restore();
    ellipse(p, QColor(0xd9, 0xa0, 0x66), {50, 52}, 27, 30);
    ellipse(p, QColor(0xf6, 0xe3, 0xc4), {50, 67}, 16, 13);
    oejne(p, {40, 45}, {60, 45}, 5.5);
    ellipse(p, kStreg, {50, 60}, 6, 4.2);
    // The tongue hangs below the mouth, so it is drawn first.
    fyld(p, QColor(0xff, 0x6b, 0x8b));
    p.drawRoundedRect(QRectF(45.5, 68, 9, 12), 4.5, 4.5);
    smil(p, {44, 67}, 12, 5);
    smil(p, {56, 67}, 12, 5);
}

void ugle(QPainter &p)
{
    baggrund(p, QColor(0xb5, 0xe4, 0x8c));
    const QColor brun(0x9c, 0x6b, 0x4a);
    polygon(p, brun, {{24, 34}, {26, 14}, {40, 28}});
    polygon(p, brun, {{76, 34}, {74, 14}, {60, 28}});
    ellipse(p, brun, {50, 56}, 29, 35);
    ellipse(p, QColor(0xf1, 0xd7, 0xb5), {50, 68}, 18, 21);
    // Feathers on the belly.
    streg(p, 1.6);
    p.setBrush(Qt::NoBrush);
    for (QPointF c :
         {QPointF(44, 64), QPointF(56, 64), QPointF(50, 72), QPointF(44, 80), QPointF(56, 80)})
        p.drawArc(QRectF(c.x() - 4, c.y() - 3, 8, 6), 200 * 16, 140 * 16);
    for (qreal x : {38.0, 62.0}) {
        cirkel(p, Qt::white, {x, 42}, 11);
        cirkel(p, QColor(0xff, 0xa9, 0x4d), {x, 42}, 6.5);
        flade(p, kStreg);
        p.drawEllipse(QPointF(x, 42), 3.6, 3.6);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x + 1.4, 40.6), 1.2, 1.2);
    }
    polygon(p, QColor(0xff, 0xa9, 0x4d), {{45.5, 52}, {54.5, 52}, {50, 60}});
    for (qreal x : {42.0, 58.0})
        ellipse(p, QColor(0xff, 0xa9, 0x4d), {x, 91}, 5, 3);
}

void fisk(QPainter &p)
{
    baggrund(p, QColor(0xa0, 0xe7, 0xe5));
    const QColor roed(0xff, 0x6f, 0x59);
    polygon(p, roed, {{70, 52}, {92, 32}, {88, 52}, {92, 72}});
    polygon(p, QColor(0xff, 0xa9, 0x4d), {{36, 36}, {50, 18}, {60, 38}});
    ellipse(p, roed, {44, 52}, 31, 21);
    // White stripes across the body.
    p.save();
    QPainterPath krop;
    krop.addEllipse(QPointF(44, 52), 31, 21);
    p.setClipPath(krop);
    flade(p, Qt::white);
    p.drawRect(QRectF(44, 28, 7, 50));
    p.drawRect(QRectF(60, 28, 5, 50));
    p.restore();
    streg(p);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(44, 52), 31, 21);
    oejne(p, {28, 47}, {28, 47}, 6);
    smil(p, {20, 58}, 8, 3);
    streg(p, 1.8);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(QPointF(16, 24), 4, 4);
    p.drawEllipse(QPointF(24, 14), 3, 3);
    p.drawEllipse(QPointF(12, 12), 2.2, 2.2);
}

void sol(QPainter &p)
{
    baggrund(p, QColor(0x74, 0xc0, 0xfc));
    const QPointF midte(50, 50);
    for (int i = 0; i < 12; ++i) {
        const qreal v = qDegreesToRadians(i * 30.0);
        const qreal s = qDegreesToRadians(9.0);
        polygon(p, QColor(0xff, 0xa9, 0x4d),
                {midte + QPointF(qCos(v - s), qSin(v - s)) * 26,
                 midte + QPointF(qCos(v), qSin(v)) * 44,
                 midte + QPointF(qCos(v + s), qSin(v + s)) * 26});
    }
    cirkel(p, QColor(0xff, 0xd4, 0x3b), midte, 27);
    ansigt(p, {59, 45}, {65, 56}, 4.5, {50, 57}, 18, 10);
}

void raket(QPainter &p)
{
    baggrund(p, QColor(0x34, 0x3a, 0x8c));
    flade(p, QColor(0xff, 0xf3, 0xbf));
    for (QPointF c : {QPointF(16, 18), QPointF(84, 26), QPointF(20, 66), QPointF(82, 76),
                      QPointF(30, 40), QPointF(74, 50), QPointF(12, 86)})
        p.drawEllipse(c, 1.8, 1.8);
    polygon(p, QColor(0xff, 0xd4, 0x3b), {{41, 74}, {59, 74}, {50, 96}});
    polygon(p, QColor(0xff, 0x6b, 0x35), {{44, 74}, {56, 74}, {50, 88}});
    const QColor roed(0xf0, 0x3e, 0x3e);
    polygon(p, roed, {{38, 52}, {24, 76}, {38, 72}});
    polygon(p, roed, {{62, 52}, {76, 76}, {62, 72}});
    QPainterPath krop;
    krop.moveTo(50, 6);
    krop.cubicTo(68, 22, 66, 56, 62, 76);
    krop.lineTo(38, 76);
    krop.cubicTo(34, 56, 32, 22, 50, 6);
    fyld(p, QColor(0xf1, 0xf3, 0xf5));
    p.drawPath(krop);
    // The red nose cone is the top of the body.
    p.save();
    p.setClipRect(QRectF(0, 0, 100, 22));
    fyld(p, roed);
    p.drawPath(krop);
    p.restore();
    cirkel(p, QColor(0x74, 0xc0, 0xfc), {50, 40}, 8);
    streg(p);
    p.drawLine(QPointF(39, 76), QPointF(61, 76));
}

void hus(QPainter &p)
{
    baggrund(p, QColor(0xc3, 0xfa, 0xe8));
    flade(p, QColor(0x69, 0xdb, 0x7c));
    p.drawRoundedRect(QRectF(2, 82, 96, 16), 8, 8);
    fyld(p, QColor(0xad, 0x6a, 0x3b));
    p.drawRect(QRectF(62, 20, 9, 20));
    fyld(p, QColor(0xff, 0xe0, 0x66));
    p.drawRect(QRectF(24, 46, 52, 40));
    polygon(p, QColor(0xe0, 0x31, 0x31), {{16, 50}, {50, 18}, {84, 50}});
    fyld(p, QColor(0x86, 0x4a, 0x2a));
    p.drawRoundedRect(QRectF(43, 62, 14, 24), 3, 3);
    for (qreal x : {28.0, 61.0}) {
        fyld(p, QColor(0xa5, 0xd8, 0xff));
        p.drawRect(QRectF(x, 56, 11, 11));
        streg(p, 1.6);
        p.drawLine(QPointF(x + 5.5, 56), QPointF(x + 5.5, 67));
        p.drawLine(QPointF(x, 61.5), QPointF(x + 11, 61.5));
    }
    cirkel(p, QColor(0xff, 0xd4, 0x3b), {54, 75}, 1.3);
}

void gran(QPainter &p)
{
    baggrund(p, QColor(0xe5, 0xdb, 0xff));
    fyld(p, QColor(0x8b, 0x5a, 0x2b));
    p.drawRect(QRectF(44, 78, 12, 14));
    const QColor groen(0x2f, 0x9e, 0x44);
    polygon(p, groen, {{18, 80}, {50, 46}, {82, 80}});
    polygon(p, groen, {{24, 62}, {50, 30}, {76, 62}});
    polygon(p, groen, {{30, 44}, {50, 16}, {70, 44}});
    for (auto [c, farve] : {std::pair{QPointF(38, 70), QColor(0xf0, 0x3e, 0x3e)},
                            std::pair{QPointF(62, 72), QColor(0x4d, 0xab, 0xf7)},
                            std::pair{QPointF(56, 54), QColor(0xff, 0xd4, 0x3b)},
                            std::pair{QPointF(42, 50), QColor(0xf0, 0x3e, 0x3e)},
                            std::pair{QPointF(50, 36), QColor(0x4d, 0xab, 0xf7)}})
        cirkel(p, farve, c, 3.6);
    polygon(p, QColor(0xff, 0xd4, 0x3b), femtakket({50, 14}, 4, 9));
}

void blomst(QPainter &p)
{
    baggrund(p, QColor(0xff, 0xf3, 0xbf));
    streg(p, 4);
    p.setPen(QPen(QColor(0x2f, 0x9e, 0x44), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, 50), QPointF(50, 94));
    for (int side : {-1, 1}) {
        p.save();
        p.translate(50 + side * 12, 76);
        p.rotate(side * 35);
        ellipse(p, QColor(0x69, 0xdb, 0x7c), {0, 0}, 6, 12);
        p.restore();
    }
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(50, 40);
        p.rotate(i * 45);
        ellipse(p, QColor(0xf7, 0x83, 0xac), {0, -19}, 9, 14);
        p.restore();
    }
    cirkel(p, QColor(0xff, 0xd4, 0x3b), {50, 40}, 13);
    oejne(p, {45, 37}, {55, 37}, 3);
    smil(p, {50, 44}, 8, 4);
}

void stjerne(QPainter &p)
{
    baggrund(p, QColor(0x97, 0x75, 0xfa));
    polygon(p, QColor(0xff, 0xd4, 0x3b), femtakket({50, 54}, 20, 44));
    ansigt(p, {57, 52}, {63, 62}, 3.5, {50, 62}, 12, 7);
}

void bil(QPainter &p)
{
    baggrund(p, QColor(0xd0, 0xeb, 0xff));
    flade(p, QColor(0x86, 0x8e, 0x96));
    p.drawRect(QRectF(2, 80, 96, 6));
    const QColor roed(0xe0, 0x31, 0x31);
    polygon(p, roed, {{26, 52}, {35, 32}, {65, 32}, {76, 52}});
    fyld(p, roed);
    p.drawRoundedRect(QRectF(10, 50, 80, 24), 8, 8);
    fyld(p, QColor(0xa5, 0xd8, 0xff));
    p.drawPolygon(QPolygonF({{31, 50}, {38, 36}, {48, 36}, {48, 50}}));
    p.drawPolygon(QPolygonF({{53, 50}, {53, 36}, {62, 36}, {70, 50}}));
    ellipse(p, QColor(0xff, 0xe0, 0x66), {85, 58}, 3, 4);
    for (qreal x : {29.0, 71.0}) {
        cirkel(p, QColor(0x34, 0x3a, 0x40), {x, 74}, 10);
        cirkel(p, QColor(0xce, 0xd4, 0xda), {x, 74}, 4.5);
    }
}

void robot(QPainter &p)
{
    baggrund(p, QColor(0x63, 0xe6, 0xbe));
    streg(p);
    p.drawLine(QPointF(50, 28), QPointF(50, 14));
    cirkel(p, QColor(0xf0, 0x3e, 0x3e), {50, 12}, 5);
    fyld(p, QColor(0xad, 0xb5, 0xbd));
    p.drawRoundedRect(QRectF(16, 44, 8, 18), 3, 3);
    p.drawRoundedRect(QRectF(76, 44, 8, 18), 3, 3);
    fyld(p, QColor(0xde, 0xe2, 0xe6));
    p.drawRoundedRect(QRectF(22, 28, 56, 52), 10, 10);
    for (qreal x : {38.0, 62.0}) {
        cirkel(p, QColor(0x22, 0xb8, 0xcf), {x, 48}, 8);
        flade(p, kStreg);
        p.drawEllipse(QPointF(x, 48), 3.5, 3.5);
    }
    fyld(p, Qt::white);
    p.drawRoundedRect(QRectF(34, 62, 32, 10), 3, 3);
    streg(p, 1.6);
    for (qreal x : {42.0, 50.0, 58.0})
        p.drawLine(QPointF(x, 62), QPointF(x, 72));
    fyld(p, QColor(0xad, 0xb5, 0xbd));
    p.drawRoundedRect(QRectF(36, 80, 28, 14), 4, 4);
}

void svamp(QPainter &p)
{
    baggrund(p, QColor(0xd3, 0xf9, 0xd8));
    flade(p, QColor(0x8c, 0xe9, 0x9a));
    p.drawRoundedRect(QRectF(2, 84, 96, 14), 7, 7);
    fyld(p, QColor(0xfa, 0xef, 0xd9));
    p.drawRoundedRect(QRectF(36, 48, 28, 40), 10, 10);
    QPainterPath hat;
    hat.moveTo(12, 54);
    hat.cubicTo(12, 14, 88, 14, 88, 54);
    hat.quadTo(50, 62, 12, 54);
    fyld(p, QColor(0xf0, 0x3e, 0x3e));
    p.drawPath(hat);
    flade(p, Qt::white);
    for (auto [c, r] : {std::pair{QPointF(30, 40), 6.0}, std::pair{QPointF(50, 28), 7.0},
                        std::pair{QPointF(70, 40), 6.0}, std::pair{QPointF(42, 48), 3.5},
                        std::pair{QPointF(60, 49), 3.5}})
        p.drawEllipse(c, r, r);
    oejne(p, {44, 68}, {56, 68}, 3.5);
    smil(p, {50, 76}, 8, 4);
}

void pingvin(QPainter &p)
{
    baggrund(p, QColor(0xa5, 0xd8, 0xff));
    const QColor orange(0xff, 0x92, 0x2b);
    for (qreal x : {40.0, 60.0})
        ellipse(p, orange, {x, 90}, 8, 4);
    const QColor sort(0x34, 0x3a, 0x40);
    ellipsePar(p, sort, 27, 62, 20, {0, 0}, 6, 17);
    ellipse(p, sort, {50, 54}, 27, 36);
    ellipse(p, Qt::white, {50, 62}, 19, 26);
    // The white face mask around the eyes.
    flade(p, Qt::white);
    p.drawEllipse(QPointF(42, 38), 9, 10);
    p.drawEllipse(QPointF(58, 38), 9, 10);
    oejne(p, {43, 38}, {57, 38}, 4.5);
    polygon(p, orange, {{44, 47}, {56, 47}, {50, 55}});
    kinder(p, {36, 48}, {64, 48}, 3.5);
}

void sommerfugl(QPainter &p)
{
    baggrund(p, QColor(0xc5, 0xf6, 0xfa));
    const QColor lilla(0xb1, 0x97, 0xfc);
    const QColor orange(0xff, 0xa9, 0x4d);
    const QColor prik(0xff, 0xf3, 0xbf);
    // The wings point outwards, leaving room above the head for the feelers.
    for (int side : {-1, 1}) {
        p.save();
        p.translate(50, 56);
        p.scale(side, 1);
        p.save();
        p.translate(16, 14);
        p.rotate(30);
        ellipse(p, orange, {0, 0}, 14, 10);
        cirkel(p, prik, {2, 0}, 3.5);
        p.restore();
        p.save();
        p.translate(22, -12);
        p.rotate(-35);
        ellipse(p, lilla, {0, 0}, 21, 14);
        cirkel(p, prik, {4, 0}, 5);
        p.restore();
        p.restore();
    }
    streg(p, 2);
    p.setBrush(Qt::NoBrush);
    QPainterPath foelere;
    foelere.moveTo(48, 32);
    foelere.quadTo(44, 16, 36, 14);
    foelere.moveTo(52, 32);
    foelere.quadTo(56, 16, 64, 14);
    p.drawPath(foelere);
    cirkel(p, kStreg, {36, 14}, 1.8);
    cirkel(p, kStreg, {64, 14}, 1.8);
    ellipse(p, QColor(0x49, 0x50, 0x57), {50, 60}, 5, 24);
    cirkel(p, QColor(0x49, 0x50, 0x57), {50, 36}, 6);
}

// Comment pictures of the demo group: wide, as the answer page shows them.
void dannebrog(QPainter &p, const QSize &s)
{
    const QColor roed(0xc8, 0x10, 0x2e);
    p.fillRect(QRect(QPoint(0, 0), s), roed);
    // The flag is 28 by 37: the cross is 4 wide, 12 from the top and the hoist.
    const qreal enhed = s.height() / 28.0;
    p.fillRect(QRectF(12 * enhed, 0, 4 * enhed, s.height()), Qt::white);
    p.fillRect(QRectF(0, 12 * enhed, s.width(), 4 * enhed), Qt::white);
}

void solsystemet(QPainter &p, const QSize &s)
{
    p.fillRect(QRect(QPoint(0, 0), s), QColor(0x14, 0x17, 0x3d));
    p.scale(s.width() / 160.0, s.height() / 100.0);
    flade(p, QColor(255, 255, 255, 200));
    for (QPointF c : {QPointF(40, 10), QPointF(70, 88), QPointF(110, 14), QPointF(150, 80),
                      QPointF(95, 92), QPointF(130, 40), QPointF(58, 22)})
        p.drawEllipse(c, 0.8, 0.8);
    p.setBrush(QColor(0xff, 0xd4, 0x3b));
    p.drawEllipse(QPointF(-20, 50), 42, 42);
    struct Planet
    {
        qreal x, r;
        QColor farve;
    };
    const Planet planeter[] = {
        {30, 2.5, QColor(0xad, 0xb5, 0xbd)}, {42, 4, QColor(0xff, 0xc0, 0x78)},
        {56, 4.3, QColor(0x4d, 0xab, 0xf7)}, {69, 3.2, QColor(0xf0, 0x3e, 0x3e)},
        {88, 10, QColor(0xe8, 0xb0, 0x7a)},  {114, 8.5, QColor(0xf5, 0xd5, 0x8b)},
        {136, 6, QColor(0x99, 0xe9, 0xf2)},  {153, 5.8, QColor(0x4c, 0x6e, 0xf5)}};
    for (const Planet &pl : planeter) {
        p.setBrush(pl.farve);
        p.drawEllipse(QPointF(pl.x, 50), pl.r, pl.r);
    }
    p.setPen(QPen(QColor(0xf5, 0xd5, 0x8b), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(114, 50), 14, 3.5);
    // The planet nearest the sun is ringed, as the question asks for it.
    p.setPen(QPen(QColor(0xff, 0xe0, 0x66), 1, Qt::DashLine));
    p.drawEllipse(QPointF(30, 50), 6, 6);
}

// The program icon: a question mark on a speech bubble. Menus and panels show
// it at 16 to 24 pixels, where thin lines and margins blur away: there the
// bubble fills more of the square and the question mark is drawn bolder.
void ikon(QPainter &p, bool lille)
{
    const QColor orange = lille ? QColor(0xe0, 0x70, 0x00) : QColor(0xf0, 0x8c, 0x00);
    QLinearGradient blaa(0, 0, 0, 100);
    blaa.setColorAt(0, QColor(0x4d, 0xab, 0xf7));
    blaa.setColorAt(1, QColor(0x19, 0x71, 0xc2));
    flade(p, blaa);
    QPainterPath boble;
    QPainterPath hale;
    QPainterPath spoergsmaal;
    if (lille) {
        // Edges on whole pixels of the 16-pixel icon (6.25 units each).
        p.drawRoundedRect(QRectF(0, 0, 100, 100), 18, 18);
        boble.addRoundedRect(QRectF(6.25, 6.25, 87.5, 68.75), 15, 15);
        hale.moveTo(22, 70);
        hale.lineTo(15.6, 93.75);
        hale.lineTo(40, 75);
        spoergsmaal.moveTo(50 + 12.5 * qCos(qDegreesToRadians(160.0)),
                           31.25 - 12.5 * qSin(qDegreesToRadians(160.0)));
        spoergsmaal.arcTo(QRectF(37.5, 18.75, 25, 25), 160, -200);
        spoergsmaal.quadTo(50, 40, 50, 43.75);
    } else {
        p.drawRoundedRect(QRectF(4, 4, 92, 92), 20, 20);
        boble.addRoundedRect(QRectF(16, 14, 68, 58), 18, 18);
        hale.moveTo(30, 66);
        hale.lineTo(24, 88);
        hale.lineTo(48, 70);
        spoergsmaal.moveTo(50 + 12 * qCos(qDegreesToRadians(160.0)),
                           34 - 12 * qSin(qDegreesToRadians(160.0)));
        spoergsmaal.arcTo(QRectF(38, 22, 24, 24), 160, -230);
        spoergsmaal.quadTo(50, 48, 50, 54);
    }
    p.setBrush(Qt::white);
    p.drawPath(boble.united(hale));
    p.setPen(QPen(orange, lille ? 12.5 : 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(spoergsmaal);
    flade(p, orange);
    if (lille)
        p.drawEllipse(QPointF(50, 62.5), 6.25, 6.25);
    else
        p.drawEllipse(QPointF(50, 63), 4.5, 4.5);
}

bool gem(const QString &fil, const QSize &stoerrelse,
         const std::function<void(QPainter &, const QSize &)> &tegn)
{
    QImage billede(stoerrelse, QImage::Format_ARGB32_Premultiplied);
    billede.fill(Qt::transparent);
    {
        QPainter p(&billede);
        p.setRenderHint(QPainter::Antialiasing);
        tegn(p, stoerrelse);
    }
    if (!QDir().mkpath(QFileInfo(fil).path()) || !billede.save(fil, "PNG")) {
        std::fprintf(stderr, "tegninger: %s cannot be written\n", qPrintable(fil));
        return false;
    }
    return true;
}

bool gemKvadrat(const QString &fil, int side, const Tegning &tegn)
{
    return gem(fil, QSize(side, side), [&](QPainter &p, const QSize &s) {
        p.scale(s.width() / 100.0, s.height() / 100.0);
        tegn(p);
    });
}

// The scalable icon, for menus and panels of any size: the large drawing.
bool gemSvg(const QString &fil)
{
    QSvgGenerator svg;
    svg.setFileName(fil);
    svg.setSize(QSize(100, 100));
    svg.setViewBox(QRectF(0, 0, 100, 100));
    svg.setTitle(QStringLiteral("Kvidrel"));
    svg.setDescription(QStringLiteral("The Kvidrel program icon"));
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "tegninger: %s cannot be written\n", qPrintable(fil));
        return false;
    }
    p.setRenderHint(QPainter::Antialiasing);
    // The icon has no text, but every group states a font: a valid size.
    QFont skrift = p.font();
    skrift.setPointSize(10);
    p.setFont(skrift);
    ikon(p, false);
    return p.end();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tegninger <output folder>\n");
        return 2;
    }
    const QString ud = QString::fromLocal8Bit(argv[1]);
    // Participant pictures are shown at 150 to 180 pixels; 256 leaves room.
    const std::pair<const char *, Tegning> tegninger[] = {
        {"Kat", kat},         {"Hund", hund},       {"Ugle", ugle},
        {"Fisk", fisk},       {"Sol", sol},         {"Raket", raket},
        {"Hus", hus},         {"Gran", gran},       {"Blomst", blomst},
        {"Stjerne", stjerne}, {"Bil", bil},         {"Robot", robot},
        {"Svamp", svamp},     {"Pingvin", pingvin}, {"Sommerfugl", sommerfugl}};
    bool ok = true;
    for (const auto &[navn, tegn] : tegninger)
        ok &= gemKvadrat(ud + QStringLiteral("/Billeder/") + QLatin1String(navn) +
                             QStringLiteral(".png"),
                         256, tegn);

    const QString kommentarer = ud + QStringLiteral("/Grupper/Eksempler/Kommentarer/");
    ok &= gem(kommentarer + QStringLiteral("Dannebrog.png"), QSize(444, 336), dannebrog);
    ok &= gem(kommentarer + QStringLiteral("Solsystemet.png"), QSize(480, 300), solsystemet);

    for (int side : {16, 22, 24, 32, 48, 64, 128, 256})
        ok &= gemKvadrat(ud + QStringLiteral("/ikoner/kvidrel-%1.png").arg(side), side,
                         [side](QPainter &p) { ikon(p, side <= 24); });
    ok &= gemSvg(ud + QStringLiteral("/ikoner/kvidrel.svg"));
    return ok ? 0 : 1;
}
