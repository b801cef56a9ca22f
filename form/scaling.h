#pragma once

// From the designer's units to a screen's: lengths in twips (1/1440 inch) to pixels, and font
// sizes in points (1/72 inch) to pixels, at a screen's density in dots per inch. The form was
// drawn for 96 dots per inch, where 15 twips make one pixel; a window on a denser screen
// scales every place, size and font by the same factor.

namespace form {

// The density the form was designed at, and the one a window starts from.
inline constexpr int kDesignDpi = 96;
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPixel = kTwipsPerInch / kDesignDpi;
inline constexpr int kPointsPerInch = 72;

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct PixelRect {
    int left;
    int top;
    int width;
    int height;

    int right() const { return left + width; }
    int bottom() const { return top + height; }

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A length in twips as whole pixels, rounded to the nearest (a half up).
constexpr int toPixels(int twips, int dpi) {
    return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

// The edges are rounded, not the sizes, so two controls that touch in the design still touch
// at any density and a row of equal steps never drifts by a pixel.
constexpr PixelRect toPixels(const TwipsRect& place, int dpi) {
    const int left = toPixels(place.left, dpi);
    const int top = toPixels(place.top, dpi);
    return {left, top, toPixels(place.left + place.width, dpi) - left,
            toPixels(place.top + place.height, dpi) - top};
}

// A length drawn in pixels at the design's density, at another density, rounded to the nearest
// (a half up).
constexpr int scaledPixels(int designPixels, int dpi) {
    return (designPixels * dpi + kDesignDpi / 2) / kDesignDpi;
}

// The height in pixels of a font's em at a point size, rounded to the nearest: 8.25 points
// are 11 pixels at 96 dots per inch and 17 at 144.
constexpr int fontPixels(double points, int dpi) {
    const double exact = points * dpi / kPointsPerInch;
    const int whole = static_cast<int>(exact);
    return exact - whole >= 0.5 ? whole + 1 : whole;
}

static_assert(toPixels(15, kDesignDpi) == 1 && toPixels(9675, kDesignDpi) == 645);

} // namespace form
