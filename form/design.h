#pragma once

// The exercise form as its designer drew it: every control of the window, one row each, with
// its name, kind, place and size, caption, colours and font, how it looks once the pointer has
// moved over the window, and what it is to the sheet: the exercise box a text box shows, and
// the command a button runs. The Qt window, the Win32 window and the web page are each built
// by a loop over this table and forward what the loop finds; the behaviour behind the controls
// is the sheet's, which reports the form's state and knows no look. Nothing here knows a
// toolkit.
//
// Lengths are in twips, 1/1440 inch: at 96 dots per inch, 15 twips make one pixel, and every
// length here is a whole number of pixels (form/scaling.h turns them into pixels at any
// density). The controls are listed in the form's keyboard focus order; labels, which take no
// focus, come last.

#include "form/scaling.h"
#include "sheet/exercise_sheet.h"
#include "sheet/number_text.h"
#include "sheet/sheet_view.h"
#include "worksheet/worksheet_writer.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace form {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A graphical button's face and caption size once the sheet reports the window hovered.
struct HoverLook {
    Rgb face;
    double captionPoints;

    friend bool operator==(const HoverLook&, const HoverLook&) = default;
};

// The designer's face; where it is missing, a sans-serif face that covers Greek stands in.
inline constexpr std::string_view kFontFace = "MS Sans Serif";
// The faces to try, in order, where a window chooses its own: the designer's, then Windows'
// successor to it, then Liberation Sans, with Arial's metrics, close to the designer's, so
// every caption fits its control; DejaVu Sans is wider and only the last resort.
inline constexpr std::array<std::string_view, 4> kFontFaces{kFontFace, "Microsoft Sans Serif",
                                                            "Liberation Sans", "DejaVu Sans"};

enum class ControlKind {
    TextBox,
    GraphicalButton, // face painted in its own colour, caption centred and wrapped
    PictureButton,   // a graphical button that shows only its picture
    StandardButton,  // the platform's usual push button
    Label,           // text drawn straight on the window's background
};

// A point size and weight; the face is always the window's.
struct FontDesign {
    double points;
    bool bold;

    friend bool operator==(const FontDesign&, const FontDesign&) = default;
};

struct FormDesign {
    std::string_view name;
    std::string_view caption;
    int clientWidth; // twips
    int clientHeight;
    Rgb background;
    FontDesign font;
};

inline constexpr FormDesign kForm{
    "Form1takt",
    "Τακτικά και απόλυτα αριθμητικά            ", // the designer's twelve trailing spaces
    9675,
    6180,
    {192, 192, 192},
    {8.25, false},
};

inline constexpr FontDesign kWindowFont = kForm.font;

struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    TwipsRect place;
    std::string_view caption = {};
    std::optional<Rgb> background = {}; // a box's background or a button's face; none: standard
    std::optional<Rgb> foreground = {}; // text colour; none: standard
    FontDesign font = kWindowFont;
    std::string_view accessibleName = {}; // none: the caption, or else the tool tip (see below)
    std::string_view toolTip = {};
    int maxLength = 0; // characters the user may enter into a text box; 0: no limit
    std::optional<sheet::BoxId> box = {}; // a text box: the exercise box it shows
    bool keyFilter = false; // a text box: each typed character passes the sheet's key filter
    std::optional<sheet::Command> command = {}; // a button: the sheet's command it runs
    std::optional<HoverLook> hover = {}; // a graphical button: its look once hovered, for good
};

// The boxes of exercise row r, by column.
constexpr sheet::BoxId number(std::size_t r) {
    return {r, sheet::Column::Number};
}
constexpr sheet::BoxId ordinal(std::size_t r) {
    return {r, sheet::Column::Ordinal};
}
constexpr sheet::BoxId cardinal(std::size_t r) {
    return {r, sheet::Column::Cardinal};
}

inline constexpr Rgb kPaleYellow{255, 255, 128};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kTeal{0, 128, 128};
// The text of a disabled box (strRoman until the first conversion) on its own background.
inline constexpr Rgb kDisabledText{128, 128, 128};
// A label's text where the table gives no colour.
inline constexpr Rgb kLabelText{0, 0, 0};

using enum ControlKind;
using enum sheet::Command;

