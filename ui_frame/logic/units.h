#pragma once

// Lengths of the window designs. Sizes and positions are designed in twips
// (1/1440 inch) and laid out at 15 twips a pixel; a few fixed lengths are
// HIMETRIC units (1/100 mm). Pixels here are Qt's device-independent pixels,
// so high-dpi screens scale the whole design alike.
namespace orvanta {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kHimetricPerInch = 2540;

namespace detail {
// numerator / denominator rounded to the nearest whole number, halves away
// from zero; denominator > 0.
constexpr int roundedQuotient(long long numerator, long long denominator) {
    const long long half = denominator / 2;
    return static_cast<int>(numerator >= 0 ? (numerator + half) / denominator
                                           : -((-numerator + half) / denominator));
}
} // namespace detail

// Whole pixels nearest to `twips` (6070 -> 405, 450 -> 30).
constexpr int twipsToPixels(int twips) {
    return detail::roundedQuotient(twips, kTwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// Whole twips nearest to a HIMETRIC length (240 -> 136).
constexpr int himetricToTwips(int himetric) {
    return detail::roundedQuotient(static_cast<long long>(himetric) * kTwipsPerInch,
                                   kHimetricPerInch);
}

// Whole pixels nearest to a HIMETRIC length, converted in one step so that no
// intermediate rounding accumulates (60 -> 2, 120 -> 5, 640 -> 24).
constexpr int himetricToPixels(int himetric) {
    return detail::roundedQuotient(static_cast<long long>(himetric) * kTwipsPerInch,
                                   static_cast<long long>(kHimetricPerInch) * kTwipsPerPixel);
}

} // namespace orvanta
