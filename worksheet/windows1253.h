#pragma once

// The Greek code page Windows-1253, in which the worksheet file is written: one byte per
// character. Its lower half is ASCII; its upper half holds the Greek letters with and without
// tonos and dialytika, and typographic signs such as "€", "®", quotes and dashes. Some bytes of
// the upper half are not assigned to any character.

#include "worksheet/byte_sink.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace worksheet {

// The character of each byte from 0x80 to 0xFF; 0 where the code page assigns none.
inline constexpr std::array<char16_t, 128> kWindows1253UpperHalf{
    // 0x80 to 0x8F
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0, 0x2030, 0, 0x2039, 0, 0, 0, 0,                          //
    // 0x90 to 0x9F
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0, 0x2122, 0, 0x203A, 0, 0, 0, 0,                          //
    // 0xA0 to 0xAF: no-break space, dialytika with tonos, Ά, £ ... ©, (none), « ... ®, ―
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, //
    0x00A8, 0x00A9, 0, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015,      //
    // 0xB0 to 0xBF: ° ± ² ³, tonos, µ ¶ ·, Έ Ή Ί, », Ό, ½, Ύ Ώ
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7, //
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F, //
    // 0xC0 to 0xCF: ΐ, then the capitals Α to Ο
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397, //
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F, //
    // 0xD0 to 0xDF: Π, Ρ, (none: there is no capital final sigma), Σ to Ϋ, ά έ ή ί
    0x03A0, 0x03A1, 0, 0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7,      //
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF, //
    // 0xE0 to 0xEF: ΰ, then the small letters α to ο
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7, //
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF, //
    // 0xF0 to 0xFF: π, ρ, ς, σ to ϋ, ό ύ ώ, (none)
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7, //
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0,      //
};

// The byte of a character in Windows-1253, or nothing if the code page has no such character.
std::optional<unsigned char> windows1253Byte(char32_t character);

// Passes UTF-8 text on to another sink in Windows-1253, one byte a character. A character the
// code page lacks, or a malformed piece of UTF-8, is written as one "?". Each write must hold
// whole characters, as the worksheet's lines do.
class Windows1253Sink final : public ByteSink {
public:
    explicit Windows1253Sink(ByteSink& bytes) : m_bytes(bytes) {}

    void write(std::string_view text) override;

private:
    ByteSink& m_bytes;
};

} // namespace worksheet
