#pragma once

// A list of images of one common size, as the field pictures use it: images are
// added and fetched by index, and fetched either as they are or blended with the
// selection colour.

#include "drawtypes.h"

#include <QImage>
#include <QList>

namespace kvidrel {

class TCanvas;

enum class TDrawingStyle : std::uint8_t
{
    dsNormal,
    dsSelected
};
using enum TDrawingStyle;

class TImageList
{
public:
    // The platform's selection colour, resolved through the palette when used.
    static constexpr TColor clHighlight = std::int32_t(0xFF00000D);

    explicit TImageList(std::int32_t width = 16, std::int32_t height = 16);

    std::int32_t Width() const { return FWidth; }
    std::int32_t Height() const { return FHeight; }
    // A new size drops every image, since the stored ones no longer fit it.
    void SetWidth(std::int32_t value);
    void SetHeight(std::int32_t value);

    std::int32_t Count() const { return std::int32_t(FImages.size()); }

    TDrawingStyle DrawingStyle() const { return FDrawingStyle; }
    void SetDrawingStyle(TDrawingStyle value) { FDrawingStyle = value; }
    TColor BlendColor() const { return FBlendColor; }
    void SetBlendColor(TColor value) { FBlendColor = value; }

    void Clear() { FImages.clear(); }
    // Stores the image at the top-left of a list-sized image; whatever the image
    // does not cover stays fully transparent, and anything beyond is cut off.
    // Returns the new image's index.
    std::int32_t Add(const QImage &image);

    // Copies image index into image, in the current drawing style. An index
    // outside the list gives a transparent list-sized image and false.
    bool GetBitmap(std::int32_t index, QImage &image) const;
    // The stored image, unstyled; a null image for an index outside the list.
    QImage Image(std::int32_t index) const;

    // Draws image index at (x, y) at its own size; transparent pixels are skipped.
    void Draw(TCanvas &canvas, std::int32_t x, std::int32_t y, std::int32_t index) const;

    // The selected look: every visible pixel halfway towards colour, the
    // transparent ones left alone.
    static QImage blended(const QImage &image, const QColor &colour);

private:
    QImage blankImage() const;

    std::int32_t FWidth;
    std::int32_t FHeight;
    TDrawingStyle FDrawingStyle = dsNormal;
    TColor FBlendColor = clHighlight;
    QList<QImage> FImages;
};

} // namespace kvidrel
