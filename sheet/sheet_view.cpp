#include "sheet/sheet_view.h"

namespace sheet {

std::string boxName(BoxId box) {
    std::string name;
    switch (box.column) {
    case Column::Number:
        name = "intnumber";
        break;
    case Column::Ordinal:
        name = "strRoman";
        break;
    case Column::Cardinal:
        name = "strgreek";
        break;
    }
    if (box.row > 0) {
        name += std::to_string(box.row);
    }
    return name;
}

} // namespace sheet
