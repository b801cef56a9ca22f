#pragma once

// Every message the exercise sheet shows, in Greek.

#include "sheet/sheet_view.h"
#include "worksheet/worksheet_writer.h"

#include <cstddef>
#include <span>
#include <string>

namespace sheet {

// Why a number box's text was not converted.
enum class Refusal { NotANumber, OutOfRange, Negative };

struct RefusedNumber {
    std::size_t row;  // 0 to 6; shown to the user as 1 to 7
    std::string text; // as typed
    Refusal refusal;
};

// One warning naming each refused row, its text and what the boxes accept.
Message conversionReport(std::span<const RefusedNumber> refused);

// The worksheet is ready: where to find it, why it is not in the first folder tried (failed
// holds the folders tried before), and how many characters were written as "?".
Message worksheetSaved(const worksheet::SaveOutcome& saved,
                       std::span<const worksheet::SaveOutcome> failed);

// No folder took the worksheet: each file tried, with the reason.
Message worksheetNotSaved(std::span<const worksheet::SaveOutcome> failed);

} // namespace sheet
