#pragma once

// What a program that shows the window starts first, and ends last: COM, which carries the
// boxes' accessible names to screen readers, and the common controls (the tool tip).

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

namespace win32_window {

class Startup {
public:
    Startup() : m_com(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
    }
    ~Startup() {
        if (SUCCEEDED(m_com)) {
            CoUninitialize();
        }
    }
    Startup(const Startup&) = delete;
    Startup& operator=(const Startup&) = delete;

private:
    HRESULT m_com;
};

} // namespace win32_window
