#include "win32_window/painted_picture.h"

namespace win32_window {

PaintedPicture paintedPicture(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT client{};
    GetClientRect(window, &client);
    PaintedPicture picture{client.right, client.bottom, {}};
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof info.bmiHeader, client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC memory = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    const HDC painted = GetDC(window);
    BitBlt(memory, 0, 0, client.right, client.bottom, painted, 0, 0, SRCCOPY);
    ReleaseDC(window, painted);
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    picture.pixels.assign(first, first + static_cast<std::ptrdiff_t>(client.right) * client.bottom);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return picture;
}

} // namespace win32_window
