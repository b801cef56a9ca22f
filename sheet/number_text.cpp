#include "sheet/number_text.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <limits>
#include <string>

namespace sheet {

namespace {

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Whether a fraction's digits, after rounding the whole part, carry one more: above a half
// always, at exactly a half only to make the whole part even.
bool roundsUp(std::string_view fraction, bool wholeIsOdd) {
    if (fraction.empty() || fraction.front() < '5') {
        return false;
    }
    if (fraction.front() > '5') {
        return true;
    }
    const bool moreThanHalf = fraction.find_first_not_of('0', 1) != std::string_view::npos;
    return moreThanHalf || wholeIsOdd;
}

// Greek digit grouping: one to three digits, the first not 0, then groups of a point and
// exactly three digits ("15.000", "1.000.000"). The same text read as a decimal fraction would
// give another number, and not the one a Greek reader sees.
bool isGrouped(std::string_view text) {
    constexpr std::size_t kGroup = 4; // a point and three digits
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0 || point > 3 || text.front() == '0' ||
        (text.size() - point) % kGroup != 0) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool pointsPlace = i >= point && (i - point) % kGroup == 0;
        if (pointsPlace ? text[i] != '.' : !isDigit(text[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

NumberReading readNumber(std::string_view text) {
    text = trimSpaces(text);
    if (text.empty()) {
        return {NumberKind::Blank};
    }

    const bool negative = text.front() == '-';
    if (text.front() == '-' || text.front() == '+') {
        text.remove_prefix(1);
    }
    std::string ungrouped;
    if (isGrouped(text)) {
        std::copy_if(text.begin(), text.end(), std::back_inserter(ungrouped), isDigit);
        text = ungrouped;
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) {
        return {NumberKind::NotANumber};
    }
    if (!std::all_of(whole.begin(), whole.end(), isDigit) ||
        !std::all_of(fraction.begin(), fraction.end(), isDigit)) {
        return {NumberKind::NotANumber};
    }

    // Leading zeros carry no value; past five significant digits the number is out of range
    // whatever its fraction, which keeps the arithmetic below small.
    const std::string_view digits =
        whole.substr(std::min(whole.find_first_not_of('0'), whole.size()));
    if (digits.size() > 5) {
        return {NumberKind::OutOfRange};
    }
    long magnitude = 0;
    for (const char digit : digits) {
        magnitude = magnitude * 10 + (digit - '0');
    }
    if (roundsUp(fraction, magnitude % 2 == 1)) {
        ++magnitude;
    }

    using Limits = std::numeric_limits<std::int16_t>;
    const long value = negative ? -magnitude : magnitude;
    if (value < Limits::min() || value > Limits::max()) {
        return {NumberKind::OutOfRange};
    }
    return {NumberKind::Number, static_cast<std::int16_t>(value), !fraction.empty()};
}

bool hasDecimalComma(std::string_view text) {
    text = trimSpaces(text);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    const std::size_t comma = text.find(',');
    const auto digits = [](std::string_view part) {
        return !part.empty() && std::all_of(part.begin(), part.end(), isDigit);
    };
    return comma != std::string_view::npos && digits(text.substr(0, comma)) &&
           digits(text.substr(comma + 1));
}

} // namespace sheet
