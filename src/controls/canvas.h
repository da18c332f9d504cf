#pragma once

// A thin canvas over QPainter with the pixel conventions the drawing code relies
// on: antialiasing off, LineTo stops before its end point, FillRect leaves out the
// Right column and the Bottom row, Rectangle borders lie on x1, x2-1, y1 and y2-1.

#include "drawtypes.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPalette>
#include <QPixmap>

#include <functional>
#include <optional>

class QPainter;
class QPaintDevice;

namespace kvidrel {

// Resolves $00BBGGRR and the system colours ($FF0000nn) through a palette.
QColor toQColor(TColor color, const QPalette &palette);
QColor toQColor(TColor color); // through the application palette

// The QFont for a TFont: pixel height, styles; the face falls back to sans-serif.
QFont toQFont(const TFont &font);

struct TPen
{
    TColor Color = clBlack;
    std::int32_t Width = 1;
};

struct TBrush
{
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

class TCanvas
{
public:
    explicit TCanvas(QPaintDevice *device);
    explicit TCanvas(QPainter *painter); // draws through a painter someone else owns
    ~TCanvas();
    TCanvas(const TCanvas &) = delete;
    TCanvas &operator=(const TCanvas &) = delete;

    TFont Font;
    TPen Pen;
    TBrush Brush;

    std::int32_t TextWidth(const QString &text);
    std::int32_t TextHeight(const QString &text);
    // Top-left of the text cell at (x, y); the background is filled when the
    // brush is solid, as the platform canvas does.
    void TextOut(std::int32_t x, std::int32_t y, const QString &text);

    void MoveTo(std::int32_t x, std::int32_t y);
    void LineTo(std::int32_t x, std::int32_t y);
    TPoint PenPos() const { return FPenPos; }

    void FillRect(const TRect &r);
    void Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    void Rectangle(const TRect &r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void Polygon(const TPoint *points, int count);
    void Draw(std::int32_t x, std::int32_t y, const QImage &image);
    void StretchDraw(const TRect &r, const QImage &image);
    void CopyRect(const TRect &dest, const QImage &source, const TRect &src);

    void SetPixel(std::int32_t x, std::int32_t y, TColor color);

    // Called before anything is drawn (not before a measurement): the owner
    // may first have to get a picture ready to draw on.
    void SetFoerTegning(std::function<void()> Handling) { FFoerTegning = std::move(Handling); }
    // Texts smoothed or with exact pixels; shapes always land on exact pixels.
    void SetGlatTekst(bool glat);
    QPainter *painter() const { return FPainter; }
    const QPalette &palette() const { return FPalette; }
    void setPalette(const QPalette &palette) { FPalette = palette; }

private:
    void applyPen();
    void applyBrush();
    const QFontMetrics &applyFont();
    QColor color(TColor c) const { return toQColor(c, FPalette); }
    void plot(std::int32_t x, std::int32_t y, const QColor &c, std::int32_t w);
    void foerTegning()
    {
        if (FFoerTegning)
            FFoerTegning();
    }

    QPainter *FPainter = nullptr;
    bool FOwnsPainter = false;
    QPalette FPalette;
    TPoint FPenPos;
    // The font last handed to the painter, so that measuring character by
    // character does not rebuild it each time.
    TFont FAppliedFont;
    QFont FQFont;
    std::optional<QFontMetrics> FMetrics;
    QHash<char16_t, std::int32_t> FTegnBredder; // one-character widths in that font
    std::function<void()> FFoerTegning;
};

} // namespace kvidrel