// clang-format off
inline constexpr std::array<ControlDesign, 29> kControls{{
    {.name = "intnumber", .kind = TextBox, .place = {960, 720, 1215, 375},
     .background = kPaleYellow, .foreground = Rgb{0, 0, 255}, .font = {9.75, false},
     .accessibleName = "Αριθμός 1", .maxLength = static_cast<int>(sheet::kFirstNumberLength),
     .box = number(0), .keyFilter = true},
    {.name = "strRoman", .kind = TextBox, .place = {3120, 720, 2895, 360}, // 360, not 375
     .background = kPaleYellow, .foreground = kRed, .font = {9.75, true},
     .accessibleName = "Τακτικό αριθμητικό 1", .box = ordinal(0)},
    {.name = "Command1", .kind = GraphicalButton, .place = {960, 4920, 1335, 975},
     .caption = "Μετατροπή αριθμών σε τακτικά αριθμητικά", .background = kYellow,
     .command = ConvertToOrdinals,
     // The first mouse move over the window turns it red with a larger caption, like the
     // cardinal button beside it, for the rest of the run.
     .hover = HoverLook{kRed, 10.0}},
    {.name = "Command2", .kind = GraphicalButton, .place = {2400, 4920, 1215, 975},
     .caption = "Μετατροπή αριθμών σε απόλυτα αριθμητικά", .background = kRed,
     .command = ConvertToCardinals},
    {.name = "strgreek", .kind = TextBox, .place = {6240, 720, 3015, 375},
     .background = kPaleYellow, .foreground = Rgb{0, 0, 192}, .font = {9.75, true},
     .accessibleName = "Απόλυτο αριθμητικό 1", .box = cardinal(0)},
    {.name = "Command3", .kind = PictureButton, .place = {240, 4920, 615, 975},
     .toolTip = "Σβήσιμο", .command = EraseAll},
    {.name = "intnumber1", .kind = TextBox, .place = {960, 1200, 1215, 375}, .accessibleName = "Αριθμός 2",
     .box = number(1)},
    {.name = "intnumber2", .kind = TextBox, .place = {960, 1680, 1215, 375}, .accessibleName = "Αριθμός 3",
     .box = number(2)},
    {.name = "intnumber3", .kind = TextBox, .place = {960, 2160, 1215, 375}, .accessibleName = "Αριθμός 4",
     .box = number(3)},
    {.name = "intnumber4", .kind = TextBox, .place = {960, 2640, 1215, 375}, .accessibleName = "Αριθμός 5",
     .box = number(4)},
    {.name = "intnumber5", .kind = TextBox, .place = {960, 3120, 1215, 375}, .accessibleName = "Αριθμός 6",
     .box = number(5)},
    {.name = "intnumber6", .kind = TextBox, .place = {960, 3600, 1215, 375}, .accessibleName = "Αριθμός 7",
     .box = number(6)},
    {.name = "strRoman1", .kind = TextBox, .place = {3120, 1200, 2895, 375},
     .accessibleName = "Τακτικό αριθμητικό 2", .box = ordinal(1)},
    {.name = "strRoman2", .kind = TextBox, .place = {3120, 1680, 2895, 375},
     .accessibleName = "Τακτικό αριθμητικό 3", .box = ordinal(2)},
    {.name = "strRoman3", .kind = TextBox, .place = {3120, 2160, 2895, 375},
     .accessibleName = "Τακτικό αριθμητικό 4", .box = ordinal(3)},
    {.name = "strRoman4", .kind = TextBox, .place = {3120, 2640, 2895, 375},
     .accessibleName = "Τακτικό αριθμητικό 5", .box = ordinal(4)},
    {.name = "strRoman5", .kind = TextBox, .place = {3120, 3120, 2895, 375},
     .accessibleName = "Τακτικό αριθμητικό 6", .box = ordinal(5)},
    {.name = "strRoman6", .kind = TextBox, .place = {3120, 3600, 2895, 375},
     .accessibleName = "Τακτικό αριθμητικό 7", .box = ordinal(6)},
    {.name = "strgreek1", .kind = TextBox, .place = {6240, 1200, 3015, 375},
     .accessibleName = "Απόλυτο αριθμητικό 2", .box = cardinal(1)},
    {.name = "strgreek2", .kind = TextBox, .place = {6240, 1680, 3015, 375},
     .accessibleName = "Απόλυτο αριθμητικό 3", .box = cardinal(2)},
    {.name = "strgreek3", .kind = TextBox, .place = {6240, 2160, 3015, 375},
     .accessibleName = "Απόλυτο αριθμητικό 4", .box = cardinal(3)},
    {.name = "strgreek4", .kind = TextBox, .place = {6240, 2640, 3015, 375},
     .accessibleName = "Απόλυτο αριθμητικό 5", .box = cardinal(4)},
    {.name = "strgreek5", .kind = TextBox, .place = {6240, 3120, 3015, 375},
     .accessibleName = "Απόλυτο αριθμητικό 6", .box = cardinal(5)},
    {.name = "strgreek6", .kind = TextBox, .place = {6240, 3600, 3015, 375},
     .accessibleName = "Απόλυτο αριθμητικό 7", .box = cardinal(6)},
    {.name = "Command4", .kind = StandardButton, .place = {7440, 4440, 1695, 375},
     .caption = sheet::kWorksheetButtonCaption, .command = WriteWorksheet},
    {.name = "Label1", .kind = Label, .place = {120, 120, 3615, 375},
     .caption = "Γράψε αριθμό μέχρι το 29999", .foreground = kTeal, .font = {9.75, true}},
    {.name = "Label2", .kind = Label, .place = {3600, 360, 2415, 375},
     .caption = "Τακτικά αριθμητικά ", .foreground = kTeal, .font = {8.25, true}},
    {.name = "Label3", .kind = Label, .place = {7080, 240, 2055, 375},
     .caption = "Απόλυτα αριθμητικά", .foreground = Rgb{0, 128, 0}, .font = {8.25, true}},
    {.name = "Label4", .kind = Label, .place = {840, 4320, 2295, 480},
     .caption = "TRELOVANDIKA®\r\n\r\n", .foreground = Rgb{128, 128, 0},
     .font = {13.5, false}},
}};
// clang-format on

