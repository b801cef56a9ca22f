// Number reading against a second, deliberately plain reading: digits grouped by points joined,
// then exact decimal arithmetic on the digits, written apart from the program's own. Both must
// agree on every text, and every accepted number must lie within the 16-bit range.

#include "sheet/number_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Reference {
    sheet::NumberKind kind;
    long value = 0;
};

bool allDigits(std::string_view text) {
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// Greek digit grouping, "15.000" or "1.000.000": the text split at its points, a first part of
// one to three digits not starting with 0, then parts of exactly three digits. Read as the
// digits joined; any other text is left as it is.
std::string ungrouped(const std::string& text) {
    std::vector<std::string> parts{""};
    for (const char c : text) {
        if (c == '.') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    const std::string& first = parts.front();
    if (parts.size() < 2 || first.empty() || first.size() > 3 || first.front() == '0' ||
        !allDigits(first)) {
        return text;
    }
    std::string joined = first;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (parts[i].size() != 3 || !allDigits(parts[i])) {
            return text;
        }
        joined += parts[i];
    }
    return joined;
}

// Doubles the fraction 0.digits: returns the carry into the units (1 when the fraction is at
// least a half) and whether anything is left after it (the fraction is not exactly a half).
std::pair<int, bool> doubled(std::string_view digits) {
    int carry = 0;
    bool remainder = false;
    for (std::size_t i = digits.size(); i-- > 0;) {
        const int twice = 2 * (digits[i] - '0') + carry;
        remainder = remainder || twice % 10 != 0;
        carry = twice / 10;
    }
    return {carry, remainder};
}

Reference readByHand(std::string text) {
    while (!text.empty() && text.front() == ' ') {
        text.erase(0, 1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    if (text.empty()) {
        return {sheet::NumberKind::Blank};
    }
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.erase(0, 1);
    }
    text = ungrouped(text);
    const std::size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    if ((whole.empty() && fraction.empty()) || !allDigits(whole) || !allDigits(fraction)) {
        return {sheet::NumberKind::NotANumber};
    }
    while (whole.size() > 1 && whole.front() == '0') {
        whole.erase(0, 1);
    }
    if (whole.size() > 6) {
        return {sheet::NumberKind::OutOfRange};
    }
    long value = whole.empty() ? 0 : std::stol(whole);
    const auto [atLeastHalf, moreThanHalf] = doubled(fraction);
    if (atLeastHalf == 1 && (moreThanHalf || value % 2 == 1)) {
        ++value;
    }
    if (negative) {
        value = -value;
    }
    if (value < -32768 || value > 32767) {
        return {sheet::NumberKind::OutOfRange};
    }
    return {sheet::NumberKind::Number, value};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const sheet::NumberReading reading = sheet::readNumber(text);
    const Reference expected = readByHand(text);
    if (reading.kind != expected.kind) {
        std::abort();
    }
    if (reading.kind == sheet::NumberKind::Number && reading.value != expected.value) {
        std::abort();
    }
    if (reading.kind != sheet::NumberKind::Number && reading.value != 0) {
        std::abort();
    }
    return 0;
}
