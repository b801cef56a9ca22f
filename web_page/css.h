#pragma once

// A colour of the design as the page's style sheet and script write it.

#include "form/design.h"

#include <string>

namespace web_page {

inline std::string css(form::Rgb rgb) {
    return "rgb(" + std::to_string(rgb.red) + ", " + std::to_string(rgb.green) + ", " +
           std::to_string(rgb.blue) + ")";
}

} // namespace web_page
