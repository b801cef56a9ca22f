#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sheet {

// The largest number a conversion takes, as the form's label says («μέχρι το 29999»). The
// numeral tables have words for the rest of the 16-bit range too, but from 30000 on they compose
// wrong Greek («εικοσιεννιά χιλιάδες χίλια» for 30000), so the form refuses those numbers.
inline constexpr int kLargestNumber = 29999;

// The characters the user may type into the first number box, intnumber.
inline constexpr std::size_t kFirstNumberLength = 5;

// What a number box's text reads as.
enum class NumberKind {
    Blank,      // empty, or spaces only
    Number,     // a number within the 16-bit range, in value
    NotANumber, // anything but spaces, an optional sign, digits and one decimal point, or
                // digits grouped by thousands with points
    OutOfRange, // a number that, rounded, lies outside -32768 to 32767
};

struct NumberReading {
    NumberKind kind = NumberKind::Blank;
    std::int16_t value = 0;
    bool rounded = false; // a Number read from a text with a fraction ("2.5", "15.00")

    friend bool operator==(const NumberReading&, const NumberReading&) = default;
};

// Reads a number box's text: spaces before and after, an optional "+" or "-", decimal digits
// with an optional "." and fraction. Digits grouped by thousands as Greek writes them
// ("15.000", "1.234.567") are read as the whole number they group; any other point begins a
// fraction ("2.5", "0.500", "15.00"). A fraction is rounded to the nearest whole number, a
// half to the even one. The rounding is done on the digits themselves, so
// "0.5000000000000000001" is more than a half, and a text of any length is read without
// overflow. Other thousands separators ("15 000", "15,000"), a decimal comma, exponents, other
// bases and currency signs are not numbers here.
NumberReading readNumber(std::string_view text);

// Whether a text that is no number here is one written with a decimal comma, as Greek writes
// fractions («1,5», « -2,75 »): digits, one comma and digits, with an optional sign.
bool hasDecimalComma(std::string_view text);

} // namespace sheet
