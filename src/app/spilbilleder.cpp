#include "spilbilleder.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace kvidrel::spilbilleder {

namespace {

constexpr int kSize = 32;

// Drawn once per pixel density, so a high-density screen gets a sharp picture
// instead of the 1x one blown up.
QIcon tegn(const std::function<void(QPainter &)> &maling)
{
    QIcon ikon;
    for (int taethed : {1, 2}) {
        QPixmap pixmap(kSize * taethed, kSize * taethed);
        pixmap.setDevicePixelRatio(taethed);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        maling(p);
        p.end();
        ikon.addPixmap(pixmap);
    }
    return ikon;
}

void disk(QPainter &p, const QColor &fyld)
{
    p.setPen(QPen(fyld.darker(150), 1.5));
    p.setBrush(fyld);
    p.drawEllipse(QRectF(2, 2, kSize - 4, kSize - 4));
}

void bogstav(QPainter &p, const QString &tekst, const QColor &farve)
{
    QFont font = p.font();
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(farve);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, tekst);
}

void person(QPainter &p, qreal x, qreal y, qreal skala, const QColor &farve)
{
    p.setPen(QPen(farve.darker(160), 1));
    p.setBrush(farve);
    p.drawEllipse(QPointF(x, y), 4.5 * skala, 4.5 * skala);
    QPainterPath krop;
    krop.addRoundedRect(QRectF(x - 8 * skala, y + 6 * skala, 16 * skala, 12 * skala), 5 * skala,
                        5 * skala);
    p.drawPath(krop);
}

} // namespace

QIcon informationPicture()
{
    return tegn([](QPainter &p) {
        disk(p, QColor(30, 90, 200));
        bogstav(p, QStringLiteral("i"), Qt::white);
    });
}

QIcon deltagerePicture()
{
    return tegn([](QPainter &p) {
        person(p, 20, 8, 0.9, QColor(60, 150, 60));
        person(p, 12, 11, 1.0, QColor(40, 100, 210));
    });
}

QIcon spoergsmaalPicture()
{
    return tegn([](QPainter &p) {
        disk(p, QColor(250, 200, 30));
        bogstav(p, QStringLiteral("?"), QColor(120, 40, 0));
    });
}

QIcon startPicture()
{
    return tegn([](QPainter &p) {
        const QPointF spids[] = {{8, 4}, {28, 16}, {8, 28}};
        p.setPen(QPen(QColor(20, 110, 20), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(40, 170, 40));
        p.drawPolygon(spids, 3);
    });
}

QIcon naestePicture()
{
    return tegn([](QPainter &p) {
        const QPointF pil[] = {{3, 12}, {17, 12}, {17, 5}, {29, 16}, {17, 27}, {17, 20}, {3, 20}};
        p.setPen(QPen(QColor(20, 60, 150), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(40, 110, 220));
        p.drawPolygon(pil, 7);
    });
}

QIcon fuldskaermPicture()
{
    return tegn([](QPainter &p) {
        p.setPen(QPen(QColor(20, 40, 90), 2));
        p.setBrush(QColor(40, 110, 220));
        p.drawRoundedRect(QRectF(3, 6, 26, 20), 2, 2);
        // Four arrows from the middle out to the screen's corners.
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        const QPointF midte(16, 16);
        for (const QPointF hjoerne :
             {QPointF(8, 10), QPointF(24, 10), QPointF(8, 22), QPointF(24, 22)}) {
            const QPointF retning = hjoerne - midte;
            p.drawLine(midte + retning * 0.3, hjoerne);
            const QPointF vandret(-retning.x() * 0.5, 0);
            const QPointF lodret(0, -retning.y() * 0.5);
            p.drawLine(hjoerne, hjoerne + vandret);
            p.drawLine(hjoerne, hjoerne + lodret);
        }
    });
}

} // namespace kvidrel::spilbilleder
