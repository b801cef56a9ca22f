#pragma once

// Every message the exercise sheet shows, in Greek.

#include "sheet/desktop.h"
#include "sheet/sheet_view.h"
#include "sheet/worksheet_folders.h"
#include "worksheet/worksheet_writer.h"

#include <cstddef>
#include <span>
#include <string>
#include <system_error>

namespace sheet {

// Why a number box's text was not converted.
enum class Refusal { NotANumber, OutOfRange, Negative };

struct RefusedNumber {
    std::size_t row;  // 0 to 6; shown to the user as 1 to 7
    std::string text; // as typed
    Refusal refusal;
};

// A number box's text with a fraction, converted as the whole number it rounds to.
struct RoundedNumber {
    std::size_t row;  // 0 to 6; shown to the user as 1 to 7
    std::string text; // as typed
    long value;       // the whole number converted
    bool cut;         // the first box's text at its length limit, as if thousands were cut off
};

// One warning naming each refused row, its text and what the boxes accept, then each rounded
// row with the number it was converted as.
Message conversionReport(std::span<const RefusedNumber> refused,
                         std::span<const RoundedNumber> rounded);

// A row whose line in the worksheet's answer key would mislead the teacher who marks by it.
struct UnansweredRow {
    enum class Why {
        NotConverted, // a number with an empty answer box, never converted
        Refused,      // a text the conversion refuses (see refusal)
        Zero,         // 0, for which the numeral tables have no word
        OtherNumber,  // answers converted from another number (answeredFor) than the box holds
    };

    std::size_t row;    // 0 to 6; shown to the user as 1 to 7
    std::string number; // the number box's text
    Why why;
    Refusal refusal = Refusal::NotANumber; // for Refused
    long answeredFor = 0;                  // for OtherNumber
};

// A folder that did not take the worksheet, with the system's reason. A folder without a path
// is a place the platform could not find at all, and has no reason of its own.
struct FolderNotUsed {
    WorksheetFolder folder;
    std::error_code error;
};

// The worksheet is ready: where to find it (by its name alone when it is beside the program,
// else by its full path), how to open it on this desktop, why it is not in a folder tried
// before (failed), which rows' answers it lacks or has wrong (a warning then), and how many
// characters were written as "?".
Message worksheetSaved(const worksheet::SaveOutcome& saved, bool besideProgram,
                       std::span<const FolderNotUsed> failed,
                       std::span<const UnansweredRow> unanswered, Desktop desktop = thisDesktop());

// The worksheet was handed to the browser as a download, with characters written as "?".
Message worksheetDownloaded(std::size_t replacedCharacters,
                            std::span<const UnansweredRow> unanswered);

// No folder took the worksheet: each file tried, or place not found, with the reason.
Message worksheetNotSaved(std::span<const FolderNotUsed> failed);

// Printing the worksheet (Ctrl+P) did not work: no printer is installed, or the printer failed.
Message noPrinter();
Message worksheetNotPrinted();

} // namespace sheet
