#include "grundfelt.h"

#include "skala.h"

#include <QEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <utility>

namespace kvidrel {

Qt::CursorShape toQtCursor(TCursor Cursor)
{
    switch (Cursor) {
    case crCross:
        return Qt::CrossCursor;
    case crIBeam:
        return Qt::IBeamCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    case -5: // size all
        return Qt::SizeAllCursor;
    case -6: // size north-east/south-west
        return Qt::SizeBDiagCursor;
    case -7: // size north/south
        return Qt::SizeVerCursor;
    case -8: // size north-west/south-east
        return Qt::SizeFDiagCursor;
    case -9: // size west/east
        return Qt::SizeHorCursor;
    case -11: // hour glass
        return Qt::WaitCursor;
    case -18: // no
        return Qt::ForbiddenCursor;
    case -19: // app start
        return Qt::BusyCursor;
    case -20: // help
        return Qt::WhatsThisCursor;
    default:
        return Qt::ArrowCursor;
    }
}

TGrundFelt::TGrundFelt(QWidget *AOwner)
    : QWidget(AOwner), FSkala(std::max(devicePixelRatioF(), qreal(1)))
{
    // Every pixel comes from the picture, so Qt need not clear the area first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(64, 64);
}

TGrundFelt::~TGrundFelt()
{
    FCanvas.reset();
    if (FMaler.isActive())
        FMaler.end();
}

void TGrundFelt::SetColor(TColor Value)
{
    if (FColor == Value)
        return;
    FColor = Value;
    Invalidate();
}

void TGrundFelt::SetFont(const TFont &Value)
{
    if (FFont == Value)
        return;
    FFont = Value;
    Invalidate();
}

void TGrundFelt::SetGlatTekst(bool Value)
{
    if (FGlatTekst == Value)
        return;
    FGlatTekst = Value;
    if (FCanvas)
        FCanvas->SetGlatTekst(Value);
    Invalidate();
}

bool TGrundFelt::Enabled() const
{
    return !testAttribute(Qt::WA_ForceDisabled);
}

void TGrundFelt::SikrStoerrelse()
{
    const QSize Str(qMax(width(), 1), qMax(height(), 1));
    if (FBilledStr == Str && sammeSkala(FBillede.devicePixelRatio(), FSkala))
        return;
    // The canvas object stays; only its painter moves to the new picture.
    if (FMaler.isActive())
        FMaler.end();
    FBillede = skaleretBillede(Str, FSkala);
    FBilledStr = Str;
    FBillede.fill(toQColor(FColor, palette()));
    FMaler.begin(&FBillede);
    // Shapes and texts land on exact pixels.
    FMaler.setRenderHint(QPainter::Antialiasing, false);
    FMaler.setRenderHint(QPainter::TextAntialiasing, false);
    // Pictures in the fields are stretched anyway when scaled up; smoothed,
    // they do not turn blocky.
    FMaler.setRenderHint(QPainter::SmoothPixmapTransform, !sammeSkala(FSkala, 1));
    if (!FCanvas)
        FCanvas = std::make_unique<TCanvas>(&FMaler);
    FCanvas->SetGlatTekst(FGlatTekst);
    FUgyldig = true;
    StoerrelseAendret();
}

TCanvas &TGrundFelt::Canvas()
{
    SikrStoerrelse();
    // Whatever is drawn now is to be shown; a full paint shows it anyway.
    if (!FTegner)
        update();
    return *FCanvas;
}

const QImage &TGrundFelt::Billede()
{
    SikrStoerrelse();
    return FBillede;
}

void TGrundFelt::Invalidate()
{
    FUgyldig = true;
    update();
}

void TGrundFelt::Repaint()
{
    Invalidate();
    SikrStoerrelse();
    TegnBillede();
}

void TGrundFelt::TegnBillede()
{
    SikrStoerrelse();
    FUgyldig = false;
    const bool VarTegner = std::exchange(FTegner, true);
    TCanvas &Can = *FCanvas;
    Can.setPalette(palette());
    Can.Font = FFont;
    Can.Brush.Color = FColor;
    Can.Brush.Style = bsSolid;
    Can.FillRect(Rect(0, 0, width(), height()));
    Paint();
    FTegner = VarTegner;
    Malet();
}

bool TGrundFelt::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && !FShowHint) {
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

void TGrundFelt::paintEvent(QPaintEvent *)
{
    QPainter P(this);
    const qreal Skala = maleSkala(P);
    if (!sammeSkala(Skala, FSkala)) {
        FSkala = Skala;
        FUgyldig = true;
    }
    SikrStoerrelse();
    if (FUgyldig)
        TegnBillede();
    visBillede(P, FBillede);
}

void TGrundFelt::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Qt also sends one when only the contents margins change.
    if (event->size() != FBilledStr)
        Invalidate();
}

void TGrundFelt::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::PaletteChange:
        Invalidate();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

} // namespace kvidrel
