#pragma once

// The walk that composes a numeral from a table, shared by both composers.
//
// Starting at the largest entry, the walk takes each entry's value out of the number as often
// as it fits, appending the entry's word each time, until nothing is left: 156 becomes the
// words of 100, 50 and 6. Since the values descend, the next word is always the first entry
// that fits what is left of the number. That entry is looked up instead of searched for: for
// every rest a 16-bit number can leave, the index of its first fitting entry is worked out
// from the table once, when the program is compiled.

#include "numerals/numeral_table.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace numerals {

template <std::size_t Size> class NumeralWalk {
public:
    constexpr explicit NumeralWalk(const NumeralTable<Size>& table) : m_table(table) {
        // As the rest grows, its first fitting entry moves towards the top of the table.
        std::size_t entry = Size - 1;
        for (std::size_t rest = 1; rest < kRests; ++rest) {
            while (entry > 0 && static_cast<std::size_t>(table[entry - 1].value) <= rest) {
                --entry;
            }
            m_firstFitting[rest] = static_cast<std::uint8_t>(entry);
        }
    }

    // Calls visit(entry) for each word of the numeral of number, largest value first.
    // A negative number is never consumed to zero by a table of positive values, so it is
    // refused with std::domain_error rather than walked off the end of the table.
    template <typename Visit> constexpr void walk(std::int16_t number, Visit&& visit) const {
        if (number < 0) {
            throw std::domain_error("a numeral is composed only for a number from 0 upwards");
        }
        for (int rest = number; rest != 0;) {
            const NumeralEntry& entry = m_table[m_firstFitting[rest]];
            rest -= entry.value;
            visit(entry);
        }
    }

    // The words of number as UTF-8 text; the empty text for 0. Throws std::domain_error for a
    // negative number.
    std::string compose(std::int16_t number) const {
        // Measuring first, then copying into a text of the right size, costs less than letting
        // the text grow word by word: the Greek words are long in UTF-8.
        std::size_t size = 0;
        walk(number, [&size](const NumeralEntry& entry) { size += entry.word.size(); });
        std::string words;
        words.reserve(size);
        walk(number, [&words](const NumeralEntry& entry) { words += entry.word; });
        return words;
    }

private:
    static constexpr std::size_t kRests =
        static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()) + 1;
    static_assert(Size <= std::numeric_limits<std::uint8_t>::max() + 1,
                  "an entry's index must fit the lookup's bytes");

    const NumeralTable<Size>& m_table;
    std::array<std::uint8_t, kRests> m_firstFitting{};
};

} // namespace numerals
