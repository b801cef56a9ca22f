#include "sheet/exercise_sheet.h"

#include "numerals/cardinal_composer.h"
#include "numerals/ordinal_composer.h"
#include "sheet/messages.h"
#include "sheet/number_text.h"
#include "sheet/precomposed.h"
#include "worksheet/byte_sink.h"
#include "worksheet/worksheet_writer.h"

#include <filesystem>
#include <system_error>
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

void ExerciseSheet::setText(BoxId id, std::string_view text) {
    box(id) = precomposed(text);
}

void ExerciseSheet::run(Command command, std::span<const WorksheetFolder> folders) {
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
        writeWorksheet(folders);
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
    for (std::size_t r = 0; r < kRowCount; ++r) {
        // Row r's answer is written before row r + 1's number is read. A row that cannot be
        // converted is emptied rather than left showing an answer to an earlier number.
        const std::string& typed = m_rows[r].number;
        const NumberReading reading = readNumber(typed);
        std::string words;
        switch (reading.kind) {
        case NumberKind::Blank:
            break;
        case NumberKind::Number:
            if (reading.value < 0) {
                refused.push_back({r, typed, Refusal::Negative});
            } else {
                words = compose(reading.value);
            }
            break;
        case NumberKind::NotANumber:
            refused.push_back({r, typed, Refusal::NotANumber});
            break;
        case NumberKind::OutOfRange:
            refused.push_back({r, typed, Refusal::OutOfRange});
            break;
        }
        const BoxId output{r, target};
        box(output) = std::move(words);
        m_view.showText(output, text(output));
    }

    // Either conversion enables the first ordinal box, for good.
    if (!m_strRomanEnabled) {
        m_strRomanEnabled = true;
        m_view.showStrRomanEnabled(true);
    }
    if (!refused.empty()) {
        m_view.showMessage(conversionReport(refused));
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
}

std::vector<worksheet::WorksheetRow> ExerciseSheet::worksheetRows() const {
    std::vector<worksheet::WorksheetRow> rows;
    rows.reserve(m_rows.size());
    for (const ExerciseRow& row : m_rows) {
        rows.push_back({row.number, row.ordinal, row.cardinal});
    }
    return rows;
}

void ExerciseSheet::writeWorksheet(std::span<const WorksheetFolder> folders) {
    const std::vector<worksheet::WorksheetRow> rows = worksheetRows();
    std::vector<FolderNotUsed> failed;
    for (const WorksheetFolder& folder : folders) {
        if (folder.path.empty()) { // a place the platform could not find: nothing to try
            failed.push_back({folder, {}});
            continue;
        }
        std::error_code notMade;
        if (folder.kind == WorksheetFolder::Kind::Documents &&
            !std::filesystem::exists(folder.path, notMade)) {
            std::filesystem::create_directory(folder.path, notMade);
        }
        if (notMade) {
            failed.push_back({folder, notMade});
            continue;
        }
        const worksheet::SaveOutcome outcome = worksheet::saveWorksheet(rows, folder.path);
        if (outcome.saved()) {
            m_view.showMessage(
                worksheetSaved(outcome, folder.kind == WorksheetFolder::Kind::Program, failed));
            return;
        }
        failed.push_back({folder, outcome.error});
    }
    m_view.showMessage(worksheetNotSaved(failed));
}

std::string ExerciseSheet::downloadWorksheet() {
    worksheet::StringSink bytes;
    worksheet::ZonedLineWriter out(bytes);
    worksheet::printWorksheet(worksheetRows(), out);
    m_view.showMessage(worksheetDownloaded(out.replacedCount()));
    return bytes.bytes();
}

void ExerciseSheet::mouseMovedOverSurface() {
    if (m_command1Look != kCommand1HoverLook) {
        m_command1Look = kCommand1HoverLook;
        m_view.showCommand1Look(m_command1Look);
    }
}

} // namespace sheet
