#pragma once

// The screen density a window is shown at. Windows 10 answers per window and per monitor;
// the functions for that are looked up when the program runs, so it still starts on
// Windows 7, where the system's one density applies to every window.

#include <windows.h>

namespace win32_window {

// The window's dots per inch: its monitor's on Windows 10, else the system's.
int dpiOf(HWND window);

// The outer rectangle, at (0, 0), of a window with this client size, style and density.
RECT frameFor(SIZE client, DWORD style, DWORD exStyle, int dpi);

} // namespace win32_window
