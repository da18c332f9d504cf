#pragma once

// Contrast between two colours as readers judge it: relative luminance, and
// the ratio (L1 + 0.05) / (L2 + 0.05) whose floor for body text is 4.5.

#include <QColor>
#include <QHash>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>

inline double luminans(QRgb c)
{
    const auto kanal = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * kanal(qRed(c)) + 0.7152 * kanal(qGreen(c)) + 0.0722 * kanal(qBlue(c));
}

inline double kontrast(QRgb a, QRgb b)
{
    const double la = luminans(a);
    const double lb = luminans(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How the text in felt of billede stands out from the field: the contrast of
// the pixel most unlike the field's ground, its most common colour. 1 when
// nothing is drawn on it.
inline double tekstKontrast(const QImage &billede, const QRect &felt)
{
    QHash<QRgb, int> antal;
    const QRect r = felt.intersected(billede.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++antal[billede.pixel(x, y) | 0xFF000000u];
    QRgb grund = 0;
    int mest = 0;
    for (auto it = antal.cbegin(); it != antal.cend(); ++it) {
        if (it.value() > mest) {
            grund = it.key();
            mest = it.value();
        }
    }
    double bedst = 1;
    for (auto it = antal.cbegin(); it != antal.cend(); ++it)
        bedst = std::max(bedst, kontrast(it.key(), grund));
    return bedst;
}
