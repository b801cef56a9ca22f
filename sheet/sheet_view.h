#pragma once

// What the exercise sheet asks of the window that shows it. The sheet keeps the state of the
// form (the texts of the boxes, whether the first ordinal box is enabled, whether the pointer
// has moved over the window) and tells the window each change through this interface; the
// window forwards the user's actions to the sheet. Neither knows how the other is built, and
// the sheet knows no colour or size: how the window shows each state is the design's.

#include <array>
#include <cstddef>
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
    // The pointer has moved over the window's own surface: the form shows its hovered look
    // from now on.
    virtual void showHovered() = 0;
    // Shows a message and returns once the user has dismissed it.
    virtual void showMessage(const Message& message) = 0;

protected:
    SheetView() = default;
    SheetView(const SheetView&) = default;
    SheetView& operator=(const SheetView&) = default;
    ~SheetView() = default;
};

// A view that shows nothing, for a sheet that no window shows: the page's markup, drawn when
// the page is built, and the sample worksheet.
class NullView : public SheetView {
public:
    void showText(BoxId, const std::string&) override {}
    void showStrRomanEnabled(bool) override {}
    void showHovered() override {}
    void showMessage(const Message&) override {}
};

} // namespace sheet
