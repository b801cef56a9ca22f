#include "numerals/cardinal_composer.h"

#include "numerals/cardinal_table.h"
#include "numerals/numeral_walk.h"

namespace numerals {

namespace {
constexpr NumeralWalk kCardinalWalk(kCardinalTable);
} // namespace

std::string CardinalComposer::compose(std::int16_t number) {
    return kCardinalWalk.compose(number);
}

} // namespace numerals
