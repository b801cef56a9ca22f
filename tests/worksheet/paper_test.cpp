#include "sample_worksheet.h"
#include "support/recording_surface.h"
#include "support/temporary_folder.h"
#include "worksheet/paper.h"
#include "worksheet/utf8.h"
#include "worksheet/windows1253.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace worksheet {
namespace {

using Lines = std::vector<std::string>;

// The sample worksheet's lines as text, read back from its file.
Lines sampleLines() {
    Lines lines;
    for (const std::string& bytes : splitLines(testing_support::readBytes(kSampleFile))) {
        std::string text;
        for (const char byte : bytes) {
            const auto code = static_cast<unsigned char>(byte);
            appendUtf8(code < 0x80 ? code : kWindows1253UpperHalf.at(code - 0x80), text);
        }
        lines.push_back(text);
    }
    return lines;
}

Lines slice(const Lines& lines, std::size_t first, std::size_t end) {
    return {lines.begin() + static_cast<std::ptrdiff_t>(first),
            lines.begin() + static_cast<std::ptrdiff_t>(end)};
}

std::size_t characters(const std::string& line) {
    std::size_t count = 0;
    for (const char byte : line) {
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

const std::string kMargin(11, ' ');
const std::string kBlank(33, '_');

TEST(WorksheetOnPaper, ThePupilsPageThenTheAnswerKeyOnAPageOfItsOwn) {
    // The file's 55 lines: the pupils' part is lines 1 to 41, ending with the brand under the
    // exercises; the answer key, from the empty line before the rule, is lines 42 to 55, its
    // answers lines 48 to 54.
    const Lines sample = sampleLines();
    ASSERT_EQ(sample.size(), 55U);
    const Lines pupils = slice(sample, 0, 41);
    const Lines key = slice(sample, 41, 55);

    // 29999 in the first row: its number line still fits; its answer line, 135 characters,
    // goes on after the ordinal words' last space, under its own start.
    const std::string ordinal = "εικοσακισχιλιοστός εννεακισχιλιοστός εννιακοσιοστός ενενηκοστός "
                                "ένατος ";
    const std::string cardinal = "εικοσιεννιά χιλιάδες εννιακόσια ενενήντα εννιά ";
    std::vector<WorksheetRow> largest = kSampleRows;
    largest[0] = {"29999", ordinal, cardinal};
    Lines largestPupils = pupils;
    largestPupils[13] = kMargin + kBlank + "29999" + kBlank;
    Lines largestKey = key;
    largestKey[6] = kMargin + ordinal;
    largestKey.insert(largestKey.begin() + 7, kMargin + "29999_" + cardinal);

    // A number text of 300 digits: the size goes down to 9 points, no lower, and its lines go
    // on over as many lines as they take, 95 characters wide: the number line's 377 characters
    // over five lines, the answer line's 312 over four.
    const std::string digits(300, '7');
    std::vector<WorksheetRow> longest = kSampleRows;
    longest[6] = {digits, "", ""};

    // 29999 in the last row: its answer line is the widest line, and still no measure of the
    // size.
    std::vector<WorksheetRow> largestLast = kSampleRows;
    largestLast[6] = {"29999", ordinal, cardinal};

    // 3000 digits: the number line goes on over 36 more lines, so the pupils' part fills a page
    // of 71 lines at 9 points (10.8 from line to line) and goes on over a second; the answer
    // key, 35 lines longer, starts the third.
    std::vector<WorksheetRow> overAPage = kSampleRows;
    const std::string thousands(3000, '7');
    overAPage[6] = {thousands, "", ""};

    struct Case {
        std::string name;
        std::vector<WorksheetRow> rows;
        Paper paper;
        double fontPoints;
        std::size_t columns;
        std::vector<Lines> pages; // empty: only the line counts below are known
        std::vector<std::size_t> lineCounts;
        PaperPoint origin{kPrintMargin, kPrintMargin}; // the first line's top left
    };
    // The widest line but an answer is the rule's 93 characters: the 523.28 points A4 leaves
    // inside its margins hold them at 9.2 points, the 540 of Letter at 9.5.
    const std::vector<Case> cases{
        {"the sample on A4", kSampleRows, {kA4}, 9.2, 93, {pupils, key}, {41, 14}},
        {"the sample on Letter", kSampleRows, {kLetter}, 9.5, 93, {pupils, key}, {41, 14}},
        {"the sample on either", kSampleRows, kEitherPaper, 9.2, 93, {pupils, key}, {41, 14}},
        // Edges a printer cannot print on, wider than the margin on the left and the top: the
        // lines keep off them; narrower ones change nothing. 519.28 points across hold the
        // rule at 9.1 points; 755.89 down hold 69 lines.
        {"A4 with unprintable edges",
         kSampleRows,
         {kA4, {40, 50, 20, 30}},
         9.1,
         93,
         {pupils, key},
         {41, 14},
         {40, 50}},
        {"29999 on A4", largest, {kA4}, 9.2, 93, {largestPupils, largestKey}, {41, 15}},
        {"a very long number on A4", longest, {kA4}, 9.0, 95, {}, {45, 17}},
        {"29999 in the last row on A4", largestLast, {kA4}, 9.2, 93, {}, {41, 15}},
        // 565 points across hold the rule's 93 characters at 9.96 points: 9.9, never the 10.0
        // nearer.
        {"a size just under a tenth",
         kSampleRows,
         {{637.0, 772.0}},
         9.9,
         93,
         {pupils, key},
         {41, 14}},
        {"a number text over a page", overAPage, {kA4}, 9.0, 95, {}, {71, 6, 49}},
        // An unprintable foot of 100 points leaves 705.89 points down: 65 lines.
        {"over a page, with a wide foot",
         overAPage,
         {kA4, {0, 0, 0, 100}},
         9.0,
         95,
         {},
         {65, 12, 49}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const testing_support::RecordingSurface surface =
            testing_support::drawn(makeWorksheet(c.rows), c.paper);
        ASSERT_EQ(surface.pages.size(), c.lineCounts.size());
        for (std::size_t p = 0; p < surface.pages.size(); ++p) {
            SCOPED_TRACE("page " + std::to_string(p + 1));
            const auto& page = surface.pages[p];
            EXPECT_DOUBLE_EQ(page.font.points, c.fontPoints);
            EXPECT_DOUBLE_EQ(page.font.pitch, c.fontPoints * kPrintFont.lineSpacing);
            if (!c.pages.empty()) {
                EXPECT_EQ(surface.texts(p), c.pages[p]);
            }
            ASSERT_EQ(page.lines.size(), c.lineCounts[p]);
            // Each line under the one before, a pitch apart, the last one above the bottom
            // margin.
            for (std::size_t line = 0; line < page.lines.size(); ++line) {
                const PaperPoint at = page.lines[line].at;
                EXPECT_DOUBLE_EQ(at.left, c.origin.left);
                EXPECT_DOUBLE_EQ(at.top,
                                 c.origin.top + static_cast<double>(line) * page.font.pitch);
                EXPECT_LE(characters(page.lines[line].text), c.columns) << page.lines[line].text;
            }
            EXPECT_LE(page.lines.back().at.top + page.font.pitch,
                      c.paper.size.height - std::max(kPrintMargin, c.paper.unprintable.bottom));
        }
    }

    // A long number's lines, put back together, are the worksheet's, also for a box of 100,000
    // characters (laid out in time in proportion to its length: see the bench).
    for (const std::size_t length : {300, 100000}) {
        SCOPED_TRACE(length);
        const std::string number(length, '7');
        std::vector<WorksheetRow> rows = kSampleRows;
        rows[6] = {number, "", ""};
        const testing_support::RecordingSurface surface =
            testing_support::drawn(makeWorksheet(rows), {kA4});
        Lines printed;
        for (std::size_t page = 0; page < surface.pages.size(); ++page) {
            const Lines texts = surface.texts(page);
            printed.insert(printed.end(), texts.begin(), texts.end());
        }
        // The number line, then its pieces up to the empty line after it.
        const std::string numberStart = kMargin + kBlank + number.substr(0, 10);
        auto piece =
            std::find_if(printed.begin(), printed.end(), [&numberStart](const std::string& line) {
                return line.starts_with(numberStart);
            });
        ASSERT_NE(piece, printed.end());
        std::string numberLine = *piece;
        for (++piece; piece != printed.end() && !piece->empty(); ++piece) {
            EXPECT_TRUE(piece->starts_with(kMargin) && (*piece)[kMargin.size()] != ' ')
                << "each piece under the line's start: " << *piece;
            numberLine += piece->substr(kMargin.size());
        }
        EXPECT_EQ(numberLine, kMargin + kBlank + number + kBlank);
    }
}

// A printer that stops taking pages stops the drawing: nothing is drawn after the page it did
// not take, and the caller is told: at the answer key, or where a full page goes on.
TEST(WorksheetOnPaper, APageNotTakenEndsTheDrawing) {
    std::vector<WorksheetRow> overAPage = kSampleRows;
    const std::string thousands(3000, '7');
    overAPage[6] = {thousands, "", ""};
    for (const Worksheet& worksheet : {makeWorksheet(kSampleRows), makeWorksheet(overAPage)}) {
        testing_support::RecordingSurface surface;
        surface.takes = 0;
        EXPECT_FALSE(drawOnPaper(worksheet, {kA4}, surface));
        EXPECT_EQ(surface.pages.size(), 1U);
    }
}

} // namespace
} // namespace worksheet
