#include "imagelist.h"

#include "canvas.h"

#include <QPainter>
#include <algorithm>

namespace kvidrel {

namespace {

constexpr QImage::Format kFormat = QImage::Format_ARGB32;

} // namespace

TImageList::TImageList(std::int32_t width, std::int32_t height)
    : FWidth(std::max(0, width)), FHeight(std::max(0, height))
{}

void TImageList::SetWidth(std::int32_t value)
{
    value = std::max(0, value);
    if (value == FWidth)
        return;
    FWidth = value;
    Clear();
}

void TImageList::SetHeight(std::int32_t value)
{
    value = std::max(0, value);
    if (value == FHeight)
        return;
    FHeight = value;
    Clear();
}

QImage TImageList::blankImage() const
{
    QImage image(FWidth, FHeight, kFormat);
    image.fill(Qt::transparent);
    return image;
}

std::int32_t TImageList::Add(const QImage &image)
{
    QImage stored = blankImage();
    if (!stored.isNull() && !image.isNull()) {
        QPainter painter(&stored);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, image.convertToFormat(kFormat));
    }
    FImages.append(stored);
    return Count() - 1;
}

QImage TImageList::Image(std::int32_t index) const
{
    if (index < 0 || index >= Count())
        return {};
    return FImages.at(index);
}

bool TImageList::GetBitmap(std::int32_t index, QImage &image) const
{
    if (index < 0 || index >= Count()) {
        image = blankImage();
        return false;
    }
    image = FDrawingStyle == dsSelected ? blended(FImages.at(index), toQColor(FBlendColor))
                                        : FImages.at(index);
    return true;
}

void TImageList::Draw(TCanvas &canvas, std::int32_t x, std::int32_t y, std::int32_t index) const
{
    QImage image;
    if (GetBitmap(index, image))
        canvas.Draw(x, y, image);
}

QImage TImageList::blended(const QImage &image, const QColor &colour)
{
    QImage result = image.convertToFormat(kFormat);
    const int r = colour.red();
    const int g = colour.green();
    const int b = colour.blue();
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb p = line[x];
            if (qAlpha(p) == 0)
                continue;
            line[x] = qRgba((qRed(p) + r) / 2, (qGreen(p) + g) / 2, (qBlue(p) + b) / 2, qAlpha(p));
        }
    }
    return result;
}

} // namespace kvidrel
