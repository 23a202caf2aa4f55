// Geometry in twips (1/1440 inch), converted at 15 twips per logical pixel (96 dpi).
#pragma once

#include <QLine>
#include <QRect>
#include <QRectF>
#include <cmath>

namespace vevi {

inline constexpr double kTwipsPerPixel = 15.0;

inline int Px(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
inline double PxF(double twips) {
    return twips / kTwipsPerPixel;
}
inline double ToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// Left, top, width and height in twips.
inline QRect TwipsRect(double left, double top, double width, double height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}
inline QRectF TwipsRectF(double left, double top, double width, double height) {
    return QRectF(PxF(left), PxF(top), PxF(width), PxF(height));
}

}  // namespace vevi
