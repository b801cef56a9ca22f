#pragma once

// The graphical buttons of the form, drawn by the window (owner-drawn), since a themed
// Windows button ignores any face colour: the whole face in the button's own colour, a raised
// bevel that sinks while pressed, the caption centred and wrapped at word boundaries, or a
// picture alone, centred; a dotted focus frame and a greyed caption when disabled.

#include <string>

#include <windows.h>

namespace win32_window {

struct FaceButtonLook {
    COLORREF face;
    HFONT font;
    HICON picture = nullptr; // shown instead of a caption
    int pictureSize = 0;     // pixels, at the window's density
    int dpi = 96;
};

void drawFaceButton(const DRAWITEMSTRUCT& item, const std::wstring& caption,
                    const FaceButtonLook& look);

// The room a caption may use inside a button of this size, and the size the wrapped caption
// needs there (its width is the widest line's).
RECT captionRoom(SIZE button, int dpi);
SIZE wrappedCaptionSize(HDC dc, const std::wstring& caption, HFONT font, RECT room);

} // namespace win32_window
