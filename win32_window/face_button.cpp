#include "win32_window/face_button.h"

#include "form/design.h"

namespace win32_window {

namespace {

constexpr UINT kCaptionFlags = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;

int scaled(int designPixels, int dpi) {
    return form::scaledPixels(designPixels, dpi);
}

} // namespace

RECT captionRoom(SIZE button, int dpi) {
    const int inset = scaled(form::kButtonDrawing.bevel, dpi);
    return {inset, inset, button.cx - inset, button.cy - inset};
}

SIZE wrappedCaptionSize(HDC dc, const std::wstring& caption, HFONT font, RECT room) {
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT needed = room;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &needed,
              kCaptionFlags | DT_CALCRECT);
    SelectObject(dc, previous);
    return {needed.right - needed.left, needed.bottom - needed.top};
}

void drawFaceButton(const DRAWITEMSTRUCT& item, const std::wstring& caption,
                    const FaceButtonLook& look) {
    const HDC dc = item.hDC;
    const RECT whole = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;
    const int shift = pressed ? scaled(form::kButtonDrawing.pressedShift, look.dpi) : 0;

    SetDCBrushColor(dc, look.face);
    FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    RECT bevel = whole;
    DrawEdge(dc, &bevel, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    if (look.picture != nullptr) {
        const int x = (whole.left + whole.right - look.pictureSize) / 2 + shift;
        const int y = (whole.top + whole.bottom - look.pictureSize) / 2 + shift;
        if (enabled) {
            DrawIconEx(dc, x, y, look.picture, look.pictureSize, look.pictureSize, 0, nullptr,
                       DI_NORMAL);
        } else {
            DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(look.picture), 0, x, y,
                       look.pictureSize, look.pictureSize, DST_ICON | DSS_DISABLED);
        }
    }
    if (!caption.empty()) {
        const RECT room =
            captionRoom({whole.right - whole.left, whole.bottom - whole.top}, look.dpi);
        const SIZE needed = wrappedCaptionSize(dc, caption, look.font, room);
        // Centred in both directions: DrawText centres lines across, the top is set here.
        RECT place = room;
        place.top += (room.bottom - room.top - needed.cy) / 2;
        OffsetRect(&place, shift, shift);
        const HGDIOBJ previous = SelectObject(dc, look.font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &place, kCaptionFlags);
        SelectObject(dc, previous);
    }

    if ((item.itemState & ODS_FOCUS) != 0) {
        const int inset = scaled(form::kButtonDrawing.focusInset, look.dpi);
        RECT frame = whole;
        InflateRect(&frame, -inset, -inset);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawFocusRect(dc, &frame);
    }
}

} // namespace win32_window
