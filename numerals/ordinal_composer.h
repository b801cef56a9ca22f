#pragma once

#include <cstdint>
#include <string>

namespace numerals {

// Writes a number as its Greek ordinal numeral: 1001 becomes "χιλιοστός πρώτος ".
class OrdinalComposer {
public:
    // The words of number as UTF-8 text, largest value first, each ending in one space;
    // the empty text for 0. Throws std::domain_error for a negative number.
    static std::string compose(std::int16_t number);
};

} // namespace numerals
