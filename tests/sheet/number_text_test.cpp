#include "sheet/number_text.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace sheet {
namespace {

struct Case {
    std::string name;
    std::string text;
    NumberReading expected;
};

NumberReading number(int value) {
    return {NumberKind::Number, static_cast<std::int16_t>(value)};
}
constexpr NumberReading kBlank{NumberKind::Blank};
constexpr NumberReading kNotANumber{NumberKind::NotANumber};
constexpr NumberReading kOutOfRange{NumberKind::OutOfRange};

void expectReadings(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const NumberReading reading = readNumber(c.text);
        EXPECT_EQ(reading.kind, c.expected.kind);
        EXPECT_EQ(reading.value, c.expected.value);
    }
}

TEST(ReadNumber, BlankTexts) {
    expectReadings({
        {"empty", "", kBlank},
        {"one space", " ", kBlank},
        {"spaces", "      ", kBlank},
    });
}

TEST(ReadNumber, WholeNumbersWithSpacesAndSigns) {
    expectReadings({
        {"plain", "1001", number(1001)},
        {"spaces around", " 42 ", number(42)},
        {"many spaces around", "     42     ", number(42)},
        {"zero", "0", number(0)},
        {"plus sign", "+42", number(42)},
        {"minus sign", "-42", number(-42)},
        {"minus zero", "-0", number(0)},
        {"leading zeros", "007", number(7)},
        {"highest", "32767", number(32767)},
        {"lowest", "-32768", number(-32768)},
        {"form's limit", "29999", number(29999)},
        {"thousands of leading zeros", std::string(5000, '0') + "29999", number(29999)},
    });
}

TEST(ReadNumber, FractionsRoundHalfToEven) {
    expectReadings({
        {"below half", "1.4", number(1)},
        {"above half", "1.6", number(2)},
        {"half to even up", "1.5", number(2)},
        {"half to even down", "2.5", number(2)},
        {"half at zero", "0.5", number(0)},
        {"half with trailing zeros", "2.5000", number(2)},
        {"just above half", "2.5000000000000000001", number(3)},
        {"just above half at zero", "0.5000000000000000001", number(1)},
        {"just below half", "0.4999999999999999999", number(0)},
        {"negative half to even up", "-1.5", number(-2)},
        {"negative half to even down", "-2.5", number(-2)},
        {"negative above half", "-2.51", number(-3)},
        {"negative rounds to zero", "-0.4", number(0)},
        {"no whole digits", ".5", number(0)},
        {"no whole digits above half", ".51", number(1)},
        {"no whole digits, three after", ".500", number(0)},
        {"no whole digits, three after, signed", "-.500", number(0)},
        {"point without fraction", "7.", number(7)},
        {"rounds down at the top", "32767.4", number(32767)},
        {"rounds to even at the bottom", "-32768.5", number(-32768)},
        {"rounds to the bottom", "-32767.5", number(-32768)},
        {"huge fraction just above half", "0.5" + std::string(100000, '0') + "1", number(1)},
        {"huge fraction at half", "0.5" + std::string(100000, '0'), number(0)},
        {"spaces around a fraction", "  3.5  ", number(4)},
    });
}

// A point before every three digits groups thousands, as Greek writes them; any other point
// begins a fraction, as before.
TEST(ReadNumber, GreekDigitGroupingIsReadAsThousands) {
    expectReadings({
        {"fifteen thousand", "15.000", number(15000)},
        {"this year", "2.026", number(2026)},
        {"the form's limit", "29.999", number(29999)},
        {"pasted", "1.234", number(1234)},
        {"three digits before", "100.000", kOutOfRange},
        {"signed and spaced", "  +1.000 ", number(1000)},
        {"negative", "-1.000", number(-1000)},
        {"two groups", "1.000.000", kOutOfRange},
        {"the lowest, grouped", "-32.768", number(-32768)},
        {"one above, grouped", "32.768", kOutOfRange},
        {"a group of two digits is a fraction", "2.50", number(2)},
        {"the first box's cut", "15.00", number(15)},
        {"a group of four digits is a fraction", "1.2345", number(1)},
        {"a leading zero is a fraction", "0.500", number(0)},
        {"four digits before a group", "1000.000", number(1000)},
        {"a short second group", "1.000.00", kNotANumber},
        {"a point at the end", "1.000.", kNotANumber},
        {"a space between groups", "15 000", kNotANumber},
        {"a comma between groups", "15,000", kNotANumber},
    });
}

TEST(ReadNumber, OutsideTheSixteenBitRange) {
    expectReadings({
        {"one above", "32768", kOutOfRange},
        {"one below", "-32769", kOutOfRange},
        {"rounds above", "32767.5", kOutOfRange},
        {"rounds below", "-32768.6", kOutOfRange},
        {"five nines", "99999", kOutOfRange},
        {"six digits", "100000", kOutOfRange},
        {"six digits after zeros", "000100000", kOutOfRange},
        {"thousands of digits", std::string(10000, '9'), kOutOfRange},
        {"thousands of digits negative", "-" + std::string(10000, '9'), kOutOfRange},
    });
}

TEST(ReadNumber, OtherNotationsAreNotNumbers) {
    expectReadings({
        {"letters", "abc", kNotANumber},
        {"greek letters", "αβγ", kNotANumber},
        {"digits then letters", "12ab", kNotANumber},
        {"sign alone", "-", kNotANumber},
        {"plus alone", "+", kNotANumber},
        {"point alone", ".", kNotANumber},
        {"sign and point", "-.", kNotANumber},
        {"two points", "1.2.3", kNotANumber},
        {"two signs", "--5", kNotANumber},
        {"mixed signs", "+-5", kNotANumber},
        {"space after sign", "- 5", kNotANumber},
        {"sign after digits", "5-", kNotANumber},
        {"inner space", "1 000", kNotANumber},
        {"thousands comma", "1,000", kNotANumber},
        {"thousands point and comma", "1.000,5", kNotANumber},
        {"decimal comma", "1,5", kNotANumber},
        {"thousands apostrophe", "1'000", kNotANumber},
        {"exponent", "1e3", kNotANumber},
        {"capital exponent", "1E3", kNotANumber},
        {"hexadecimal", "0x10", kNotANumber},
        {"basic hexadecimal", "&H10", kNotANumber},
        {"euro before", "€5", kNotANumber},
        {"euro after", "5€", kNotANumber},
        {"dollar", "$5", kNotANumber},
        {"percent", "5%", kNotANumber},
        {"tab before", "\t5", kNotANumber},
        {"line break after", "5\n", kNotANumber},
        {"no-break space", "\u00A05", kNotANumber},
        {"full-width digit", "５", kNotANumber},
        {"arabic-indic digit", "٣", kNotANumber},
        {"nul inside",
         std::string("1\0"
                     "2",
                     3),
         kNotANumber},
    });
}

} // namespace
} // namespace sheet
