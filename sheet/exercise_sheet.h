#pragma once

// The exercise sheet: the logic of the program's one window, kept apart from any toolkit.
//
// Seven exercise rows hold a number box, an ordinal box and a cardinal box each. The window
// forwards the user's actions here (an edit of a box, a click on a command, a key typed into
// the first number box, a mouse move over the window) and shows what the sheet reports back
// through its SheetView. Each action runs to completion before the next one.

#include "sheet/messages.h"
#include "sheet/sheet_view.h"
#include "sheet/worksheet_destination.h"
#include "worksheet/worksheet_writer.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sheet {

struct ExerciseRow {
    std::string number;
    std::string ordinal;
    std::string cardinal;
};

// What the form does: a command for each of its buttons, and printing by its shortcut.
enum class Command {
    ConvertToOrdinals,  // Command1
    ConvertToCardinals, // Command2
    EraseAll,           // Command3
    WriteWorksheet,     // Command4
    PrintWorksheet,     // Ctrl+P
};
// The commands a button of the form runs: all but printing.
inline constexpr std::size_t kButtonCommandCount = 4;

// The numbers the form opens with, one per row.
inline constexpr std::array<std::string_view, kRowCount> kSampleNumbers{"1001", "156", "67", "466",
                                                                        "78",   "23",  "765"};

// The place of a box's text among a kept form's texts: the number boxes of rows 0 to 6, then the
// ordinal, then the cardinal ones.
constexpr std::size_t keptPlace(BoxId box) {
    return static_cast<std::size_t>(box.column) * kRowCount + box.row;
}

class ExerciseSheet {
public:
    explicit ExerciseSheet(SheetView& view);

    const ExerciseRow& row(std::size_t index) const { return m_rows.at(index); }
    const std::string& text(BoxId box) const;
    bool strRomanEnabled() const { return m_strRomanEnabled; }
    // Whether the pointer has moved over the window's surface yet: the form's look changes for
    // good the first time.
    bool hovered() const { return m_hovered; }

    // Shows the whole state (every box's text, strRoman, the hovered look) to a view built
    // over the sheet, as a window does once it has made its controls.
    void showState() const;

    // The user changed the text of a box. It is kept with the letters that the worksheet's
    // code page holds precomposed (see precomposed.h), whichever window it came from.
    void setText(BoxId id, std::string_view text);

    // A click on a button, or the print shortcut: its command. The worksheet goes to the
    // front-end's destination for that command (a folder or a download; paper).
    void run(Command command, WorksheetDestination& worksheetDestination);

    // Click on Command1: every row's number as an ordinal numeral in its ordinal box.
    void convertToOrdinals();
    // Click on Command2: every row's number as a cardinal numeral in its cardinal box.
    void convertToCardinals();
    // Click on Command3: all 21 boxes emptied, number boxes first, then ordinal, then cardinal.
    void eraseAll();
    // Click on Command4, or Ctrl+P: the worksheet of the rows as they stand, put where the
    // front-end says, then the message saying what became of it, if there is one.
    void writeWorksheet(WorksheetDestination& destination);

    // The worksheet of the rows as they stand, as a command writes or prints it.
    worksheet::Worksheet worksheet() const;

    // Key press in intnumber: whether the typed character may be inserted. Digits, the space,
    // the signs and punctuation from "!" to "/", and control characters (Backspace, the
    // clipboard shortcuts) pass; letters and everything else above "9" are discarded.
    static bool acceptsTypedCharacter(char32_t character) { return character <= U'9'; }

    // Mouse move over the window's own surface, not over one of its controls.
    void mouseMovedOverSurface();

    // What the sheet holds beyond its boxes' texts, as one text that a page keeps for its tab
    // and gives back when it is loaded again: the number each answer was converted from,
    // whether strRoman is enabled, and whether the window was hovered.
    std::string keptState() const;
    // Takes a kept form back whole, or not at all: the 21 boxes' texts (each at its keptPlace)
    // and the keptState of the sheet that held them, or an empty state for a sheet never
    // converted nor hovered. A form this sheet could not have held (a state keptState did not
    // write, more characters in intnumber than it takes, an answer that is not the one its
    // conversion writes for its number, or for a number the conversion refuses) changes
    // nothing, and gives false. Otherwise every box, strRoman and the hovered look are shown as
    // taken back.
    bool restoreKeptForm(std::span<const std::string, kBoxCount> texts, std::string_view state);

    // The rows whose line in the answer key would mislead: a number without an answer, or with
    // the answers a conversion made for another number. Answers the teacher wrote herself are
    // hers, and a row with all three boxes empty is no exercise.
    std::vector<UnansweredRow> unansweredRows() const;
    // The rows whose texts hold characters the worksheet's file writes as "?".
    std::vector<ReplacedRow> replacedRows() const;

private:
    using Compose = std::string (*)(std::int16_t);
    void convert(Column target, Compose compose);
    void enableStrRoman(); // for good: nothing disables it again
    std::string& box(BoxId id);
    std::optional<std::int16_t>& answeredFor(BoxId answer);
    const std::optional<std::int16_t>& answeredFor(BoxId answer) const;

    SheetView& m_view;
    std::array<ExerciseRow, kRowCount> m_rows;
    // For each row's ordinal and cardinal box, the number a conversion wrote its answer for;
    // none while the box is empty, or once the teacher has written in it.
    std::array<std::array<std::optional<std::int16_t>, 2>, kRowCount> m_answeredFor;
    bool m_strRomanEnabled = false;
    bool m_hovered = false;
};

} // namespace sheet
