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
    // Every pixel is painted, so Qt need not clear the area first.
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

void TGrundFelt::BegyndMaler(QPaintDevice *Enhed)
{
    if (FMaler.isActive())
        FMaler.end();
    FMaler.begin(Enhed);
    // Shapes and texts land on exact pixels.
    FMaler.setRenderHint(QPainter::Antialiasing, false);
    FMaler.setRenderHint(QPainter::TextAntialiasing, FGlatTekst);
    // Pictures in the fields are stretched anyway when scaled up; smoothed,
    // they do not turn blocky.
    FMaler.setRenderHint(QPainter::SmoothPixmapTransform, !sammeSkala(maleSkala(FMaler), 1));
    if (!FCanvas) {
        FCanvas = std::make_unique<TCanvas>(&FMaler);
        FCanvas->SetGlatTekst(FGlatTekst);
        FCanvas->SetFoerTegning([this] { FoerTegning(); });
    }
}

void TGrundFelt::SikrStoerrelse()
{
    const QSize Str(qMax(width(), 1), qMax(height(), 1));
    const bool NyStr = FBilledStr != Str;
    if (FMaade == TMaade::Direkte) {
        // Between paints the canvas measures text on a one-pixel picture.
        if (FMaaleBillede.isNull()) {
            FMaaleBillede = QImage(1, 1, QImage::Format_RGB32);
            BegyndMaler(&FMaaleBillede);
        }
        if (!NyStr)
            return;
        FBilledStr = Str;
        FUgyldig = true;
        StoerrelseAendret();
        return;
    }
    const bool Foerste = FBillede.isNull();
    if (!Foerste && !NyStr && sammeSkala(FBillede.devicePixelRatio(), FSkala))
        return;
    // The painter lets go of the old picture before it goes.
    if (FMaler.isActive())
        FMaler.end();
    FBillede = skaleretBillede(Str, FSkala);
    FBilledStr = Str;
    FBillede.fill(toQColor(FColor, palette()));
    // The canvas object stays; only its painter moves to the new picture.
    BegyndMaler(&FBillede);
    FMaaleBillede = QImage();
    FUgyldig = true;
    // A field that only now gets its picture keeps its size and layout.
    if (NyStr || !Foerste)
        StoerrelseAendret();
}

void TGrundFelt::SikrBillede()
{
    if (FMaade == TMaade::Billede)
        return;
    SikrStoerrelse();
    const bool Vist = !FUgyldig;
    FMaade = TMaade::Billede;
    SikrStoerrelse();
    // The picture starts as what the screen shows; a pending full paint
    // draws it anyway.
    if (Vist) {
        TCanvas &Can = *FCanvas;
        const TFont Font = Can.Font;
        const TPen Pen = Can.Pen;
        const TBrush Brush = Can.Brush;
        const TPoint Pos = Can.PenPos();
        TegnBillede();
        Can.Font = Font;
        Can.Pen = Pen;
        Can.Brush = Brush;
        Can.MoveTo(Pos.X, Pos.Y);
    }
}

void TGrundFelt::FoerTegning()
{
    if (FTegner)
        return;
    // Drawn between paints: kept in a picture of its own from now on, and
    // shown at the next paint.
    SikrBillede();
    update();
}

TCanvas &TGrundFelt::Canvas()
{
    SikrStoerrelse();
    return *FCanvas;
}

const QImage &TGrundFelt::Billede()
{
    SikrBillede();
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
    SikrBillede();
    TegnBillede();
    Malet();
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
}

void TGrundFelt::MalDirekte()
{
    SikrStoerrelse();
    const bool VarUgyldig = FUgyldig;
    BegyndMaler(this);
    FSkala = maleSkala(FMaler);
    TegnBillede();
    BegyndMaler(&FMaaleBillede);
    if (VarUgyldig)
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
    if (FMaade == TMaade::Direkte) {
        MalDirekte();
        return;
    }
    QPainter P(this);
    const qreal Skala = maleSkala(P);
    if (!sammeSkala(Skala, FSkala)) {
        FSkala = Skala;
        FUgyldig = true;
    }
    SikrStoerrelse();
    if (FUgyldig) {
        TegnBillede();
        Malet();
    }
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
