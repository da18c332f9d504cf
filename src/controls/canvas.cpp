#include "canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPolygon>

#include <cstdlib>
#include <utility>

namespace kvidrel {

namespace {

bool isSystemColor(TColor color)
{
    return (std::uint32_t(color) & 0xFF000000u) == 0xFF000000u;
}

// The platform's system colour indexes mapped onto palette roles.
QColor systemColor(int index, const QPalette &palette)
{
    switch (index) {
    case 0:  // scroll bar
    case 15: // button face
    case 4:  // menu
    case 25: // 3D light (close to the face)
        return palette.color(QPalette::Button);
    case 1:  // desktop
    case 21: // 3D dark shadow
        return palette.color(QPalette::Shadow);
    case 2:  // active caption
    case 13: // highlight
        return palette.color(QPalette::Highlight);
    case 3:  // inactive caption
    case 17: // gray text
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 5: // window
        return palette.color(QPalette::Base);
    case 6: // window frame
        return palette.color(QPalette::Shadow);
    case 7:  // menu text
    case 8:  // window text
    case 9:  // caption text
    case 19: // inactive caption text
        return palette.color(QPalette::Text);
    case 14: // highlight text
        return palette.color(QPalette::HighlightedText);
    case 16: // button shadow
        return palette.color(QPalette::Dark);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    case 20: // button highlight
        return palette.color(QPalette::Light);
    case 23: // tool tip text
        return palette.color(QPalette::ToolTipText);
    case 24: // tool tip background
        return palette.color(QPalette::ToolTipBase);
    default:
        return palette.color(QPalette::Window);
    }
}

QFont::StyleHint hintFor(const QString &family)
{
    if (family.contains(QLatin1String("Courier"), Qt::CaseInsensitive) ||
        family.contains(QLatin1String("Mono"), Qt::CaseInsensitive))
        return QFont::TypeWriter;
    if (family.contains(QLatin1String("Times"), Qt::CaseInsensitive) ||
        family.contains(QLatin1String("Serif"), Qt::CaseInsensitive))
        return QFont::Serif;
    return QFont::SansSerif;
}

// Asking the font database is slow; the answer does not change while we run.
bool hasFamily(const QString &family)
{
    static QHash<QString, bool> known;
    auto it = known.constFind(family);
    if (it == known.constEnd())
        it = known.insert(family, QFontDatabase::hasFamily(family));
    return *it;
}

} // namespace

QColor toQColor(TColor color, const QPalette &palette)
{
    if (isSystemColor(color))
        return systemColor(color & 0xFF, palette);
    const auto c = std::uint32_t(color);
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

QColor toQColor(TColor color)
{
    return toQColor(color, QGuiApplication::palette());
}

QFont toQFont(const TFont &font)
{
    QFont f(font.Name);
    f.setStyleHint(hintFor(font.Name));
    // A font missing on this machine falls back to a face of the same kind.
    if (!hasFamily(font.Name))
        f.setFamilies({font.Name, QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()});
    f.setPixelSize(font.Height != 0 ? std::abs(font.Height) : 11);
    // Whole-pixel advances and no kerning: a string is exactly as wide as its
    // characters together, which the text layout relies on.
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setKerning(false);
    f.setBold(font.Style & fsBold);
    f.setItalic(font.Style & fsItalic);
    f.setUnderline(font.Style & fsUnderline);
    f.setStrikeOut(font.Style & fsStrikeOut);
    return f;
}

TCanvas::TCanvas(QPaintDevice *device)
    : FPainter(new QPainter(device)), FOwnsPainter(true), FPalette(QGuiApplication::palette())
{
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setRenderHint(QPainter::TextAntialiasing, false);
}

TCanvas::TCanvas(QPainter *painter)
    : FPainter(painter), FOwnsPainter(false), FPalette(QGuiApplication::palette())
{
    // Shapes must land on exact pixels; text keeps the painter's own smoothing on screen.
    FPainter->setRenderHint(QPainter::Antialiasing, false);
}

TCanvas::~TCanvas()
{
    if (FOwnsPainter) {
        FPainter->end();
        delete FPainter;
    }
}

void TCanvas::SetGlatTekst(bool glat)
{
    FPainter->setRenderHint(QPainter::TextAntialiasing, glat);
    FMetrics.reset(); // the font carries the choice, so it is made again
}

void TCanvas::applyPen()
{
    QPen pen(color(Pen.Color));
    pen.setWidth(Pen.Width > 0 ? Pen.Width : 1);
    FPainter->setPen(pen);
}

void TCanvas::applyBrush()
{
    if (Brush.Style == bsSolid)
        FPainter->setBrush(color(Brush.Color));
    else
        FPainter->setBrush(Qt::NoBrush);
}

const QFontMetrics &TCanvas::applyFont()
{
    if (!FMetrics || Font != FAppliedFont) {
        FAppliedFont = Font;
        FQFont = toQFont(Font);
        // The raster engine ignores the painter's hint for glyphs; the font must say it.
        if (!FPainter->testRenderHint(QPainter::TextAntialiasing))
            FQFont.setStyleStrategy(QFont::NoAntialias);
        FPainter->setFont(FQFont);
        FMetrics.emplace(FPainter->fontMetrics());
        FTegnBredder.clear();
    } else if (FPainter->font() != FQFont) {
        // Someone else drew through a shared painter in the meantime.
        FPainter->setFont(FQFont);
    }
    return *FMetrics;
}

std::int32_t TCanvas::TextWidth(const QString &text)
{
    const QFontMetrics &fm = applyFont();
    // Text layout measures character by character; those widths are kept.
    if (text.size() == 1 && !text.at(0).isSurrogate()) {
        const char16_t c = text.at(0).unicode();
        auto it = FTegnBredder.constFind(c);
        if (it == FTegnBredder.constEnd())
            it = FTegnBredder.insert(c, fm.horizontalAdvance(text));
        return *it;
    }
    return fm.horizontalAdvance(text);
}

std::int32_t TCanvas::TextHeight(const QString &)
{
    const QFontMetrics &fm = applyFont();
    return fm.ascent() + fm.descent();
}

void TCanvas::TextOut(std::int32_t x, std::int32_t y, const QString &text)
{
    foerTegning();
    const QFontMetrics &fm = applyFont();
    const int width = fm.horizontalAdvance(text);
    if (Brush.Style == bsSolid)
        FPainter->fillRect(QRect(x, y, width, fm.ascent() + fm.descent()), color(Brush.Color));
    FPainter->setPen(color(Font.Color));
    FPainter->drawText(QPoint(x, y + fm.ascent()), text);
    // The pen position follows the text, as the platform canvas does.
    FPenPos = {x + width, y};
}

void TCanvas::MoveTo(std::int32_t x, std::int32_t y)
{
    FPenPos = {x, y};
}

// Paints one pen dot centred on (x, y).
void TCanvas::plot(std::int32_t x, std::int32_t y, const QColor &c, std::int32_t w)
{
    FPainter->fillRect(QRect(x - (w - 1) / 2, y - (w - 1) / 2, w, w), c);
}

void TCanvas::LineTo(std::int32_t x, std::int32_t y)
{
    foerTegning();
    const QColor c = color(Pen.Color);
    const std::int32_t w = Pen.Width > 0 ? Pen.Width : 1;
    std::int32_t x0 = FPenPos.X;
    std::int32_t y0 = FPenPos.Y;
    FPenPos = {x, y};

    // Straight lines as one fill; the end point is left out.
    if (w == 1 && y0 == y && x0 != x) {
        const int left = x0 < x ? x0 : x + 1;
        FPainter->fillRect(QRect(left, y, std::abs(x - x0), 1), c);
        return;
    }
    if (w == 1 && x0 == x && y0 != y) {
        const int top = y0 < y ? y0 : y + 1;
        FPainter->fillRect(QRect(x, top, 1, std::abs(y - y0)), c);
        return;
    }

    const std::int32_t dx = std::abs(x - x0);
    const std::int32_t dy = -std::abs(y - y0);
    const std::int32_t sx = x0 < x ? 1 : -1;
    const std::int32_t sy = y0 < y ? 1 : -1;
    std::int32_t err = dx + dy;
    while (x0 != x || y0 != y) {
        plot(x0, y0, c, w);
        const std::int32_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void TCanvas::FillRect(const TRect &r)
{
    foerTegning();
    if (r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    FPainter->fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), color(Brush.Color));
}

void TCanvas::Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    foerTegning();
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1)
        return;
    if (Brush.Style == bsSolid && x2 - x1 > 2 && y2 - y1 > 2)
        FPainter->fillRect(QRect(x1 + 1, y1 + 1, x2 - x1 - 2, y2 - y1 - 2), color(Brush.Color));
    const QColor c = color(Pen.Color);
    const std::int32_t w = Pen.Width > 0 ? Pen.Width : 1;
    const std::int32_t o = (w - 1) / 2; // a wide pen is centred on the border
    const int width = x2 - x1 + 2 * o;
    const int height = y2 - y1 + 2 * o;
    FPainter->fillRect(QRect(x1 - o, y1 - o, width, w), c);
    FPainter->fillRect(QRect(x1 - o, y2 - 1 - o, width, w), c);
    FPainter->fillRect(QRect(x1 - o, y1 - o, w, height), c);
    FPainter->fillRect(QRect(x2 - 1 - o, y1 - o, w, height), c);
}

void TCanvas::Polygon(const TPoint *points, int count)
{
    foerTegning();
    if (count <= 0)
        return;
    if (Brush.Style == bsSolid) {
        QPolygon polygon;
        for (int i = 0; i < count; ++i)
            polygon << QPoint(points[i].X, points[i].Y);
        FPainter->setPen(Qt::NoPen);
        applyBrush();
        FPainter->drawPolygon(polygon);
    }
    // The outline closes the figure; each edge starts where the last one stopped.
    const TPoint keep = FPenPos;
    MoveTo(points[count - 1].X, points[count - 1].Y);
    for (int i = 0; i < count; ++i)
        LineTo(points[i].X, points[i].Y);
    if (count == 1)
        plot(points[0].X, points[0].Y, color(Pen.Color), Pen.Width > 0 ? Pen.Width : 1);
    FPenPos = keep;
}

void TCanvas::Draw(std::int32_t x, std::int32_t y, const QImage &image)
{
    foerTegning();
    FPainter->drawImage(QPoint(x, y), image);
}

void TCanvas::StretchDraw(const TRect &r, const QImage &image)
{
    foerTegning();
    if (r.Width() == 0 || r.Height() == 0 || image.isNull())
        return;
    FPainter->drawImage(QRect(r.Left, r.Top, r.Width(), r.Height()), image);
}

void TCanvas::CopyRect(const TRect &dest, const QImage &source, const TRect &src)
{
    foerTegning();
    if (dest.Width() == 0 || dest.Height() == 0 || source.isNull())
        return;
    FPainter->drawImage(QRect(dest.Left, dest.Top, dest.Width(), dest.Height()), source,
                        QRect(src.Left, src.Top, src.Width(), src.Height()));
}

void TCanvas::SetPixel(std::int32_t x, std::int32_t y, TColor c)
{
    foerTegning();
    FPainter->fillRect(QRect(x, y, 1, 1), color(c));
}

} // namespace kvidrel
