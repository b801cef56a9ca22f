#pragma once

// Text between the sheet, which speaks UTF-8, and Windows, which speaks UTF-16.

#include <string>
#include <string_view>

namespace win32_window {

// UTF-8 as UTF-16; a malformed sequence becomes U+FFFD.
std::wstring wide(std::string_view utf8);

// UTF-16 as UTF-8. An unpaired surrogate, which an edit box can hold, becomes U+FFFD rather
// than failing.
std::string narrow(std::wstring_view utf16);

} // namespace win32_window
