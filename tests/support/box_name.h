#pragma once

// The designer name of an exercise box, as the tests spell the boxes they look at.

#include "sheet/sheet_view.h"

#include <string>

namespace testing_support {

// "intnumber", "strRoman", "strgreek" for row 0, the same with the row number after it for
// rows 1 to 6 ("intnumber3", "strgreek6").
inline std::string boxName(sheet::BoxId box) {
    std::string name;
    switch (box.column) {
    case sheet::Column::Number:
        name = "intnumber";
        break;
    case sheet::Column::Ordinal:
        name = "strRoman";
        break;
    case sheet::Column::Cardinal:
        name = "strgreek";
        break;
    }
    if (box.row > 0) {
        name += std::to_string(box.row);
    }
    return name;
}

} // namespace testing_support
