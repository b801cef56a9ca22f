#pragma once

// The pupil's worksheet with its answer key, written from the exercise rows as they stand.
//
// For each row the worksheet shows the number between two blanks of underscores, on which the
// pupil writes the ordinal numeral (left) and the cardinal numeral (right), then a second
// pair of blanks with "***" between them for more room. Below a rule, the answer key lists
// each row's ordinal words, number and cardinal words. Nothing is recomputed: an empty or
// edited box is printed as it is.

#include "worksheet/zoned_line_writer.h"

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace worksheet {

// The texts of one exercise row's boxes, in UTF-8.
struct WorksheetRow {
    std::string_view number;
    std::string_view ordinal;
    std::string_view cardinal;
};

// The name of the worksheet file, in whatever folder it is written to.
inline constexpr std::string_view kWorksheetFileName = "numbers.txt";

// The maker's brand, printed under the exercises and under the answer key; the window shows it
// too (form/design.h).
inline constexpr std::string_view kBrand = "TRELOVANDIKA®";

// Where the worksheet's parts stand, in lines counted from 0. The pupils' part runs from the
// first line to the brand under the exercises; the answer key follows it, from the rule on, with
// one answer line a row from `answers`, and ends with the brand under it.
struct WorksheetParts {
    std::size_t answerKey; // the first line after the brand under the exercises
    std::size_t answers;   // the first row's answer line
};

// Writes the whole worksheet through out, statement by statement; where its lines stand.
WorksheetParts writeWorksheet(std::span<const WorksheetRow> rows, ZonedLineWriter& out);

// The worksheet, made once from the rows and then encoded as a file or laid out on paper: its
// lines in UTF-8, as the zoned line writer laid them out, without line ends, and where its
// parts stand among them.
struct Worksheet {
    std::vector<std::string> lines;
    WorksheetParts parts{};
    std::size_t rows = 0; // the exercise rows, one answer line each

    bool inAnswerKey(std::size_t line) const { return line >= parts.answerKey; }
    bool isAnswer(std::size_t line) const {
        return line >= parts.answers && line < parts.answers + rows;
    }
};
Worksheet makeWorksheet(std::span<const WorksheetRow> rows);

// The characters of a box's text that numbers.txt holds as "?", each once in the order they
// come: those Windows-1253 lacks, as typed, and control characters and malformed UTF-8, each
// as an empty string. The one rule for "?": the zoned line writer's, then the code page's.
std::vector<std::string> charactersWrittenAsQuestionMarks(std::string_view text);

// The worksheet as the bytes of numbers.txt: each line in Windows-1253, then CR LF.
std::string worksheetBytes(const Worksheet& worksheet);

struct SaveOutcome {
    std::filesystem::path file; // the worksheet written, or the one that could not be
    std::error_code error;      // the system's reason when it could not be written

    bool saved() const { return !error; }
};

// Writes the worksheet as numbers.txt in folder, replacing an earlier one whole or leaving it
// exactly as it was (see ReplacingFile).
SaveOutcome saveWorksheet(const Worksheet& worksheet, const std::filesystem::path& folder);

} // namespace worksheet
