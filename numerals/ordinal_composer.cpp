#include "numerals/ordinal_composer.h"

#include "numerals/numeral_walk.h"
#include "numerals/ordinal_table.h"

namespace numerals {

namespace {
constexpr NumeralWalk kOrdinalWalk(kOrdinalTable);
} // namespace

std::string OrdinalComposer::compose(std::int16_t number) {
    return kOrdinalWalk.compose(number);
}

} // namespace numerals
