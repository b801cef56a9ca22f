#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace worksheet {

struct Utf8Character {
    char32_t codePoint; // meaningful only when valid
    std::size_t length; // bytes taken from the text, at least 1
    bool valid;
};

// Decodes the character at the start of a non-empty UTF-8 text. A malformed sequence (a stray
// continuation byte, a truncated or overlong sequence, an encoded surrogate or a code point
// past U+10FFFF) comes back as not valid, with the length of its longest well-formed
// beginning, so that every malformed piece of a text counts as exactly one character, as the
// Unicode standard recommends for replacing them.
Utf8Character decodeUtf8(std::string_view text) noexcept;

// The length in bytes of the character at the start of a non-empty UTF-8 text, as decodeUtf8
// gives it; quick for ASCII, which long texts are mostly made of.
inline std::size_t characterLength(std::string_view text) noexcept {
    return static_cast<unsigned char>(text.front()) < 0x80 ? 1 : decodeUtf8(text).length;
}

// The characters of a UTF-8 text, a malformed piece counting as one (see decodeUtf8).
std::size_t characterCount(std::string_view text) noexcept;

// A code point (not a surrogate, at most U+10FFFF) in UTF-8, written into out; returns the
// number of bytes written, 1 to 4. Nothing here can fail, so that a loop over a long text that
// calls it costs no exception handling (WebAssembly pays dearly for it on every call).
std::size_t encodeUtf8(char32_t codePoint, std::span<char, 4> out) noexcept;

// Appends a code point (not a surrogate, at most U+10FFFF) to a UTF-8 text.
void appendUtf8(char32_t codePoint, std::string& text);

} // namespace worksheet
