#include "worksheet/worksheet_writer.h"

#include "worksheet/replacing_file.h"
#include "worksheet/utf8.h"
#include "worksheet/windows1253.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace worksheet {

namespace {

constexpr std::string_view kTitle = "ΤΑΚΤΙΚΑ ΚΑΙ ΑΠΟΛΥΤΑ ΑΡΙΘΜΗΤΙΚΑ. ";
constexpr std::string_view kTask = "Κάνε τις παρακάτω αντιστοιχήσεις";
constexpr std::string_view kHint =
    "(Αν δε σε χωράει, χρησιμοποίησε και τη δεύτερη γραμμή με τα αστεράκια)";
constexpr std::string_view kGap = "  ";
constexpr std::string_view kOrdinalHeading = "ΤΑΚΤΙΚΑ ΑΡΙΘΜΗΤΙΚΑ";
constexpr std::string_view kNumberHeading = "ΑΡΙΘΜΟΣ";
constexpr std::string_view kCardinalHeading = "ΑΠΟΛΥΤΑ ΑΡΙΘΜΗΤΙΚΑ";
constexpr std::string_view kStars = "***";
constexpr std::string_view kKeyHeading = "Λύσεις ασκήσεων";
constexpr std::string_view kJoin = "_";

// Widths in columns, one character each: in Windows-1253 also one byte each.
constexpr std::size_t kMargin = 11;         // the left margin of the pupil's lines and the key
constexpr std::size_t kTitleIndent = 17;    // before the title and the task, which then take
                                            // the next print zone
constexpr std::size_t kBlank = 33;          // each blank a pupil writes a numeral on
constexpr std::size_t kNameBlank = 56;      // after "ΟΝΟΜΑ:"
constexpr std::size_t kClassBlank = 21;     // after "ΤΑΞΗ:"
constexpr std::size_t kDateBlank = 25;      // after "ΗΜΕΡΟΜΗΝΙΑ:"
constexpr std::size_t kExercisesBrand = 45; // before the brand under the exercises
constexpr std::size_t kRule = 93;           // the rule between the exercises and the key
constexpr std::size_t kKeyBrand = 39;       // before the brand under the key

std::string spaces(std::size_t count) {
    return std::string(count, ' ');
}

std::string underscores(std::size_t count) {
    return std::string(count, '_');
}

} // namespace

WorksheetParts writeWorksheet(std::span<const WorksheetRow> rows, ZonedLineWriter& out) {
    using enum Separator;
    WorksheetParts parts{};
    const std::string margin = spaces(kMargin);
    const std::string titleIndent = spaces(kTitleIndent);
    const std::string blank = underscores(kBlank);
    const std::string name = "ΟΝΟΜΑ:" + underscores(kNameBlank);
    const std::string schoolClass =
        "ΤΑΞΗ:" + underscores(kClassBlank) + "ΗΜΕΡΟΜΗΝΙΑ:" + underscores(kDateBlank);

    // The heading: title and task in the third zone, then the pupil's details.
    out.print({EndOfLine});
    out.print({EndOfLine});
    out.print({{titleIndent, Comma}, {kTitle, EndOfLine}});
    out.print({{titleIndent, Comma}, {kTask, EndOfLine}});
    out.print({EndOfLine});
    out.print({{margin, Semicolon}, {name, EndOfLine}});
    out.print({EndOfLine});
    out.print({{margin, Semicolon}, {schoolClass, EndOfLine}});
    out.print({EndOfLine});
    out.print({{margin, Semicolon}, {kHint, EndOfLine}});
    out.print({EndOfLine});
    out.print({{margin, Semicolon},
               {kGap, Semicolon},
               {kOrdinalHeading, Semicolon},
               Comma,
               {kNumberHeading, Semicolon},
               Comma,
               {kCardinalHeading, EndOfLine}});
    out.print({EndOfLine});

    // The exercises: each number between its two blanks, then a line of blanks to spare.
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out.print({{margin, Semicolon},
                   {blank, Semicolon},
                   {rows[r].number, Semicolon},
                   {blank, Semicolon}});
        out.print({EndOfLine});
        out.print({EndOfLine});
        out.print(
            {{margin, Semicolon}, {blank, Semicolon}, {kStars, Semicolon}, {blank, Semicolon}});
        out.print({EndOfLine});
        if (r + 1 < rows.size()) {
            out.print({EndOfLine});
        }
    }
    out.print({{spaces(kExercisesBrand), Comma}, {kBrand, EndOfLine}});
    parts.answerKey = out.lineEnds();
    out.print({EndOfLine});
    out.print({{underscores(kRule), EndOfLine}});
    out.print({EndOfLine});
    out.print({EndOfLine});

    // The answer key: "ordinal words number_cardinal words" for each row.
    out.print({{margin, Semicolon}, {kKeyHeading, EndOfLine}});
    out.print({EndOfLine});
    parts.answers = out.lineEnds();
    for (const WorksheetRow& row : rows) {
        out.print({{margin, Semicolon},
                   {row.ordinal, Semicolon},
                   {row.number, Semicolon},
                   {kJoin, Semicolon},
                   {row.cardinal, EndOfLine}});
    }
    out.print({{spaces(kKeyBrand), Comma}, {kBrand, EndOfLine}});
    return parts;
}

namespace {

// Keeps the lines the writer hands on.
class LineList final : public LineSink {
public:
    void line(std::string_view utf8) override { lines.emplace_back(utf8); }

    std::vector<std::string> lines;
};

// Writes the worksheet's lines into bytes: each in Windows-1253, then its line end.
void writeEncoded(const Worksheet& worksheet, ByteSink& bytes) {
    Windows1253Sink encoded(bytes);
    for (const std::string& line : worksheet.lines) {
        encoded.write(line);
        bytes.write("\r\n");
    }
}

} // namespace

Worksheet makeWorksheet(std::span<const WorksheetRow> rows) {
    LineList lines;
    ZonedLineWriter out(lines);
    Worksheet worksheet;
    worksheet.parts = writeWorksheet(rows, out);
    worksheet.lines = std::move(lines.lines);
    worksheet.rows = rows.size();
    return worksheet;
}

std::vector<std::string> charactersWrittenAsQuestionMarks(std::string_view text) {
    std::vector<std::string> written;
    while (!text.empty()) {
        const Utf8Character character = decodeUtf8(text);
        if (!character.valid || isControl(character.codePoint)) {
            written.emplace_back();
        } else if (!windows1253Byte(character.codePoint)) {
            written.emplace_back(text.substr(0, character.length));
        }
        text.remove_prefix(character.length);
        if (!written.empty() &&
            std::find(written.begin(), written.end() - 1, written.back()) != written.end() - 1) {
            written.pop_back(); // named once
        }
    }
    return written;
}

std::string worksheetBytes(const Worksheet& worksheet) {
    StringSink bytes;
    writeEncoded(worksheet, bytes);
    return bytes.bytes();
}

SaveOutcome saveWorksheet(const Worksheet& worksheet, const std::filesystem::path& folder) {
    SaveOutcome outcome{folder / kWorksheetFileName, {}};
    try {
        ReplacingFile file(outcome.file);
        writeEncoded(worksheet, file);
        file.commit();
    } catch (const std::system_error& failure) {
        outcome.error = failure.code();
    }
    return outcome;
}

} // namespace worksheet
