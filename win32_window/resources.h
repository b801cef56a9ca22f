#pragma once

// The identifiers of the resources that the window loads from its program. The magnet has the
// lowest icon identifier, so Windows also shows it as the program's icon.
// Read by the resource compiler too, which knows only the preprocessor.

#define ARITHMITIKA_MAGNET_ICON 1

#ifndef RC_INVOKED
namespace win32_window {
inline constexpr int kMagnetIcon = ARITHMITIKA_MAGNET_ICON;
} // namespace win32_window
#endif
