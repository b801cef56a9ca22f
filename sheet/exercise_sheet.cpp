#include "sheet/exercise_sheet.h"

#include "numerals/cardinal_composer.h"
#include "numerals/ordinal_composer.h"
#include "sheet/messages.h"
#include "sheet/number_text.h"
#include "sheet/precomposed.h"
#include "worksheet/utf8.h"
#include "worksheet/worksheet_writer.h"

#include <utility>
#include <vector>

namespace sheet {

namespace {

constexpr std::string ExerciseRow::*textOf(Column column) {
    switch (column) {
    case Column::Number:
        return &ExerciseRow::number;
    case Column::Ordinal:
        return &ExerciseRow::ordinal;
    case Column::Cardinal:
        break;
    }
    return &ExerciseRow::cardinal;
}

// Where a row keeps the number an answer box was converted from: the ordinal's, then the
// cardinal's.
constexpr std::size_t answerSlot(Column answer) {
    return answer == Column::Ordinal ? 0 : 1;
}

// Why a conversion refuses a number box's text, if it does: a blank box is no refusal, only an
// empty answer.
std::optional<Refusal> refusalOf(std::string_view text, const NumberReading& reading) {
    switch (reading.kind) {
    case NumberKind::NotANumber:
        return hasDecimalComma(text) ? Refusal::NotWhole : Refusal::NotANumber;
    case NumberKind::OutOfRange:
        return Refusal::OutOfRange;
    case NumberKind::Number:
        if (reading.value == 0) {
            return Refusal::Zero;
        }
        if (reading.value < 0) {
            return Refusal::Negative;
        }
        if (reading.value > kLargestNumber) {
            return Refusal::OutOfRange;
        }
        break;
    case NumberKind::Blank:
        break;
    }
    return std::nullopt;
}

} // namespace

ExerciseSheet::ExerciseSheet(SheetView& view) : m_view(view) {
    for (std::size_t r = 0; r < kRowCount; ++r) {
        m_rows[r].number = kSampleNumbers[r];
    }
}

const std::string& ExerciseSheet::text(BoxId box) const {
    return m_rows.at(box.row).*textOf(box.column);
}

std::string& ExerciseSheet::box(BoxId id) {
    return m_rows.at(id.row).*textOf(id.column);
}

std::optional<std::int16_t>& ExerciseSheet::answeredFor(BoxId answer) {
    return m_answeredFor.at(answer.row).at(answerSlot(answer.column));
}

const std::optional<std::int16_t>& ExerciseSheet::answeredFor(BoxId answer) const {
    return m_answeredFor.at(answer.row).at(answerSlot(answer.column));
}

void ExerciseSheet::showState() const {
    for (std::size_t r = 0; r < kRowCount; ++r) {
        for (const Column column : kColumns) {
            m_view.showText({r, column}, text({r, column}));
        }
    }
    m_view.showStrRomanEnabled(m_strRomanEnabled);
    if (m_hovered) {
        m_view.showHovered();
    }
}

void ExerciseSheet::setText(BoxId id, std::string_view text) {
    std::string composed = precomposed(text);
    if (id.column != Column::Number && composed != box(id)) {
        answeredFor(id).reset(); // the teacher's own answer from now on
    }
    box(id) = std::move(composed);
}

void ExerciseSheet::run(Command command, WorksheetDestination& worksheetDestination) {
    switch (command) {
    case Command::ConvertToOrdinals:
        convertToOrdinals();
        return;
    case Command::ConvertToCardinals:
        convertToCardinals();
        return;
    case Command::EraseAll:
        eraseAll();
        return;
    case Command::WriteWorksheet:
    case Command::PrintWorksheet:
        writeWorksheet(worksheetDestination);
        return;
    }
}

void ExerciseSheet::convertToOrdinals() {
    convert(Column::Ordinal, &numerals::OrdinalComposer::compose);
}

void ExerciseSheet::convertToCardinals() {
    convert(Column::Cardinal, &numerals::CardinalComposer::compose);
}

void ExerciseSheet::convert(Column target, Compose compose) {
    std::vector<RefusedNumber> refused;
    std::vector<RoundedNumber> rounded;
    for (std::size_t r = 0; r < kRowCount; ++r) {
        // Row r's answer is written before row r + 1's number is read. A row that cannot be
        // converted is emptied rather than left showing an answer to an earlier number.
        const std::string& typed = m_rows[r].number;
        const NumberReading reading = readNumber(typed);
        std::string words;
        std::optional<std::int16_t> answered;
        if (const std::optional<Refusal> refusal = refusalOf(typed, reading)) {
            refused.push_back({r, typed, *refusal});
        } else if (reading.kind == NumberKind::Number) {
            words = compose(reading.value);
            answered = reading.value;
            if (reading.rounded) {
                // The first box keeps only its first characters: «29.999» typed there reads
                // «29.99», whose point is no longer a thousands point.
                const bool cut = r == 0 && typed.size() == kFirstNumberLength;
                rounded.push_back({r, typed, reading.value, cut});
            }
        }
        const BoxId output{r, target};
        box(output) = std::move(words);
        answeredFor(output) = box(output).empty() ? std::nullopt : answered;
        m_view.showText(output, text(output));
    }

    // Either conversion enables the first ordinal box, for good.
    enableStrRoman();
    if (!refused.empty() || !rounded.empty()) {
        m_view.showMessage(conversionReport(refused, rounded));
    }
}

void ExerciseSheet::enableStrRoman() {
    if (!m_strRomanEnabled) {
        m_strRomanEnabled = true;
        m_view.showStrRomanEnabled(true);
    }
}

void ExerciseSheet::eraseAll() {
    // Column by column: the number boxes first, then the ordinal, then the cardinal ones.
    for (const Column column : kColumns) {
        for (std::size_t r = 0; r < kRowCount; ++r) {
            box({r, column}).clear();
            m_view.showText({r, column}, {});
        }
    }
    m_answeredFor = {};
}

std::vector<UnansweredRow> ExerciseSheet::unansweredRows() const {
    std::vector<UnansweredRow> unanswered;
    for (std::size_t r = 0; r < kRowCount; ++r) {
        const ExerciseRow& row = m_rows[r];
        const NumberReading reading = readNumber(row.number);
        if (reading.kind == NumberKind::Blank && row.ordinal.empty() && row.cardinal.empty()) {
            continue; // no exercise on this row
        }
        const bool missing =
            reading.kind != NumberKind::Blank && (row.ordinal.empty() || row.cardinal.empty());
        // The answers a conversion made stand for the number it read then.
        std::optional<Numerals> stale;
        std::int16_t origin = 0;
        for (const Column answer : {Column::Ordinal, Column::Cardinal}) {
            const std::optional<std::int16_t>& madeFor = answeredFor({r, answer});
            if (madeFor && (reading.kind != NumberKind::Number || reading.value != *madeFor)) {
                const Numerals numerals =
                    answer == Column::Ordinal ? Numerals::Ordinal : Numerals::Cardinal;
                stale = stale ? Numerals::Both : numerals;
                origin = *madeFor;
            }
        }
        // A number the conversion refuses is mended first, whatever else the row lacks:
        // converting it again would only refuse it again.
        if (const std::optional<Refusal> refusal = refusalOf(row.number, reading);
            refusal && (missing || stale)) {
            unanswered.push_back(
                {r, row.number, UnansweredRow::Why::Refused, Numerals::Both, *refusal});
        } else if (missing) {
            const Numerals numerals = !row.cardinal.empty()  ? Numerals::Ordinal
                                      : !row.ordinal.empty() ? Numerals::Cardinal
                                                             : Numerals::Both;
            unanswered.push_back({r, row.number, UnansweredRow::Why::Missing, numerals});
        } else if (stale) {
            unanswered.push_back(
                {r, row.number, UnansweredRow::Why::OtherNumber, *stale, {}, long{origin}});
        }
    }
    return unanswered;
}

std::vector<ReplacedRow> ExerciseSheet::replacedRows() const {
    std::vector<ReplacedRow> replaced;
    for (std::size_t r = 0; r < kRowCount; ++r) {
        const ExerciseRow& row = m_rows[r];
        // The row's three texts as one, each character named once.
        std::vector<std::string> characters = worksheet::charactersWrittenAsQuestionMarks(
            row.number + " " + row.ordinal + " " + row.cardinal);
        if (characters.empty()) {
            continue;
        }
        std::erase(characters, std::string()); // control characters are not shown
        replaced.push_back({r, row.number, std::move(characters)});
    }
    return replaced;
}

worksheet::Worksheet ExerciseSheet::worksheet() const {
    std::array<worksheet::WorksheetRow, kRowCount> rows;
    for (std::size_t r = 0; r < kRowCount; ++r) {
        rows[r] = {m_rows[r].number, m_rows[r].ordinal, m_rows[r].cardinal};
    }
    return worksheet::makeWorksheet(rows);
}

void ExerciseSheet::writeWorksheet(WorksheetDestination& destination) {
    const std::optional<Message> message =
        destination.put(worksheet(), {unansweredRows(), replacedRows()});
    if (message) {
        m_view.showMessage(*message);
    }
}

// Each answer box's number, "-" for none, a comma after each; then whether strRoman is enabled
// and whether the window was hovered, as 0 or 1: "1001,1001,156,-,…,1,0".
std::string ExerciseSheet::keptState() const {
    std::string kept;
    for (const auto& row : m_answeredFor) {
        for (const std::optional<std::int16_t>& number : row) {
            kept += (number ? std::to_string(*number) : "-") + ",";
        }
    }
    kept += m_strRomanEnabled ? "1," : "0,";
    kept += m_hovered ? "1" : "0";
    return kept;
}

namespace {

// What keptState wrote, read back: each answer box's number, strRoman's and the look's flags.
struct KeptState {
    std::array<std::array<std::optional<std::int16_t>, 2>, kRowCount> answeredFor{};
    bool strRomanEnabled = false;
    bool hovered = false;
};

std::optional<KeptState> readKeptState(std::string_view kept) {
    KeptState state;
    if (kept.empty()) {
        return state; // a sheet as it opens
    }
    std::vector<std::string_view> fields;
    for (std::size_t comma; (comma = kept.find(',')) != std::string_view::npos;
         kept.remove_prefix(comma + 1)) {
        fields.push_back(kept.substr(0, comma));
    }
    fields.push_back(kept);
    const auto flag = [](std::string_view field) { return field == "0" || field == "1"; };
    constexpr std::size_t kAnswers = 2 * kRowCount;
    if (fields.size() != kAnswers + 2 || !flag(fields[kAnswers]) || !flag(fields[kAnswers + 1])) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kAnswers; ++i) {
        if (fields[i] == "-") {
            continue;
        }
        const NumberReading number = readNumber(fields[i]);
        if (number.kind != NumberKind::Number || number.rounded ||
            std::to_string(number.value) != fields[i]) {
            return std::nullopt;
        }
        state.answeredFor.at(i / 2).at(i % 2) = number.value;
    }
    state.strRomanEnabled = fields[kAnswers] == "1";
    state.hovered = fields[kAnswers + 1] == "1";
    return state;
}

} // namespace

