#include "numerals/cardinal_composer.h"
#include "numerals/cardinal_table.h"
#include "numerals/ordinal_composer.h"
#include "numerals/ordinal_table.h"

#include <cstdint>
#include <limits>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace numerals {
namespace {

struct Case {
    int number;
    const char* words;
};

// Each table row is checked with a trace naming its number, so a failure says which one.
template <typename Composer> void expectComposes(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(Composer::compose(static_cast<std::int16_t>(c.number)), c.words);
    }
}

TEST(OrdinalComposer, ComposesTheLessonsNumbers) {
    expectComposes<OrdinalComposer>({
        {0, ""},
        {1, "πρώτος "},
        {10, "δέκατος "},
        {11, "ενδέκατος "},
        {12, "δωδέκατος "},
        {13, "δέκατος τρίτος "},
        {20, "εικοστός "},
        {21, "εικοστός πρώτος "},
        {99, "ενενηκοστός ένατος "},
        {100, "εκατοστός "},
        {101, "εκατοστός πρώτος "},
        {999, "εννιακοσιοστός ενενηκοστός ένατος "},
        {1000, "χιλιοστός "},
        {1999, "χιλιοστός εννιακοσιοστός ενενηκοστός ένατος "},
        {2000, "δισχιλιοστός "},
        {800, "οχτακοσιοστός "},
        {8000, "οκτακισχιλιοστός "},
        {1001, "χιλιοστός πρώτος "},
        {156, "εκατοστός πεντηκοστός έκτος "},
        {67, "εξηκοστός έβδομος "},
        {466, "τετρακοσιοστός εξηκοστός έκτος "},
        {78, "εβδομηκοστός όγδοος "},
        {23, "εικοστός τρίτος "},
        {765, "επτακοσιοστός εξηκοστός πέμπτος "},
        {20000, "εικοσακισχιλιοστός "},
        {21000, "εικοσακισχιλιοστός χιλιοστός "},
        {25000, "εικοσακισχιλιοστός πεντακισχιλιοστός "},
        {29999, "εικοσακισχιλιοστός εννεακισχιλιοστός εννιακοσιοστός ενενηκοστός ένατος "},
        {30000, "εικοσακισχιλιοστός δεκακισχιλιοστός "},
        {32767, "εικοσακισχιλιοστός δωδεκακισχιλιοστός επτακοσιοστός εξηκοστός έβδομος "},
    });
}

TEST(CardinalComposer, ComposesTheLessonsNumbers) {
    expectComposes<CardinalComposer>({
        {0, ""},
        {1, "ένα "},
        {10, "δέκα "},
        {14, "δεκατέσσερα "},
        {20, "είκοσι "},
        {21, "είκοσι ένα "},
        {100, "εκατό(ν) "},
        {101, "εκατό(ν) ένα "},
        {999, "εννιακόσια ενενήντα εννιά "},
        {1000, "χίλια "},
        {1999, "χίλια εννιακόσια ενενήντα εννιά "},
        {2000, "δυο χιλιάδες "},
        {2002, "δυο χιλιάδες δύο "},
        {3003, "τρεις χιλιάδες τρία "},
        {4004, "τέσσερις χιλιάδες τέσσερα "},
        {27000, "είκοσιεπτά χιλιάδες "},
        {1001, "χίλια ένα "},
        {156, "εκατό(ν) πενήντα έξι "},
        {67, "εξήντα επτά "},
        {466, "τετρακόσια εξήντα έξι "},
        {78, "εβδομήντα οκτώ "},
        {23, "είκοσι τρία "},
        {765, "επτακόσια εξήντα πέντε "},
        {20000, "είκοσι χιλιάδες "},
        {21000, "εικοσιμία χιλιάδες "},
        {25000, "εικοσιπέντε χιλιάδες "},
        {29999, "εικοσιεννιά χιλιάδες εννιακόσια ενενήντα εννιά "},
        {30000, "εικοσιεννιά χιλιάδες χίλια "},
        {32767, "εικοσιεννιά χιλιάδες τρεις χιλιάδες επτακόσια εξήντα επτά "},
    });
}

// The walk as it is done by hand: from the top of the table, take each value as often as it
// fits, then move to the next entry, until nothing is left. Returns the indices taken.
std::vector<std::size_t> walkByHand(std::span<const NumeralEntry> table, int number) {
    std::vector<std::size_t> taken;
    for (std::size_t index = 0; number != 0; ++index) {
        while (number >= table[index].value) {
            number -= table[index].value;
            taken.push_back(index);
        }
    }
    return taken;
}

template <typename Composer>
void expectWholeRangeComposedByHand(std::span<const NumeralEntry> table) {
    for (int n = 0; n <= std::numeric_limits<std::int16_t>::max(); ++n) {
        const std::string composed = Composer::compose(static_cast<std::int16_t>(n));
        const std::vector<std::size_t> taken = walkByHand(table, n);

        std::string expected;
        for (std::size_t i = 0; i < taken.size(); ++i) {
            expected += table[taken[i]].word;
            // Each entry at most once means each index is past the one before.
            if (i > 0 && taken[i] <= taken[i - 1]) {
                ADD_FAILURE() << n << " takes the word " << table[taken[i]].word << " twice";
            }
        }
        ASSERT_EQ(composed, expected) << "for " << n;

        if (n == 0) {
            ASSERT_TRUE(composed.empty());
            continue;
        }
        ASSERT_TRUE(composed.ends_with(' ') && !composed.ends_with("  ")) << "for " << n;
        ASSERT_EQ(composed.find("  "), std::string::npos) << "for " << n;
        ASSERT_NE(composed.front(), ' ') << "for " << n;
    }
}

TEST(OrdinalComposer, EveryNumberIsTheWalkByHandWithEachWordAtMostOnce) {
    expectWholeRangeComposedByHand<OrdinalComposer>(kOrdinalTable);
}

TEST(CardinalComposer, EveryNumberIsTheWalkByHandWithEachWordAtMostOnce) {
    expectWholeRangeComposedByHand<CardinalComposer>(kCardinalTable);
}

TEST(Composers, RefuseNegativeNumbers) {
    for (const int n : {-1, -2, -1000, -32768}) {
        SCOPED_TRACE(n);
        const auto number = static_cast<std::int16_t>(n);
        EXPECT_THROW(OrdinalComposer::compose(number), std::domain_error);
        EXPECT_THROW(CardinalComposer::compose(number), std::domain_error);
    }
}

} // namespace
} // namespace numerals
