#pragma once

// Contrast between two colours as readers judge it: relative luminance, and
// the ratio (L1 + 0.05) / (L2 + 0.05) whose floor for body text is 4.5.

#include <QColor>
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
