// Contrast of two colours as the accessibility guidelines reckon it (1:1 to 21:1).
#pragma once

#include <QColor>
#include <algorithm>
#include <cmath>

inline double Luminance(QColor c) {
    const auto channel = [](double v) {
        v /= 255;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

inline double Contrast(QColor a, QColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
