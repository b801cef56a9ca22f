#pragma once

// What the exercise sheet asks of the window that shows it. The sheet keeps the state of the
// form (the texts of the boxes, whether the first ordinal box is enabled, the look of the
// ordinal button) and tells the window each change through this interface; the window
// forwards the user's actions to the sheet. Neither knows how the other is built.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace sheet {

// The form has seven exercise rows of three boxes each.
inline constexpr std::size_t kRowCount = 7;

enum class Column { Number, Ordinal, Cardinal };

// The columns from left to right.
inline constexpr std::array<Column, 3> kColumns{Column::Number, Column::Ordinal, Column::Cardinal};
inline constexpr std::size_t kBoxCount = kRowCount * kColumns.size();

struct BoxId {
    std::size_t row;
    Column column;

    friend bool operator==(const BoxId&, const BoxId&) = default;
};

// The designer name of a box: "intnumber", "strRoman", "strgreek" for row 0, the same with the
// row number after it for rows 1 to 6 ("intnumber3", "strgreek6").
std::string boxName(BoxId box);

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The face colour and caption size of a graphical button.
struct ButtonLook {
    Rgb face;
    double captionPoints;

    friend bool operator==(const ButtonLook&, const ButtonLook&) = default;
};

struct Message {
    enum class Kind {
        Plain,   // news the user asked for: shown without an icon
        Warning, // something the user should act on
    };

    Kind kind;
    std::string text;
};

class SheetView {
public:
    virtual void showText(BoxId box, const std::string& text) = 0;
    virtual void showStrRomanEnabled(bool enabled) = 0;
    virtual void showCommand1Look(const ButtonLook& look) = 0;
    // Shows a message and returns once the user has dismissed it.
    virtual void showMessage(const Message& message) = 0;

protected:
    SheetView() = default;
    SheetView(const SheetView&) = default;
    SheetView& operator=(const SheetView&) = default;
    ~SheetView() = default;
};

} // namespace sheet
