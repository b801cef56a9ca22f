// Every text the sheet receives is kept with the letters Windows-1253 holds precomposed, so the
// worksheet's bytes do not depend on the window, the keyboard or the clipboard. The cases come
// from Python's unicodedata (precomposed_cases.py), not from the code under test.

#include "recording_view.h"
#include "sheet/exercise_sheet.h"
#include "support/temporary_folder.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace sheet {
namespace {

struct Case {
    std::string typed;
    std::string kept;
};

std::vector<Case> casesFromUnicodedata() {
    std::istringstream lines(testing_support::readBytes(
        std::filesystem::path(ARITHMITIKA_SHEET_TEST_DATA) / "precomposed_cases.txt"));
    std::vector<Case> cases;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t tab = line.find('\t');
        cases.push_back(
            {line.substr(0, tab), line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1)});
    }
    return cases;
}

TEST(Precomposed, EveryTextIsKeptWithTheLettersWindows1253HoldsAsOneCharacter) {
    std::vector<Case> cases = casesFromUnicodedata();
    ASSERT_GE(cases.size(), 60U);
    // What the code page cannot hold as one character, and what is not UTF-8, stays as typed.
    cases.push_back({"caf\u0065\u0301", "caf\u0065\u0301"});
    cases.push_back({"\xCE\xB1\xFF\xCC\x81", "\xCE\xB1\xFF\xCC\x81"});
    cases.push_back({"\u0301\u03B1", "\u0301\u03B1"});

    RecordingView view;
    ExerciseSheet sheet(view);
    for (const Case& c : cases) {
        for (const Column column : kColumns) {
            sheet.setText({3, column}, c.typed);
            EXPECT_EQ(sheet.text({3, column}), c.kept) << c.typed;
        }
    }
}

} // namespace
} // namespace sheet
