#include "worksheet/utf8.h"

#include <array>

namespace worksheet {

Utf8Character decodeUtf8(std::string_view text) noexcept {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return {lead, 1, true};
    }

    // The lead byte gives the length and the first bits; the second byte's range also rules
    // out overlong forms, surrogates and code points past U+10FFFF.
    std::size_t length = 0;
    char32_t codePoint = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        secondLow = lead == 0xE0 ? 0xA0 : 0x80;
        secondHigh = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        secondLow = lead == 0xF0 ? 0x90 : 0x80;
        secondHigh = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {0, 1, false};
    }

    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char low = i == 1 ? secondLow : 0x80;
        const unsigned char high = i == 1 ? secondHigh : 0xBF;
        if (i >= text.size() || byte(i) < low || byte(i) > high) {
            return {0, i, false};
        }
        codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
    }
    return {codePoint, length, true};
}

std::size_t characterCount(std::string_view text) noexcept {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) {
        at += characterLength({text.data() + at, text.size() - at});
    }
    return count;
}

std::size_t encodeUtf8(char32_t codePoint, std::span<char, 4> out) noexcept {
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (codePoint < 0x80) {
        out[0] = byte(codePoint);
        return 1;
    }
    if (codePoint < 0x800) {
        out[0] = byte(0xC0 | (codePoint >> 6));
        out[1] = byte(0x80 | (codePoint & 0x3F));
        return 2;
    }
    if (codePoint < 0x10000) {
        out[0] = byte(0xE0 | (codePoint >> 12));
        out[1] = byte(0x80 | ((codePoint >> 6) & 0x3F));
        out[2] = byte(0x80 | (codePoint & 0x3F));
        return 3;
    }
    out[0] = byte(0xF0 | (codePoint >> 18));
    out[1] = byte(0x80 | ((codePoint >> 12) & 0x3F));
    out[2] = byte(0x80 | ((codePoint >> 6) & 0x3F));
    out[3] = byte(0x80 | (codePoint & 0x3F));
    return 4;
}

void appendUtf8(char32_t codePoint, std::string& text) {
    std::array<char, 4> bytes{};
    text.append(bytes.data(), encodeUtf8(codePoint, bytes));
}

} // namespace worksheet
