#pragma once

// GDI objects, and the window's other handles, owned by the window that made them, freed when
// it is done with them.

#include <memory>
#include <type_traits>

#include <windows.h>

namespace win32_window {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using Icon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

struct ShortcutsDeleter {
    void operator()(HACCEL shortcuts) const { DestroyAcceleratorTable(shortcuts); }
};
using Shortcuts = std::unique_ptr<std::remove_pointer_t<HACCEL>, ShortcutsDeleter>;

} // namespace win32_window
