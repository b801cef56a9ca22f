#include "sample_worksheet.h"
#include "support/temporary_folder.h"
#include "worksheet/printed_worksheet.h"
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

TEST(PrintedWorksheet, ThePupilsPageThenTheAnswerKeyOnAPageOfItsOwn) {
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
        PrintArea area;
        double fontPoints;
        std::size_t columns;
        std::vector<Lines> pages; // empty: only the line counts below are known
        std::vector<std::size_t> lineCounts;
        std::size_t answerKeyPage = 1;
    };
    const PrintArea a4{kA4.width - 2 * kPrintMargin, kA4.height - 2 * kPrintMargin};
    const PrintArea letter{kLetter.width - 2 * kPrintMargin, kLetter.height - 2 * kPrintMargin};
    // The widest line but an answer is the rule's 93 characters: 523.28 points of A4 hold them
    // at 9.2 points, 540 of Letter at 9.5.
    const std::vector<Case> cases{
        {"the sample on A4", kSampleRows, a4, 9.2, 93, {pupils, key}, {41, 14}},
        {"the sample on Letter", kSampleRows, letter, 9.5, 93, {pupils, key}, {41, 14}},
        {"the sample on either", kSampleRows, kEitherPaper, 9.2, 93, {pupils, key}, {41, 14}},
        {"29999 on A4", largest, a4, 9.2, 93, {largestPupils, largestKey}, {41, 15}},
        {"a very long number on A4", longest, a4, 9.0, 95, {}, {45, 17}},
        {"29999 in the last row on A4", largestLast, a4, 9.2, 93, {}, {41, 15}},
        // 565 points hold the rule's 93 characters at 9.96 points: 9.9, never the 10.0 nearer.
        {"a size just under a tenth",
         kSampleRows,
         {565.0, 700.0},
         9.9,
         93,
         {pupils, key},
         {41, 14}},
        {"a number text over a page", overAPage, a4, 9.0, 95, {}, {71, 6, 49}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PrintedWorksheet printed = printedWorksheet(makeWorksheet(c.rows), c.area);
        EXPECT_DOUBLE_EQ(printed.fontPoints, c.fontPoints);
        EXPECT_DOUBLE_EQ(printed.linePoints, c.fontPoints * kPrintFont.lineSpacing);
        EXPECT_EQ(printed.columns, c.columns);
        EXPECT_EQ(printed.answerKeyPage, c.answerKeyPage);
        if (!c.pages.empty()) {
            EXPECT_EQ(printed.pages, c.pages);
        }
        ASSERT_EQ(printed.pages.size(), c.lineCounts.size());
        for (std::size_t p = 0; p < printed.pages.size(); ++p) {
            EXPECT_EQ(printed.pages[p].size(), c.lineCounts[p]) << "page " << p + 1;
            EXPECT_LE(static_cast<double>(printed.pages[p].size()) * printed.linePoints,
                      c.area.height);
            for (const std::string& line : printed.pages[p]) {
                EXPECT_LE(characters(line), c.columns) << line;
            }
        }
    }

    // A long number's lines, put back together, are the worksheet's, also for a box of 100,000
    // characters (laid out in time in proportion to its length: see the bench).
    for (const std::size_t length : {300, 100000}) {
        SCOPED_TRACE(length);
        const std::string number(length, '7');
        std::vector<WorksheetRow> rows = kSampleRows;
        rows[6] = {number, "", ""};
        const PrintedWorksheet printed = printedWorksheet(makeWorksheet(rows), a4);
        Lines pupilsLines;
        for (std::size_t page = 0; page < printed.answerKeyPage; ++page) {
            pupilsLines.insert(pupilsLines.end(), printed.pages[page].begin(),
                               printed.pages[page].end());
        }
        // The number line, then its pieces up to the empty line after it.
        const std::string numberStart = kMargin + kBlank + number.substr(0, 10);
        auto piece = std::find_if(
            pupilsLines.begin(), pupilsLines.end(),
            [&numberStart](const std::string& line) { return line.starts_with(numberStart); });
        ASSERT_NE(piece, pupilsLines.end());
        std::string numberLine = *piece;
        for (++piece; piece != pupilsLines.end() && !piece->empty(); ++piece) {
            EXPECT_TRUE(piece->starts_with(kMargin) && (*piece)[kMargin.size()] != ' ')
                << "each piece under the line's start: " << *piece;
            numberLine += piece->substr(kMargin.size());
        }
        EXPECT_EQ(numberLine, kMargin + kBlank + number + kBlank);
    }
}

} // namespace
} // namespace worksheet