// The colours a web page paints where the design says "standard". A desktop window takes its
// platform's own; a browser would take its engine's system colours and shade a bevel its own
// way, and Blink, Gecko and WebKit each differ. These are Windows' standard colours.
struct StandardColours {
    Rgb boxGround;
    Rgb boxText;
    Rgb buttonFace;
    Rgb buttonText;
    Rgb lightEdge; // a raised button's top and left edges, a sunken box's bottom and right
    Rgb darkEdge;  // the other two
};
inline constexpr StandardColours kStandardColours{
    .boxGround = {255, 255, 255},
    .boxText = {0, 0, 0},
    .buttonFace = {240, 240, 240},
    .buttonText = {0, 0, 0},
    .lightEdge = {255, 255, 255},
    .darkEdge = {160, 160, 160},
};

// How a graphical button is drawn, in pixels at the design's density: a raised bevel that
// sinks while the button is pressed, the caption or picture inside it shifted by one pixel
// while pressed, and the focus frame one pixel inside the bevel. Four lines of a 10-point
// caption need nearly all of a 65-pixel button, so the caption may use all the face.
struct ButtonDrawing {
    int bevel;
    int pressedShift;
    int focusInset;
};
inline constexpr ButtonDrawing kButtonDrawing{2, 1, 3};

// The erase button's picture: 32 pixels square at the design's density, with a 16-pixel
// version for small icons.
inline constexpr int kPictureSize = 32;

// What a screen reader calls a control: its own accessible name, or else its caption, or else
// its tool tip (the picture button's only words). Labels are read as their text.
constexpr std::string_view accessibleName(const ControlDesign& control) {
    if (!control.accessibleName.empty()) {
        return control.accessibleName;
    }
    return !control.caption.empty() ? control.caption : control.toolTip;
}

// The row of the design that shows an exercise box, or runs a command; kControls.size() for
// none.
constexpr std::size_t rowOf(sheet::BoxId box) {
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        if (kControls[row].box == box) {
            return row;
        }
    }
    return kControls.size();
}
constexpr std::size_t rowOf(sheet::Command command) {
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        if (kControls[row].command == command) {
            return row;
        }
    }
    return kControls.size();
}

// A control's face (or a box's background; none: standard) and caption size as the form shows
// them, before the window is hovered and after.
constexpr std::optional<Rgb> faceOf(const ControlDesign& control, bool hovered) {
    return hovered && control.hover ? std::optional(control.hover->face) : control.background;
}
constexpr double captionPointsOf(const ControlDesign& control, bool hovered) {
    return hovered && control.hover ? control.hover->captionPoints : control.font.points;
}

// The row of the control with this designer name, or nullptr.
constexpr const ControlDesign* findControl(std::string_view name) {
    for (const ControlDesign& control : kControls) {
        if (control.name == name) {
            return &control;
        }
    }
    return nullptr;
}

// The captions that state a fact of another layer state it as that layer has it: the largest
// number the conversions take (Label1), and the brand the worksheet prints (Label4).
constexpr bool endsWithNumber(std::string_view text, int number) {
    for (; number > 0; number /= 10, text.remove_suffix(1)) {
        if (text.empty() || text.back() != static_cast<char>('0' + number % 10)) {
            return false;
        }
    }
    return text.empty() || text.back() < '0' || text.back() > '9';
}
static_assert(endsWithNumber(findControl("Label1")->caption, sheet::kLargestNumber));
static_assert(findControl("Label4")->caption.starts_with(worksheet::kBrand));

// Every length is a whole number of pixels at 96 dots per inch.
constexpr bool inWholePixels() {
    for (const ControlDesign& control : kControls) {
        for (const int length :
             {control.place.left, control.place.top, control.place.width, control.place.height}) {
            if (length % kTwipsPerPixel != 0) {
                return false;
            }
        }
    }
    return kForm.clientWidth % kTwipsPerPixel == 0 && kForm.clientHeight % kTwipsPerPixel == 0;
}
static_assert(inWholePixels());

// Every exercise box is shown by one text box, and every command run by one button.
constexpr bool everyBoxAndCommandOnce() {
    std::size_t boxes = 0;
    std::size_t commands = 0;
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const ControlDesign& control = kControls[row];
        const bool button = control.kind != TextBox && control.kind != Label;
        // A box or a command given twice is found at its first row only.
        if ((control.box && (control.kind != TextBox || rowOf(*control.box) != row)) ||
            (control.command && (!button || rowOf(*control.command) != row)) ||
            (control.keyFilter && control.kind != TextBox) ||
            (control.hover && control.kind != GraphicalButton)) {
            return false;
        }
        boxes += control.box ? 1 : 0;
        commands += control.command ? 1 : 0;
    }
    return boxes == sheet::kRowCount * sheet::kColumns.size() &&
           commands == sheet::kButtonCommandCount;
}
static_assert(everyBoxAndCommandOnce());

} // namespace form
