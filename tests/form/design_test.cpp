#include "form/design.h"
#include "form/scaling.h"
#include "support/box_name.h"

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace form {
namespace {

TEST(ScalingTest, TwipsAndPointsBecomePixelsAtEachCommonDensity) {
    struct Case {
        int dpi;
        PixelRect strRoman; // 3120, 720, 2895 x 360 twips
        PixelRect client;   // 9675 x 6180 twips
        int windowFont;     // 8.25 points
        int labelFont;      // 13.5 points
    };
    const std::vector<Case> cases{
        {96, {208, 48, 193, 24}, {0, 0, 645, 412}, 11, 18},
        {120, {260, 60, 241, 30}, {0, 0, 806, 515}, 14, 23},
        {144, {312, 72, 290, 36}, {0, 0, 968, 618}, 17, 27},
        {192, {416, 96, 386, 48}, {0, 0, 1290, 824}, 22, 36},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        EXPECT_EQ(toPixels(findControl("strRoman")->place, c.dpi), c.strRoman);
        EXPECT_EQ(toPixels({0, 0, kForm.clientWidth, kForm.clientHeight}, c.dpi), c.client);
        EXPECT_EQ(fontPixels(kWindowFont.points, c.dpi), c.windowFont);
        EXPECT_EQ(fontPixels(13.5, c.dpi), c.labelFont);
    }
}

// Every control where the designer drew it, in pixels at 96 dots per inch (15 twips a pixel),
// with its caption, colours and font; the windows and the page are built from this table.
TEST(DesignTest, EveryControlIsAsTheDesignerDrewIt) {
    struct Case {
        std::string name;
        ControlKind kind;
        PixelRect pixels;
        std::string_view caption;
        std::optional<Rgb> background; // a box's, or a button's face
        std::optional<Rgb> foreground;
        FontDesign font;
    };
    const Rgb paleYellow{255, 255, 128};
    const Rgb teal{0, 128, 128};
    const FontDesign window{8.25, false};
    using enum ControlKind;
    // clang-format off
    std::vector<Case> cases{
        {"intnumber", TextBox,         {64, 48, 81, 25},    "", paleYellow, Rgb{0, 0, 255}, {9.75, false}},
        {"strRoman",  TextBox,         {208, 48, 193, 24},  "", paleYellow, Rgb{255, 0, 0}, {9.75, true}},
        {"strgreek",  TextBox,         {416, 48, 201, 25},  "", paleYellow, Rgb{0, 0, 192}, {9.75, true}},
        {"Command1",  GraphicalButton, {64, 328, 89, 65},   "Μετατροπή αριθμών σε τακτικά αριθμητικά", Rgb{255, 255, 0}, {}, window},
        {"Command2",  GraphicalButton, {160, 328, 81, 65},  "Μετατροπή αριθμών σε απόλυτα αριθμητικά", Rgb{255, 0, 0}, {}, window},
        {"Command3",  PictureButton,   {16, 328, 41, 65},   "", {}, {}, window},
        {"Command4",  StandardButton,  {496, 296, 113, 25}, "Φύλλο εργασίας", {}, {}, window},
        {"Label1",    Label,           {8, 8, 241, 25},     "Γράψε αριθμό μέχρι το 29999", {}, teal, {9.75, true}},
        {"Label2",    Label,           {240, 24, 161, 25},  "Τακτικά αριθμητικά ", {}, teal, {8.25, true}},
        {"Label3",    Label,           {472, 16, 137, 25},  "Απόλυτα αριθμητικά", {}, Rgb{0, 128, 0}, {8.25, true}},
        {"Label4",    Label,           {56, 288, 153, 32},  "TRELOVANDIKA®\r\n\r\n", {}, Rgb{128, 128, 0}, {13.5, false}},
    };
    // clang-format on
    // Rows 1 to 6: plain boxes in the window's font, 32 pixels apart.
    for (int r = 1; r <= 6; ++r) {
        const std::string row = std::to_string(r);
        const int top = 48 + 32 * r;
        cases.push_back({"intnumber" + row, TextBox, {64, top, 81, 25}, "", {}, {}, window});
        cases.push_back({"strRoman" + row, TextBox, {208, top, 193, 25}, "", {}, {}, window});
        cases.push_back({"strgreek" + row, TextBox, {416, top, 201, 25}, "", {}, {}, window});
    }
    EXPECT_EQ(cases.size(), kControls.size()) << "a control the designer did not draw";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ControlDesign* control = findControl(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->kind, c.kind);
        EXPECT_EQ(toPixels(control->place, kDesignDpi), c.pixels);
        EXPECT_EQ(control->caption, c.caption);
        EXPECT_EQ(control->background, c.background);
        EXPECT_EQ(control->foreground, c.foreground);
        EXPECT_EQ(control->font, c.font);
    }
}

TEST(DesignTest, EveryControlIsNamedOnceLiesInsideTheFormAndNoTwoInputsOverlap) {
    const PixelRect client = toPixels({0, 0, kForm.clientWidth, kForm.clientHeight}, 96);
    std::set<std::string_view> names;
    for (const ControlDesign& control : kControls) {
        SCOPED_TRACE(std::string(control.name));
        EXPECT_TRUE(names.insert(control.name).second) << "named twice";
        const PixelRect place = toPixels(control.place, kDesignDpi);
        EXPECT_GE(place.left, 0);
        EXPECT_GE(place.top, 0);
        EXPECT_LE(place.right(), client.width);
        EXPECT_LE(place.bottom(), client.height);
        // Labels may overlap their neighbours, as the designer drew them; what takes input
        // may not, or a click would land on the wrong control.
        for (const ControlDesign& other : kControls) {
            if (&other == &control || control.kind == ControlKind::Label ||
                other.kind == ControlKind::Label) {
                continue;
            }
            const PixelRect b = toPixels(other.place, kDesignDpi);
            EXPECT_TRUE(place.right() <= b.left || b.right() <= place.left ||
                        place.bottom() <= b.top || b.bottom() <= place.top)
                << "overlaps " << other.name;
        }
    }
    // Each of the sheet's 21 boxes is the text box of its designer name; each command is its
    // button's (the design table says which in its own rows).
    for (std::size_t r = 0; r < sheet::kRowCount; ++r) {
        for (const sheet::Column column : sheet::kColumns) {
            const ControlDesign& box = kControls.at(rowOf(sheet::BoxId{r, column}));
            EXPECT_EQ(box.name, testing_support::boxName({r, column}));
            EXPECT_EQ(box.keyFilter, r == 0 && column == sheet::Column::Number) << box.name;
            EXPECT_FALSE(accessibleName(box).empty());
        }
    }
    using enum sheet::Command;
    const std::vector<std::pair<std::string_view, sheet::Command>> buttons{
        {"Command1", ConvertToOrdinals},
        {"Command2", ConvertToCardinals},
        {"Command3", EraseAll},
        {"Command4", WriteWorksheet}};
    for (const auto& [name, command] : buttons) {
        EXPECT_EQ(kControls.at(rowOf(command)).name, name);
    }
    // Command1 alone changes look once the window is hovered: from its designed yellow and the
    // window's 8.25 points to pure red at 10 points, for good.
    for (const ControlDesign& control : kControls) {
        EXPECT_EQ(control.hover.has_value(), control.name == "Command1") << control.name;
    }
    const ControlDesign& command1 = *findControl("Command1");
    EXPECT_EQ(faceOf(command1, false), (Rgb{255, 255, 0}));
    EXPECT_EQ(captionPointsOf(command1, false), 8.25);
    EXPECT_EQ(faceOf(command1, true), (Rgb{255, 0, 0}));
    EXPECT_EQ(captionPointsOf(command1, true), 10.0);
}

} // namespace
} // namespace form
