#pragma once

// Own controls draw into a picture of their own and show it in their paint
// event. On a high-density screen, or when the board is scaled up to fill a
// projector, that picture is made at the real pixel density, so texts and
// lines are drawn sharp instead of shown as a blown-up picture. The drawing
// itself stays in design coordinates: the picture's device pixel ratio makes
// its painter scale everything.

#include <QImage>
#include <QPointF>
#include <QSize>

class QPainter;

namespace kvidrel {

// Device pixels per design pixel of the paint under way: the device pixel
// ratio and any outer transform together. Below 1 the picture stays at design
// size, since a one-pixel line could vanish.
qreal maleSkala(const QPainter &P);

bool sammeSkala(qreal A, qreal B);

// The device pixels that Str design pixels cover at Skala.
QSize skaleretStoerrelse(QSize Str, qreal Skala);
// A picture for a control of Str design pixels painted at Skala.
QImage skaleretBillede(QSize Str, qreal Skala);

// Shows Billede with its top left corner at Sted. When its density matches the
// paint's, each picture pixel lands on one device pixel, without smoothing that
// would blur it at a fractional offset.
void visBillede(QPainter &P, const QImage &Billede, QPointF Sted = {});

} // namespace kvidrel
