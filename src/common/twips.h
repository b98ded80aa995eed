#pragma once

#include <QPoint>
#include <QRect>

#include <algorithm>
#include <cmath>

// Layouts and stored window positions are measured in twips: 15 twips make one pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    // Round to the nearest pixel, halves away from zero.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

constexpr float pixelsToTwips(int pixels) {
    return float(pixels) * kTwipsPerPixel;
}

// A stored window position may be anything a file holds. Positions off the screen are kept, but
// clamped to what X11 can address (16-bit coordinates); a value that is not a number reads as 0.
inline QPoint windowPositionFromTwips(float left, float top) {
    const auto toPixels = [](float twips) {
        if (!std::isfinite(twips)) return 0;
        const double pixels = std::round(double(twips) / kTwipsPerPixel);
        return int(std::clamp(pixels, -32768.0, 32767.0));
    };
    return {toPixels(left), toPixels(top)};
}
