#include "grundfelt.h"

#include <QEvent>
#include <QPainter>
#include <QResizeEvent>

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

TGrundFelt::TGrundFelt(QWidget *AOwner) : QWidget(AOwner)
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
    if (FBillede.size() == Str)
        return;
    // The canvas object stays; only its painter moves to the new picture.
    if (FMaler.isActive())
        FMaler.end();
    FBillede = QImage(Str, QImage::Format_RGB32);
    FBillede.fill(toQColor(FColor, palette()));
    FMaler.begin(&FBillede);
    // Shapes and texts land on exact pixels.
    FMaler.setRenderHint(QPainter::Antialiasing, false);
    FMaler.setRenderHint(QPainter::TextAntialiasing, false);
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
    SikrStoerrelse();
    if (FUgyldig)
        TegnBillede();
    QPainter P(this);
    P.drawImage(0, 0, FBillede);
}

void TGrundFelt::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Qt also sends one when only the contents margins change.
    if (event->size() != FBillede.size())
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
