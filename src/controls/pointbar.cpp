#include "pointbar.h"

#include "canvas.h"

#include <QPainter>
#include <algorithm>

namespace kvidrel {

TPointBar::TPointBar(QWidget *AOwner) : QWidget(AOwner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPointBar::SetPosition(std::int32_t Value)
{
    Value = std::clamp(Value, FMin, FMax);
    if (Value == FPosition)
        return;
    FPosition = Value;
    update();
}

void TPointBar::SetTilstand(TTilstand Value)
{
    if (Value == FTilstand)
        return;
    FTilstand = Value;
    update();
}

void TPointBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect alt = rect();
    p.fillRect(alt, toQColor(FBaggrundFarve));
    const QRect inde = alt.adjusted(2, 2, -2, -2);
    const int hojde = FMax > FMin ? inde.height() * (FPosition - FMin) / (FMax - FMin) : 0;
    if (hojde > 0) {
        const QRect bar(inde.left(), inde.bottom() + 1 - hojde, inde.width(), hojde);
        if (FTilstand == TTilstand::Pause) {
            // Arrived: darker, with stripes, so the change reads from afar.
            p.fillRect(bar, toQColor(pauseFarve));
            p.fillRect(bar, QBrush(toQColor(FBaggrundFarve), Qt::BDiagPattern));
        } else {
            p.fillRect(bar, toQColor(FBarFarve));
        }
    }
    // The outline as fills, not a pen: scaled up, a pen would be centred on
    // the edge and leave half of it outside the bar.
    const QColor Graa = toQColor(clGray);
    p.fillRect(QRect(alt.left(), alt.top(), alt.width(), 1), Graa);
    p.fillRect(QRect(alt.left(), alt.bottom(), alt.width(), 1), Graa);
    p.fillRect(QRect(alt.left(), alt.top(), 1, alt.height()), Graa);
    p.fillRect(QRect(alt.right(), alt.top(), 1, alt.height()), Graa);
}

} // namespace kvidrel
