#pragma once

#include <cstddef>
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
Utf8Character decodeUtf8(std::string_view text);

// Appends a code point (not a surrogate, at most U+10FFFF) to a UTF-8 text.
void appendUtf8(char32_t codePoint, std::string& text);

} // namespace worksheet
