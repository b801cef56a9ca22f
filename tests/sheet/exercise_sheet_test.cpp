#include "numerals/cardinal_composer.h"
#include "numerals/ordinal_composer.h"
#include "recording_view.h"
#include "sheet/exercise_sheet.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace sheet {
namespace {

using ::testing::HasSubstr;

class ExerciseSheetTest : public ::testing::Test {
protected:
    void setNumbers(const std::vector<std::string>& numbers) {
        for (std::size_t r = 0; r < numbers.size(); ++r) {
            sheet.setText({r, Column::Number}, numbers[r]);
        }
    }
    std::vector<std::string> column(Column c) const {
        std::vector<std::string> texts;
        texts.reserve(kRowCount);
        for (std::size_t r = 0; r < kRowCount; ++r) {
            texts.push_back(sheet.text({r, c}));
        }
        return texts;
    }

    RecordingView view;
    ExerciseSheet sheet{view};
};

const std::vector<std::string> kSampleOrdinals{
    "χιλιοστός πρώτος ",
    "εκατοστός πεντηκοστός έκτος ",
    "εξηκοστός έβδομος ",
    "τετρακοσιοστός εξηκοστός έκτος ",
    "εβδομηκοστός όγδοος ",
    "εικοστός τρίτος ",
    "επτακοσιοστός εξηκοστός πέμπτος ",
};
const std::vector<std::string> kSampleCardinals{
    "χίλια ένα ",
    "εκατό(ν) πενήντα έξι ",
    "εξήντα επτά ",
    "τετρακόσια εξήντα έξι ",
    "εβδομήντα οκτώ ",
    "είκοσι τρία ",
    "επτακόσια εξήντα πέντε ",
};
const std::vector<std::string> kEmptyColumn(kRowCount);

TEST_F(ExerciseSheetTest, OpensWithTheSampleNumbersAndEmptyAnswers) {
    EXPECT_EQ(column(Column::Number),
              (std::vector<std::string>{"1001", "156", "67", "466", "78", "23", "765"}));
    EXPECT_EQ(column(Column::Ordinal), kEmptyColumn);
    EXPECT_EQ(column(Column::Cardinal), kEmptyColumn);
    EXPECT_FALSE(sheet.strRomanEnabled());
    EXPECT_FALSE(sheet.hovered());
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(ExerciseSheetTest, OrdinalCommandFillsTheOrdinalBoxesRowByRowThenEnablesStrRoman) {
    sheet.convertToOrdinals();

    EXPECT_EQ(column(Column::Ordinal), kSampleOrdinals);
    EXPECT_EQ(column(Column::Cardinal), kEmptyColumn);
    EXPECT_TRUE(sheet.strRomanEnabled());
    std::vector<std::string> expectedCalls;
    expectedCalls.reserve(kRowCount + 1);
    for (std::size_t r = 0; r < kRowCount; ++r) {
        expectedCalls.push_back(testing_support::boxName({r, Column::Ordinal}) + "=" +
                                kSampleOrdinals[r]);
    }
    expectedCalls.emplace_back("strRoman enabled");
    EXPECT_EQ(view.calls, expectedCalls);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(ExerciseSheetTest, CardinalCommandFillsOnlyTheCardinalBoxesAndAlsoEnablesStrRoman) {
    sheet.convertToCardinals();

    EXPECT_EQ(column(Column::Cardinal), kSampleCardinals);
    EXPECT_EQ(column(Column::Ordinal), kEmptyColumn);
    EXPECT_TRUE(sheet.strRomanEnabled());
    EXPECT_EQ(view.calls.back(), "strRoman enabled");
    EXPECT_EQ(view.calls.front(), "strgreek=χίλια ένα ");
}

TEST_F(ExerciseSheetTest, StrRomanIsEnabledOnlyOnce) {
    sheet.convertToOrdinals();
    sheet.convertToCardinals();
    sheet.eraseAll();
    sheet.convertToOrdinals();
    EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "strRoman enabled"), 1);
    EXPECT_TRUE(sheet.strRomanEnabled());
}

// 0 and blank boxes give empty answers; 0, which has no numeral here, is said at once, with
// the numbers that have one.
TEST_F(ExerciseSheetTest, ZeroAndBlankBoxesGiveEmptyAnswersAndZeroIsSaid) {
    sheet.convertToOrdinals();
    sheet.convertToCardinals();
    setNumbers({"0", "", "   ", "-0", " 42 "});
    sheet.convertToOrdinals();
    view.messages.clear();
    sheet.convertToCardinals();

    EXPECT_EQ(column(Column::Ordinal),
              (std::vector<std::string>{"", "", "", "", "τεσσαρακοστός δεύτερος ",
                                        kSampleOrdinals[5], kSampleOrdinals[6]}));
    EXPECT_EQ(sheet.text({4, Column::Cardinal}), "σαράντα δύο ");
    EXPECT_EQ(sheet.text({0, Column::Cardinal}), "");
    ASSERT_EQ(view.messages.size(), 1U);
    EXPECT_EQ(view.messages[0].text,
              "2 γραμμές δεν μετατράπηκαν:\n\n"
              "Γραμμή 1: το «0» δεν έχει αριθμητικό σε αυτό το πρόγραμμα.\n"
              "Γραμμή 4: το «-0» δεν έχει αριθμητικό σε αυτό το πρόγραμμα.\n\n"
              "Γράψτε σε αυτές τις γραμμές έναν ακέραιο αριθμό από 1 έως 29999 και πατήστε ξανά "
              "το κουμπί μετατροπής.");
}

TEST_F(ExerciseSheetTest, RefusedRowsAreEmptiedAndReportedOnceWhileTheOthersConvert) {
    sheet.convertToOrdinals(); // every row holds an answer to its sample number
    view.calls.clear();
    setNumbers({"1001", "abc", "12", "-5", "40000", "1,5", "2.5"});

    sheet.convertToOrdinals();

    EXPECT_EQ(
        column(Column::Ordinal),
        (std::vector<std::string>{"χιλιοστός πρώτος ", "", "δωδέκατος ", "", "", "", "δεύτερος "}));
    ASSERT_EQ(view.messages.size(), 1U);
    const Message& message = view.messages.front();
    EXPECT_EQ(message.kind, Message::Kind::Warning);
    EXPECT_THAT(message.text, HasSubstr("4 γραμμές δεν μετατράπηκαν"));
    EXPECT_THAT(message.text, HasSubstr("Γραμμή 2: το «abc» δεν είναι αριθμός."));
    EXPECT_THAT(message.text, HasSubstr("Γραμμή 4: το «-5» είναι αρνητικός αριθμός."));
    EXPECT_THAT(message.text,
                HasSubstr("Γραμμή 5: το «40000» είναι εκτός ορίων (από 1 έως 29999)."));
    EXPECT_THAT(message.text, HasSubstr("Γραμμή 6: το «1,5» δεν είναι ακέραιος αριθμός."));
    EXPECT_EQ(message.text.find("Γραμμή 1:"), std::string::npos);
    EXPECT_THAT(message.text, HasSubstr("\n\nΣε μία γραμμή ο αριθμός είχε δεκαδικά και "
                                        "στρογγυλεύτηκε:\n\nΓραμμή 7: το «2.5» έγινε 2.\n"));
    EXPECT_TRUE(sheet.strRomanEnabled());
}

// The form takes numbers up to 29999, as its label says: above, even within the 16-bit range,
// the tables would compose wrong Greek.
TEST_F(ExerciseSheetTest, NumbersAbove29999AreRefused) {
    setNumbers({"29999", "30000", "32767", "29.999", "29999.4", "29999.5", "30.000"});
    sheet.convertToCardinals();
    const std::vector<std::string> converted = column(Column::Cardinal);
    EXPECT_EQ(converted[0], "εικοσιεννιά χιλιάδες εννιακόσια ενενήντα εννιά ");
    EXPECT_EQ(converted[3], converted[0]);
    EXPECT_EQ(converted[4], converted[0]);
    for (const std::size_t refused : {1, 2, 5, 6}) {
        EXPECT_EQ(converted[refused], "") << "row " << refused + 1;
    }
    ASSERT_EQ(view.messages.size(), 1U);
    EXPECT_THAT(view.messages[0].text, HasSubstr("4 γραμμές δεν μετατράπηκαν"));
    EXPECT_THAT(view.messages[0].text,
                HasSubstr("Γραμμή 2: το «30000» είναι εκτός ορίων (από 1 έως 29999)."));
}

// A number with a fraction converts as the whole number it rounds to, and the conversion says
// so; where the first box's limit cut a thousands group short, it says how to write it.
TEST(RoundedNumbersTest, AConversionSaysWhichNumbersItRounded) {
    const std::string cutHint = "Το πρώτο κουτί δέχεται έως 5 χαρακτήρες: για χιλιάδες γράψτε "
                                "τον αριθμό χωρίς τελεία (29999, όχι 29.999).";
    const std::string nextStep = "Αν δεν ήταν αυτό που θέλατε, διορθώστε τον αριθμό και πατήστε "
                                 "ξανά το κουμπί μετατροπής.";
    struct Case {
        const char* name;
        std::size_t row;
        std::string text;
        std::string said; // the row's line, then the last one; empty: no message
    };
    const std::vector<Case> cases{
        {"29.999 cut in the first box", 0, "29.99", "Γραμμή 1: το «29.99» έγινε 30.\n\n" + cutHint},
        {"15.000 cut in the first box", 0, "15.00", "Γραμμή 1: το «15.00» έγινε 15.\n\n" + cutHint},
        {"a short fraction in the first box", 0, "1.5",
         "Γραμμή 1: το «1.5» έγινε 2.\n\n" + nextStep},
        {"a fraction of five characters in another box", 3, "46.50",
         "Γραμμή 4: το «46.50» έγινε 46.\n\n" + nextStep},
        {"a grouped number is whole", 3, "15.000", ""},
        {"a point without a fraction", 3, "7.", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingView view;
        ExerciseSheet sheet(view);
        sheet.setText({c.row, Column::Number}, c.text);
        sheet.convertToOrdinals();
        if (c.said.empty()) {
            EXPECT_TRUE(view.messages.empty());
            continue;
        }
        ASSERT_EQ(view.messages.size(), 1U);
        EXPECT_EQ(view.messages[0].kind, Message::Kind::Warning);
        EXPECT_EQ(view.messages[0].text,
                  "Σε μία γραμμή ο αριθμός είχε δεκαδικά και στρογγυλεύτηκε:\n\n" + c.said);
    }
}

TEST_F(ExerciseSheetTest, ARefusedFirstConversionStillEnablesStrRomanBeforeTheMessage) {
    setNumbers({"-1", "", "", "", "", "", ""});
    sheet.convertToCardinals();

    EXPECT_TRUE(sheet.strRomanEnabled());
    EXPECT_EQ(view.calls.back(), "strRoman enabled");
    ASSERT_EQ(view.messages.size(), 1U);
    EXPECT_THAT(view.messages.front().text, HasSubstr("Μία γραμμή δεν μετατράπηκε"));
    EXPECT_THAT(view.messages.front().text, HasSubstr("Γραμμή 1: το «-1» είναι αρνητικός"));
}

TEST_F(ExerciseSheetTest, AHugePasteIsReportedByItsBeginning) {
    const std::string pasted = "α" + std::string(100000, '9');
    setNumbers({"1", pasted});
    sheet.convertToOrdinals();

    ASSERT_EQ(view.messages.size(), 1U);
    const std::string& text = view.messages.front().text;
    EXPECT_THAT(text, HasSubstr("Γραμμή 2: το «α" + std::string(29, '9') + "…» δεν είναι"));
    EXPECT_LT(text.size(), 500U);
}

TEST_F(ExerciseSheetTest, EraseEmptiesAll21BoxesInOrderAndKeepsStrRomanAsItWas) {
    for (const bool convertFirst : {false, true}) {
        SCOPED_TRACE(convertFirst ? "after a conversion" : "before any conversion");
        RecordingView freshView;
        ExerciseSheet fresh(freshView);
        if (convertFirst) {
            fresh.convertToOrdinals();
            fresh.convertToCardinals();
        }
        freshView.calls.clear();

        fresh.eraseAll();

        std::vector<std::string> expectedCalls;
        for (const Column c : {Column::Number, Column::Ordinal, Column::Cardinal}) {
            for (std::size_t r = 0; r < kRowCount; ++r) {
                EXPECT_EQ(fresh.text({r, c}), "");
                expectedCalls.push_back(testing_support::boxName({r, c}) + "=");
            }
        }
        EXPECT_EQ(freshView.calls, expectedCalls);
        EXPECT_EQ(fresh.strRomanEnabled(), convertFirst);
    }
}

TEST_F(ExerciseSheetTest, TheFirstMouseMoveOverTheSurfaceShowsTheFormHoveredForGood) {
    sheet.mouseMovedOverSurface();
    sheet.mouseMovedOverSurface();
    sheet.convertToOrdinals();
    sheet.mouseMovedOverSurface();

    EXPECT_TRUE(sheet.hovered());
    EXPECT_EQ(view.hovers, 1);
}

TEST(KeyFilter, PassesDigitsSignsAndControlsAndDiscardsEverythingAboveNine) {
    struct Key {
        char32_t character;
        bool accepted;
    };
    const std::vector<Key> keys{
        {U'0', true},    {U'5', true},   {U'9', true},           {U'-', true},  {U'.', true},
        {U'+', true},    {U' ', true},   {U'!', true},           {U'/', true},  {U'\b', true},
        {U'\x16', true}, // Ctrl+V arrives as a control code, so pasting still works
        {U':', false},   {U'a', false},  {U'A', false},          {U'z', false}, {U'~', false},
        {U'Α', false},   {U'α', false},  {U'ά', false},          {U'é', false}, {U'\x7F', false},
        {U'€', false},   {U'５', false}, {U'\U0001F600', false},
    };
    for (const Key& key : keys) {
        SCOPED_TRACE(static_cast<unsigned>(key.character));
        EXPECT_EQ(ExerciseSheet::acceptsTypedCharacter(key.character), key.accepted);
    }
}

} // namespace
} // namespace sheet

