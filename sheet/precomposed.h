#pragma once

// Text as the sheet keeps it, whichever window, keyboard or clipboard it came from: every
// letter that the worksheet's code page, Windows-1253, holds as one character is that one
// character. macOS, iPadOS, some input methods and text copied from PDFs hand "ά" over as "α"
// and a combining acute accent; the Greek keyboard's question mark and the Greek Extended
// letters with oxia are other characters for ";" and for the letters with tonos. Unicode's
// normal form C makes each of them the character Windows-1253 has; these are exactly those of
// its compositions whose result the code page holds.

#include <string>
#include <string_view>

namespace sheet {

// The text with those compositions made. Everything else, malformed UTF-8 too, stays as it is.
std::string precomposed(std::string_view utf8);

} // namespace sheet
