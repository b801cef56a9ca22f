#pragma once

#include "worksheet/worksheet_writer.h"

#include <string>
#include <vector>

namespace worksheet {

// A worksheet whose every number is its version's tag, long enough that two versions differ
// all through the file.
struct TaggedWorksheet {
    explicit TaggedWorksheet(char tag)
        : number(200, tag), rows(7, {number, "τακτικό ", "απόλυτο "}) {}

    std::string bytes() const { return worksheetBytes(makeWorksheet(rows)); }

    std::string number;
    std::vector<WorksheetRow> rows;
};

} // namespace worksheet