namespace sheet {
namespace {

// The 21 boxes' texts as a page keeps them: the number boxes, then the ordinal, then the
// cardinal ones.
std::array<std::string, kBoxCount> keptTexts(const ExerciseSheet& sheet) {
    std::array<std::string, kBoxCount> texts;
    for (std::size_t place = 0; place < kBoxCount; ++place) {
        texts[place] = sheet.text({place % kRowCount, kColumns[place / kRowCount]});
    }
    return texts;
}

// A page reloaded in its tab gets its sheet back: the boxes, the worksheet's warnings, strRoman
// and the ordinal button are as they were.
TEST(KeptFormTest, ASheetGivenItsKeptFormBackIsTheSameSheet) {
    using Steps = void (*)(ExerciseSheet&);
    const std::vector<std::pair<const char*, Steps>> cases{
        {"as opened", [](ExerciseSheet&) {}},
        {"converted, a number changed, an answer corrected, hovered",
         [](ExerciseSheet& s) {
             s.convertToOrdinals();
             s.convertToCardinals();
             s.setText({3, Column::Number}, "25");
             s.setText({1, Column::Cardinal}, "εκατόν πενήντα έξι");
             s.mouseMovedOverSurface();
         }},
        {"only the ordinals of changed numbers",
         [](ExerciseSheet& s) {
             s.setText({0, Column::Number}, "-3");
             s.convertToOrdinals();
             s.setText({0, Column::Number}, "3");
         }},
    };
    for (const auto& [name, steps] : cases) {
        SCOPED_TRACE(name);
        RecordingView view;
        ExerciseSheet before(view);
        steps(before);
        RecordingView reloadedView;
        ExerciseSheet reloaded(reloadedView);
        ASSERT_TRUE(reloaded.restoreKeptForm(keptTexts(before), before.keptState()));
        EXPECT_EQ(keptTexts(reloaded), keptTexts(before));
        EXPECT_EQ(reloaded.keptState(), before.keptState());
        const auto rows = [](const ExerciseSheet& sheet) {
            std::vector<std::string> named;
            for (const UnansweredRow& row : sheet.unansweredRows()) {
                named.push_back(std::to_string(row.row) + " " + std::to_string(row.answeredFor));
            }
            return named;
        };
        EXPECT_EQ(rows(reloaded), rows(before));
        EXPECT_EQ(reloadedView.calls.size(), kBoxCount + (before.strRomanEnabled() ? 1 : 0))
            << "every box is shown, and strRoman";
        EXPECT_EQ(reloadedView.hovers, before.hovered() ? 1 : 0) << "the look is shown";
    }
}

// A kept form that this sheet could not have held (another program's or version's, or one
// tampered with) is refused whole: the sheet stays as it opened.
TEST(KeptFormTest, AFormTheSheetCouldNotHaveHeldIsRefusedWhole) {
    RecordingView convertedView;
    ExerciseSheet converted(convertedView);
    converted.convertToOrdinals();
    converted.convertToCardinals();
    const std::string state = converted.keptState(); // answers for 1001, 156, …
    const auto with = [&converted](BoxId box, const std::string& text) {
        std::array<std::string, kBoxCount> texts = keptTexts(converted);
        texts[keptPlace(box)] = text;
        return texts;
    };
    // Row 0 converted from a number, its answers as the conversion would compose them.
    const auto convertedFrom = [&converted](std::int16_t number) {
        std::array<std::string, kBoxCount> texts = keptTexts(converted);
        texts[keptPlace({0, Column::Ordinal})] = numerals::OrdinalComposer::compose(number);
        texts[keptPlace({0, Column::Cardinal})] = numerals::CardinalComposer::compose(number);
        return texts;
    };
    const auto answersFor = [](std::int16_t number) {
        const std::string n = std::to_string(number);
        return n + "," + n + ",-,-,-,-,-,-,-,-,-,-,-,-,1,1";
    };
    struct Case {
        const char* name;
        std::array<std::string, kBoxCount> texts;
        std::string state;
    };
    const std::vector<Case> cases{
        {"no state at all", keptTexts(converted), "1,0"},
        {"a state with a word", keptTexts(converted), "x,-,-,-,-,-,-,-,-,-,-,-,-,-,1,1"},
        {"a state with a fraction", keptTexts(converted), "1.5,-,-,-,-,-,-,-,-,-,-,-,-,-,1,1"},
        {"a flag neither 0 nor 1", keptTexts(converted), "-,-,-,-,-,-,-,-,-,-,-,-,-,-,2,0"},
        {"more in intnumber than it takes", with({0, Column::Number}, "123456789"), state},
        {"answers for a number above the range", convertedFrom(30000), answersFor(30000)},
        {"answers for 0", convertedFrom(0), answersFor(0)},
        {"an answer that is not the conversion's", with({2, Column::Cardinal}, "εξήντα οκτώ "),
         state},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingView view;
        ExerciseSheet sheet(view);
        EXPECT_FALSE(sheet.restoreKeptForm(c.texts, c.state));
        EXPECT_EQ(sheet.text({0, Column::Number}), "1001");
        EXPECT_FALSE(sheet.strRomanEnabled());
        EXPECT_TRUE(view.calls.empty() && view.hovers == 0);
    }
}

} // namespace
} // namespace sheet
