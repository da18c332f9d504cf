#include "skala.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace kvidrel {

namespace {
// A transform gone wild must not ask for a picture of gigabytes.
constexpr qreal kStoersteSkala = 8;

// The device transform holds the device pixel ratio as well as the world
// transform and that of a painter handed down by QWidget::render.
qreal enhedSkala(const QPainter &P)
{
    const QTransform T = P.deviceTransform();
    return std::max(std::hypot(T.m11(), T.m12()), std::hypot(T.m21(), T.m22()));
}

} // namespace

qreal maleSkala(const QPainter &P)
{
    const qreal Skala = enhedSkala(P);
    if (!std::isfinite(Skala))
        return 1;
    return std::clamp(Skala, qreal(1), kStoersteSkala);
}

bool sammeSkala(qreal A, qreal B)
{
    return std::abs(A - B) < 1e-6;
}

QSize skaleretStoerrelse(QSize Str, qreal Skala)
{
    // A hair below a whole pixel is floating-point noise, not a pixel more.
    const auto Pixels = [Skala](int N) { return int(std::ceil(N * Skala - 1e-6)); };
    return {Pixels(Str.width()), Pixels(Str.height())};
}

QImage skaleretBillede(QSize Str, qreal Skala)
{
    QImage Billede(skaleretStoerrelse(Str, Skala), QImage::Format_RGB32);
    Billede.setDevicePixelRatio(Skala);
    return Billede;
}

void visBillede(QPainter &P, const QImage &Billede, QPointF Sted)
{
    P.setRenderHint(QPainter::SmoothPixmapTransform,
                    !sammeSkala(enhedSkala(P), Billede.devicePixelRatio()));
    P.drawImage(Sted, Billede);
}

} // namespace kvidrel
