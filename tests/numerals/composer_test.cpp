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

// Every word of both tables, typed again from the lesson's own lists: a table value composes
// to its word alone, so no word can lose an accent or a letter unnoticed. The ordinal list has
// no words of its own for 21000 to 29000.
TEST(Composers, EveryTableWordIsSpelledAsTheLessonsListsHaveIt) {
    struct Word {
        int value;
        const char* ordinal; // nullptr: composed from 20000 and the rest
        const char* cardinal;
    };
    const std::vector<Word> words{
        {29000, nullptr, "εικοσιεννιά χιλιάδες "},
        {28000, nullptr, "εικοσιοκτώ χιλιάδες "},
        {27000, nullptr, "είκοσιεπτά χιλιάδες "},
        {26000, nullptr, "εικοσιέξι χιλιάδες "},
        {25000, nullptr, "εικοσιπέντε χιλιάδες "},
        {24000, nullptr, "εικοσιτέσσερις χιλιάδες "},
        {23000, nullptr, "εικοσιτρείς χιλιάδες "},
        {22000, nullptr, "εικοσιδύο χιλιάδες "},
        {21000, nullptr, "εικοσιμία χιλιάδες "},
        {20000, "εικοσακισχιλιοστός ", "είκοσι χιλιάδες "},
        {19000, "δεκαεννιακισχιλιοστός ", "δεκαεννιά χιλιάδες "},
        {18000, "δεκαοκτακισχιλιοστός ", "δεκαοκτώ χιλιάδες "},
        {17000, "δεκαεπτακισχιλιοστός ", "δεκαεπτά χιλιάδες "},
        {16000, "δεκαεξακισχιλιοστός ", "δεκαέξι χιλιάδες "},
        {15000, "δεκαπεντακισχιλιοστός ", "δεκαπέντε χιλιάδες "},
        {14000, "δεκατετρακισχιλιοστός ", "δεκατέσσερις χιλιάδες "},
        {13000, "δεκατριακισχιλιοστός ", "δεκατρείς χιλιάδες "},
        {12000, "δωδεκακισχιλιοστός ", "δώδεκα χιλιάδες "},
        {11000, "ενδεκακισχιλιοστός ", "έντεκα χιλιάδες "},
        {10000, "δεκακισχιλιοστός ", "δέκα χιλιάδες "},
        {9000, "εννεακισχιλιοστός ", "εννιά χιλιάδες "},
        {8000, "οκτακισχιλιοστός ", "οκτώ χιλιάδες "},
        {7000, "επτακισχιλιοστός ", "επτά χιλιάδες "},
        {6000, "εξακισχιλιοστός ", "έξι χιλιάδες "},
        {5000, "πεντακισχιλιοστός ", "πέντε χιλιάδες "},
        {4000, "τετρακισχιλιοστός ", "τέσσερις χιλιάδες "},
        {3000, "τρισχιλιοστός ", "τρεις χιλιάδες "},
        {2000, "δισχιλιοστός ", "δυο χιλιάδες "},
        {1000, "χιλιοστός ", "χίλια "},
        {900, "εννιακοσιοστός ", "εννιακόσια "},
        {800, "οχτακοσιοστός ", "οχτακόσια "},
        {700, "επτακοσιοστός ", "επτακόσια "},
        {600, "εξακοσιοστός ", "εξακόσια "},
        {500, "πεντακοσιοστός ", "πεντακόσια "},
        {400, "τετρακοσιοστός ", "τετρακόσια "},
        {300, "τριακοσιοστός ", "τριακόσια "},
        {200, "διακοσιοστός ", "διακόσια "},
        {100, "εκατοστός ", "εκατό(ν) "},
        {90, "ενενηκοστός ", "ενενήντα "},
        {80, "ογδοηκοστός ", "ογδόντα "},
        {70, "εβδομηκοστός ", "εβδομήντα "},
        {60, "εξηκοστός ", "εξήντα "},
        {50, "πεντηκοστός ", "πενήντα "},
        {40, "τεσσαρακοστός ", "σαράντα "},
        {30, "τριακοστός ", "τριάντα "},
        {20, "εικοστός ", "είκοσι "},
        {19, "δέκατος ένατος ", "δεκαεννιά "},
        {18, "δέκατος όγδοος ", "δεκαοκτώ "},
        {17, "δέκατος έβδομος ", "δεκαεπτά "},
        {16, "δέκατος έκτος ", "δεκαέξι "},
        {15, "δέκατος πέμπτος ", "δεκαπέντε "},
        {14, "δέκατος τέταρτος ", "δεκατέσσερα "},
        {13, "δέκατος τρίτος ", "δεκατρία "},
        {12, "δωδέκατος ", "δώδεκα "},
        {11, "ενδέκατος ", "έντεκα "},
        {10, "δέκατος ", "δέκα "},
        {9, "ένατος ", "εννιά "},
        {8, "όγδοος ", "οκτώ "},
        {7, "έβδομος ", "επτά "},
        {6, "έκτος ", "έξι "},
        {5, "πέμπτος ", "πέντε "},
        {4, "τέταρτος ", "τέσσερα "},
        {3, "τρίτος ", "τρία "},
        {2, "δεύτερος ", "δύο "},
        {1, "πρώτος ", "ένα "},
    };
    for (const Word& w : words) {
        SCOPED_TRACE(w.value);
        const auto number = static_cast<std::int16_t>(w.value);
        if (w.ordinal != nullptr) {
            EXPECT_EQ(OrdinalComposer::compose(number), w.ordinal);
        }
        EXPECT_EQ(CardinalComposer::compose(number), w.cardinal);
    }
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
