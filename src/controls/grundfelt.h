#pragma once

// The custom-painted control that every field control builds on. A paint
// event draws the whole control through Paint, straight onto the screen. A
// direct redraw draws a part at once through Canvas, between paints; from the
// first one on, the control keeps a picture of itself: all drawing goes to it,
// it is up to date before the drawing call returns, and a paint event shows
// it. Most fields are never drawn between paints and hold no second copy of
// their pixels. The canvas is one object for the control's lifetime, so a
// scroll bar may keep drawing on it between paints. The picture follows the
// scale of the paint (see skala.h); a paint at a new scale draws it afresh,
// and direct drawing uses the scale last painted at.

#include "canvas.h"
#include "drawtypes.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cstdint>
#include <memory>

namespace kvidrel {

// Cursor identifiers of the platform's cursor table.
using TCursor = std::int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHandPoint = -21;

// The Qt cursor shape shown for a cursor identifier.
Qt::CursorShape toQtCursor(TCursor Cursor);

class TGrundFelt : public QWidget
{
public:
    explicit TGrundFelt(QWidget *AOwner = nullptr);
    ~TGrundFelt() override;

    // Background colour; the picture is filled with it before each full paint.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // The font handed to the text components.
    const TFont &Font() const { return FFont; }
    void SetFont(const TFont &Value);
    // The control's own enabled flag (a disabled parent does not clear it).
    bool Enabled() const;
    void SetEnabled(bool Value) { setEnabled(Value); }

    // Texts drawn smoothed, as players across a room read them best; off, text
    // pixels are exact, which the pixel tests rely on.
    bool GlatTekst() const { return FGlatTekst; }
    void SetGlatTekst(bool Value);

    // Whether the control's tooltip is shown.
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value) { FShowHint = Value; }

    std::int32_t Width() const { return width(); }
    std::int32_t Height() const { return height(); }
    void SetWidth(std::int32_t Value) { resize(Value, height()); }
    void SetHeight(std::int32_t Value) { resize(width(), Value); }

    // The control's canvas; each full paint starts it with the control's font
    // and a solid brush in Color. What is drawn on it between paints is shown
    // at the next paint event.
    TCanvas &Canvas();
    // The control's picture as drawn so far, at Skala device pixels per pixel
    // (made now, from what the screen shows, if the control had none).
    const QImage &Billede();
    qreal Skala() const { return FSkala; }
    // Whether the control has been drawn on between paints and keeps a picture.
    bool HarBillede() const { return FMaade == TMaade::Billede; }

    // The whole control is to be painted again (at the next paint event).
    void Invalidate();
    // A full paint is pending.
    bool Ugyldig() const { return FUgyldig; }
    // Paints the whole control into its picture now (making one if need be).
    void Repaint();

protected:
    // Draws the whole control on Canvas; the picture is already filled with Color.
    virtual void Paint() {}
    // Called after every full paint.
    virtual void Malet() {}
    // The control's size changed since its picture was made (also while hidden).
    virtual void StoerrelseAendret() {}

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    enum class TMaade
    {
        Direkte, // painted straight onto the screen
        Billede, // drawn into FBillede, which a paint shows
    };

    void BegyndMaler(QPaintDevice *Enhed);
    void SikrStoerrelse();
    void SikrBillede();
    void FoerTegning();
    void TegnBillede();
    void MalDirekte();

    TColor FColor = clWindow;
    TFont FFont;
    TMaade FMaade = TMaade::Direkte;
    QImage FBillede;
    QImage FMaaleBillede; // the painter's device between direct paints
    QSize FBilledStr;     // the size the picture and layout were made for
    qreal FSkala;
    QPainter FMaler; // stays active on FBillede or FMaaleBillede
    std::unique_ptr<TCanvas> FCanvas;
    bool FUgyldig = true;
    bool FShowHint = true;
    bool FGlatTekst = false;
    bool FTegner = false; // a full paint is under way
};

} // namespace kvidrel
