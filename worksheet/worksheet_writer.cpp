#include "worksheet/worksheet_writer.h"

#include "worksheet/replacing_file.h"

#include <string>

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
constexpr std::string_view kBrand = "TRELOVANDIKA®";
constexpr std::string_view kKeyHeading = "Λύσεις ασκήσεων";
constexpr std::string_view kJoin = "_";

std::string spaces(std::size_t count) {
    return std::string(count, ' ');
}

std::string underscores(std::size_t count) {
    return std::string(count, '_');
}

} // namespace

void printWorksheet(std::span<const WorksheetRow> rows, ZonedLineWriter& out) {
    using enum Separator;
    const std::string sp11 = spaces(11);
    const std::string sp17 = spaces(17);
    const std::string blank = underscores(33);
    const std::string name = "ΟΝΟΜΑ:" + underscores(56);
    const std::string schoolClass = "ΤΑΞΗ:" + underscores(21) + "ΗΜΕΡΟΜΗΝΙΑ:" + underscores(25);

    // The heading: title and task in the third zone, then the pupil's details.
    out.print({EndOfLine});
    out.print({EndOfLine});
    out.print({{sp17, Comma}, {kTitle, EndOfLine}});
    out.print({{sp17, Comma}, {kTask, EndOfLine}});
    out.print({EndOfLine});
    out.print({{sp11, Semicolon}, {name, EndOfLine}});
    out.print({EndOfLine});
    out.print({{sp11, Semicolon}, {schoolClass, EndOfLine}});
    out.print({EndOfLine});
    out.print({{sp11, Semicolon}, {kHint, EndOfLine}});
    out.print({EndOfLine});
    out.print({{sp11, Semicolon},
               {kGap, Semicolon},
               {kOrdinalHeading, Semicolon},
               Comma,
               {kNumberHeading, Semicolon},
               Comma,
               {kCardinalHeading, EndOfLine}});
    out.print({EndOfLine});

    // The exercises: each number between its two blanks, then a line of blanks to spare.
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out.print({{sp11, Semicolon},
                   {blank, Semicolon},
                   {rows[r].number, Semicolon},
                   {blank, Semicolon}});
        out.print({EndOfLine});
        out.print({EndOfLine});
        out.print({{sp11, Semicolon}, {blank, Semicolon}, {kStars, Semicolon}, {blank, Semicolon}});
        out.print({EndOfLine});
        if (r + 1 < rows.size()) {
            out.print({EndOfLine});
        }
    }
    out.print({{spaces(45), Comma}, {kBrand, EndOfLine}});
    out.print({EndOfLine});
    out.print({{underscores(93), EndOfLine}});
    out.print({EndOfLine});
    out.print({EndOfLine});

    // The answer key: "ordinal words number_cardinal words" for each row.
    out.print({{sp11, Semicolon}, {kKeyHeading, EndOfLine}});
    out.print({EndOfLine});
    for (const WorksheetRow& row : rows) {
        out.print({{sp11, Semicolon},
                   {row.ordinal, Semicolon},
                   {row.number, Semicolon},
                   {kJoin, Semicolon},
                   {row.cardinal, EndOfLine}});
    }
    out.print({{spaces(39), Comma}, {kBrand, EndOfLine}});
}

SaveOutcome saveWorksheet(std::span<const WorksheetRow> rows, const std::filesystem::path& folder) {
    SaveOutcome outcome{folder / kWorksheetFileName, {}};
    try {
        ReplacingFile file(outcome.file);
        ZonedLineWriter out(file);
        printWorksheet(rows, out);
        file.commit();
        outcome.replacedCharacters = out.replacedCount();
    } catch (const std::system_error& failure) {
        outcome.error = failure.code();
    }
    return outcome;
}

} // namespace worksheet