bool ExerciseSheet::restoreKeptForm(std::span<const std::string, kBoxCount> texts,
                                    std::string_view state) {
    const std::optional<KeptState> kept = readKeptState(state);
    if (!kept ||
        worksheet::characterCount(texts[keptPlace({0, Column::Number})]) > kFirstNumberLength) {
        return false;
    }
    // An answer kept as a conversion's is the one the conversion writes, for a number it takes.
    for (std::size_t r = 0; r < kRowCount; ++r) {
        for (const auto& [answer, compose] :
             {std::pair{Column::Ordinal, &numerals::OrdinalComposer::compose},
              std::pair{Column::Cardinal, &numerals::CardinalComposer::compose}}) {
            const std::optional<std::int16_t> number =
                kept->answeredFor.at(r).at(answerSlot(answer));
            const std::string& text = texts[keptPlace({r, answer})];
            if (number && (*number < 1 || *number > kLargestNumber || compose(*number) != text)) {
                return false;
            }
        }
    }
    for (std::size_t r = 0; r < kRowCount; ++r) {
        for (const Column column : kColumns) {
            box({r, column}) = precomposed(texts[keptPlace({r, column})]);
            m_view.showText({r, column}, text({r, column}));
        }
    }
    m_answeredFor = kept->answeredFor;
    if (kept->strRomanEnabled) {
        enableStrRoman();
    }
    if (kept->hovered) {
        mouseMovedOverSurface();
    }
    return true;
}

void ExerciseSheet::mouseMovedOverSurface() {
    if (!m_hovered) {
        m_hovered = true;
        m_view.showHovered();
    }
}

} // namespace sheet
