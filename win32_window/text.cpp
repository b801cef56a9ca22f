#include "win32_window/text.h"

#include <limits>

#include <windows.h>

namespace win32_window {

namespace {

int length(std::size_t size) {
    return size > static_cast<std::size_t>(std::numeric_limits<int>::max())
               ? std::numeric_limits<int>::max()
               : static_cast<int>(size);
}

std::string utf8(std::wstring_view utf16) {
    if (utf16.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length(utf16.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length(utf16.size()), text.data(), size, nullptr,
                        nullptr);
    return text;
}

// Normal form C, or the text as it is where Windows cannot normalise it (an unpaired
// surrogate is not Unicode text).
std::wstring composed(std::wstring_view utf16) {
    if (utf16.empty()) {
        return {};
    }
    int size = NormalizeString(NormalizationC, utf16.data(), length(utf16.size()), nullptr, 0);
    // The first answer is an estimate; a second try with what the first one asked for is the
    // documented way to get it right.
    for (int attempt = 0; attempt < 3 && size > 0; ++attempt) {
        std::wstring result(static_cast<std::size_t>(size), L'\0');
        size = NormalizeString(NormalizationC, utf16.data(), length(utf16.size()), result.data(),
                               size);
        if (size > 0) {
            result.resize(static_cast<std::size_t>(size));
            return result;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            break;
        }
        size = -size;
    }
    return std::wstring(utf16);
}

} // namespace

std::wstring wide(std::string_view utf8Text) {
    if (utf8Text.empty()) {
        return {};
    }
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(), length(utf8Text.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(), length(utf8Text.size()), text.data(), size);
    return text;
}

std::string typedText(std::wstring_view utf16) {
    return utf8(composed(utf16));
}

} // namespace win32_window
