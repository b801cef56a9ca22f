#pragma once

// Every message the exercise sheet shows, in Greek.

#include "sheet/desktop.h"
#include "sheet/sheet_view.h"
#include "sheet/worksheet_folders.h"
#include "worksheet/worksheet_writer.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace sheet {

// The worksheet button's caption, which a message names as the step to take again.
inline constexpr std::string_view kWorksheetButtonCaption = "Φύλλο εργασίας";

// Why a number box's text was not converted.
enum class Refusal {
    NotANumber,
    NotWhole, // a number with a decimal comma («1,5»): a number, but not a whole one
    OutOfRange,
    Negative,
    Zero, // for which the numeral tables have no word: its boxes stay empty
};

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

// The numerals of a row a message speaks of.
enum class Numerals { Ordinal, Cardinal, Both };

// A row whose line in the worksheet's answer key would mislead the teacher who marks by it.
struct UnansweredRow {
    enum class Why {
        Missing,     // a number with an empty answer box (see numerals)
        Refused,     // a text the conversion refuses (see refusal), with answers missing
                     // or converted from another number
        OtherNumber, // answers (see numerals) converted from another number (answeredFor)
    };

    std::size_t row;    // 0 to 6; shown to the user as 1 to 7
    std::string number; // the number box's text
    Why why;
    Numerals numerals = Numerals::Both;    // for Missing and OtherNumber
    Refusal refusal = Refusal::NotANumber; // for Refused
    long answeredFor = 0;                  // for OtherNumber
};

// A row whose texts hold characters that numbers.txt writes as "?".
struct ReplacedRow {
    std::size_t row;                     // 0 to 6; shown to the user as 1 to 7
    std::string number;                  // the number box's text
    std::vector<std::string> characters; // each printable one once, as typed; none for
                                         // control characters only
};

// What the worksheet of the rows as they stand gets wrong, for the messages to warn of.
struct WorksheetProblems {
    std::vector<UnansweredRow> unanswered;
    std::vector<ReplacedRow> replaced; // in the file and the download; paper shows them all
};

// A folder that did not take the worksheet, with the system's reason. A folder without a path
// is a place the platform could not find at all, and has no reason of its own.
struct FolderNotUsed {
    WorksheetFolder folder;
    std::error_code error;
};

// The worksheet was written as saved.file, in a folder of that kind: first why the folders
// tried before did not take it (failed), and the rows it gets wrong, then where to open it and
// how to print it.
Message worksheetSaved(const worksheet::SaveOutcome& saved, WorksheetFolder::Kind place,
                       std::span<const FolderNotUsed> failed, const WorksheetProblems& problems,
                       Desktop desktop = thisDesktop());

// The worksheet was handed to the browser as a download.
Message worksheetDownloaded(const WorksheetProblems& problems);

// No folder took the worksheet: each file tried, or place not found, with the reason.
Message worksheetNotSaved(std::span<const FolderNotUsed> failed);

// What became of the worksheet sent to paper (Ctrl+P).
struct PrintOutcome {
    enum class Result {
        Printed,   // the printer's queue took the job
        Held,      // the queue took it, but the printer is paused: it waits there
        Cancelled, // the teacher closed the print dialog
        NoPrinter, // the system has no printer
        Refused,   // the printer's queue does not accept jobs
        Failed,    // the printer or its queue failed while taking the job
    };
    Result result;
    std::string printer; // its name, where one was chosen
};

// The message for a print, if there is one to show: a print that went as asked, with nothing
// wrong in its rows, and a cancelled one say nothing.
std::optional<Message> worksheetPrinted(const PrintOutcome& outcome,
                                        std::span<const UnansweredRow> unanswered,
                                        Desktop desktop = thisDesktop());

// The web page's own, shown by its script when the sheet's module never started: the file did
// not come (a folder copied without it, a proxy that blocks it) or did not run. What she typed
// stays in the boxes, kept for the tab.
Message pageNotStarted();

// The Windows program could not open its window; detail is the system's own words, which
// only follow the Greek.
Message windowNotOpened(std::string_view detail);

} // namespace sheet
