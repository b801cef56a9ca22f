#pragma once

// A window's client area as it is painted, copied pixel by pixel: for the window's picture in
// the README and for tests that compare what is painted where.

#include <cstddef>
#include <cstdint>
#include <vector>

#include <windows.h>

namespace win32_window {

struct PaintedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0x00RRGGBB, each row after the other from the top

    COLORREF at(int x, int y) const {
        const std::uint32_t pixel =
            pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                   static_cast<std::size_t>(x)];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
};

// Paints the window and its controls afresh, then copies its client area.
PaintedPicture paintedPicture(HWND window);

} // namespace win32_window
