#include "dialogpictures.h"

#include <QPainter>
#include <QPainterPath>

namespace kvidrel::dialogpictures {

namespace {

constexpr int kSize = 16;
const QColor kSignBlue(0x1f, 0x4f, 0xc8);
const QColor kFrameGrey(0x80, 0x80, 0x80);

QPixmap transparentPixmap()
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The white square with its two-tone frame that both signs sit in.
void drawFramedSquare(QPainter &p)
{
    p.fillRect(0, 0, kSize, kSize, Qt::white);
    p.setPen(kFrameGrey);
    p.drawLine(0, 0, kSize - 1, 0);
    p.drawLine(0, 0, 0, kSize - 1);
    p.setPen(Qt::black);
    p.drawLine(kSize - 1, 0, kSize - 1, kSize - 1);
    p.drawLine(0, kSize - 1, kSize - 1, kSize - 1);
}

} // namespace

QPixmap infoPicture()
{
    QPixmap pixmap = transparentPixmap();
    QPainter p(&pixmap);
    drawFramedSquare(p);
    p.fillRect(7, 3, 2, 2, kSignBlue);  // the dot
    p.fillRect(6, 6, 3, 1, kSignBlue);  // the stem's top serif
    p.fillRect(7, 6, 2, 6, kSignBlue);  // the stem
    p.fillRect(6, 12, 4, 1, kSignBlue); // the foot
    return pixmap;
}

QPixmap questionPicture()
{
    QPixmap pixmap = transparentPixmap();
    QPainter p(&pixmap);
    drawFramedSquare(p);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(kSignBlue, 2.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    p.setPen(pen);
    QPainterPath hook;
    hook.moveTo(5.0, 6.0);
    hook.cubicTo(5.0, 2.5, 11.0, 2.5, 11.0, 5.5);
    hook.cubicTo(11.0, 7.5, 8.0, 7.5, 8.0, 10.0);
    p.drawPath(hook);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(7, 11, 2, 2, kSignBlue); // the dot
    return pixmap;
}

QPixmap checkMarkPicture()
{
    QPixmap pixmap = transparentPixmap();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x10, 0x90, 0x10), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF tick[] = {{3.0, 8.5}, {6.5, 12.0}, {13.0, 4.0}};
    p.drawPolyline(tick, 3);
    return pixmap;
}

} // namespace kvidrel::dialogpictures
