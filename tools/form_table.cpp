// Prints the form's table of controls, one control a line, for scripts that find the controls
// the way the design places them (the end-to-end test clicks them there):
//   name  kind  left  top  width  height  accessible name  text colour  background
//   font size  font weight  faces
// with places in pixels at the design's density, colours as CSS writes them (a label has no
// background: "none"; where the design says "standard", the standard colour a page paints),
// the font's size in CSS pixels and its weight as CSS numbers it, the window's faces in order,
// separated by commas, fields separated by tabs, and a line break inside a name written as \r
// or \n.

#include "form/design.h"
#include "form/scaling.h"
#include "web_page/css.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

namespace {

const char* kindName(form::ControlKind kind) {
    switch (kind) {
    case form::ControlKind::TextBox:
        return "box";
    case form::ControlKind::GraphicalButton:
    case form::ControlKind::PictureButton:
    case form::ControlKind::StandardButton:
        return "button";
    case form::ControlKind::Label:
        break;
    }
    return "label";
}

std::string escaped(std::string_view text) {
    std::string result;
    for (const char c : text) {
        result += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    }
    return result;
}

// The text colour and background the design paints a control in.
std::pair<std::string, std::string> colours(const form::ControlDesign& control) {
    const form::StandardColours& standard = form::kStandardColours;
    switch (control.kind) {
    case form::ControlKind::TextBox:
        return {web_page::css(control.foreground.value_or(standard.boxText)),
                web_page::css(control.background.value_or(standard.boxGround))};
    case form::ControlKind::Label:
        return {web_page::css(control.foreground.value_or(form::kLabelText)), "none"};
    case form::ControlKind::GraphicalButton:
    case form::ControlKind::PictureButton:
    case form::ControlKind::StandardButton:
        break;
    }
    return {web_page::css(control.foreground.value_or(standard.buttonText)),
            web_page::css(control.background.value_or(standard.buttonFace))};
}

// The window's faces, in the order a window tries them.
std::string faces() {
    std::string list;
    for (const std::string_view face : form::kFontFaces) {
        list += (list.empty() ? "" : ", ") + std::string(face);
    }
    return list;
}

} // namespace

int main() {
    const std::string windowFaces = faces();
    for (const form::ControlDesign& control : form::kControls) {
        const form::PixelRect place = form::toPixels(control.place, form::kDesignDpi);
        const std::string name(control.name);
        const std::string accessible = escaped(form::accessibleName(control));
        const auto [text, background] = colours(control);
        // A CSS pixel is a pixel at the design's density.
        const double fontPixels = control.font.points * form::kDesignDpi / form::kPointsPerInch;
        std::printf("%s\t%s\t%d\t%d\t%d\t%d\t%s\t%s\t%s\t%g\t%d\t%s\n", name.c_str(),
                    kindName(control.kind), place.left, place.top, place.width, place.height,
                    accessible.c_str(), text.c_str(), background.c_str(), fontPixels,
                    control.font.bold ? 700 : 400, windowFaces.c_str());
    }
    return 0;
}
