#include "worksheet/windows1253.h"

#include "worksheet/utf8.h"

#include <algorithm>
#include <string>

namespace worksheet {

std::optional<unsigned char> windows1253Byte(char32_t character) {
    if (character < 0x80) {
        return static_cast<unsigned char>(character);
    }
    if (character > 0xFFFF) {
        return std::nullopt;
    }
    // 0 marks the unassigned bytes; U+0000 is below 0x80, so it never gets here.
    const auto* const found = std::find(kWindows1253UpperHalf.begin(), kWindows1253UpperHalf.end(),
                                        static_cast<char16_t>(character));
    if (found == kWindows1253UpperHalf.end()) {
        return std::nullopt;
    }
    return static_cast<unsigned char>(0x80 + (found - kWindows1253UpperHalf.begin()));
}

void Windows1253Sink::write(std::string_view text) {
    // One byte a character, into room made once: no character takes fewer bytes in UTF-8.
    std::string bytes(text.size(), '\0');
    std::size_t size = 0;
    while (!text.empty()) {
        const Utf8Character character = decodeUtf8(text);
        text.remove_prefix(character.length);
        const std::optional<unsigned char> byte =
            character.valid ? windows1253Byte(character.codePoint) : std::nullopt;
        bytes[size++] = static_cast<char>(byte.value_or('?'));
    }
    bytes.resize(size);
    m_bytes.write(bytes);
}

} // namespace worksheet
