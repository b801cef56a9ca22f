// Prints the form's table of controls, one control a line, for scripts that find the controls
// the way the design places them (the end-to-end test clicks them there):
//   name  kind  left  top  width  height  accessible name
// with places in pixels at the design's density, fields separated by tabs, and a line break
// inside a name written as \r or \n.

#include "form/design.h"
#include "form/scaling.h"

#include <cstdio>
#include <string>
#include <string_view>

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

} // namespace

int main() {
    for (const form::ControlDesign& control : form::kControls) {
        const form::PixelRect place = form::toPixels(control.place, form::kDesignDpi);
        const std::string name(control.name);
        const std::string accessible = escaped(form::accessibleName(control));
        std::printf("%s\t%s\t%d\t%d\t%d\t%d\t%s\n", name.c_str(), kindName(control.kind),
                    place.left, place.top, place.width, place.height, accessible.c_str());
    }
    return 0;
}
