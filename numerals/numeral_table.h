#pragma once

// A numeral table: the (value, word) pairs that a numeral is composed from, ordered from the
// largest value down to 1. Every word ends in exactly one space: that space is what separates
// it from the next word, since the words of a numeral are joined with nothing between them.
// How a number is walked through a table is in numeral_walk.h.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace numerals {

struct NumeralEntry {
    std::int16_t value;
    std::string_view word;
};

template <std::size_t Size> using NumeralTable = std::array<NumeralEntry, Size>;

// What the walk relies on, checked on each table when it is compiled: values strictly
// descend and end in 1 (so every positive number is consumed to zero), and every word ends in
// exactly one space (so the composed words never run together or hold two spaces in a row).
template <std::size_t Size> constexpr bool isWalkable(const NumeralTable<Size>& table) {
    if (table.empty() || table.back().value != 1) {
        return false;
    }
    for (std::size_t i = 0; i < Size; ++i) {
        const std::string_view word = table[i].word;
        if (word.size() < 2 || !word.ends_with(' ') || word[word.size() - 2] == ' ') {
            return false;
        }
        if (i > 0 && table[i].value >= table[i - 1].value) {
            return false;
        }
    }
    return true;
}

} // namespace numerals
