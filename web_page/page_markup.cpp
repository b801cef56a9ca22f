// Writes the form into the web page when the page is built, so that the browser shows it at
// once, before any script has run:
//
//   page_markup PAGE_TEMPLATE STYLE_SHEET PICTURE OUT_PAGE OUT_STYLE_SHEET
//
// The page template's @CAPTION@ becomes the window's caption and its @FORM@ the form's markup:
// every control of the design, in its focus order, with its designer name as its id, its
// caption, accessible name and tool tip, and the sheet's starting state (the sample numbers,
// strRoman disabled); its @WORKSHEET@ the worksheet of that state as the page prints it; its
// @NOT_STARTED@ the message its script shows if the sheet's module never starts. The
// style sheet's rules for any control are followed by the design's places, sizes, colours and
// fonts, one rule a control, and the printed worksheet's face, size and margins. PICTURE is the
// erase button's picture.

#include "form/design.h"
#include "form/scaling.h"
#include "sheet/exercise_sheet.h"
#include "sheet/messages.h"
#include "web_page/css.h"
#include "web_page/print_pages.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using form::ControlDesign;
using form::ControlKind;
using web_page::css;

std::string escaped(std::string_view text) {
    std::string result;
    for (const char c : text) {
        switch (c) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        case '"':
            result += "&quot;";
            break;
        default:
            result += c;
        }
    }
    return result;
}

// A caption's line breaks are the designer's CR LF; the page breaks lines at a line feed.
std::string lines(std::string_view caption) {
    std::string result;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption.substr(i, 2) != "\r\n") {
            result += caption[i];
        }
    }
    return escaped(result);
}

std::string attribute(std::string_view name, std::string_view value) {
    return " " + std::string(name) + "=\"" + escaped(value) + "\"";
}

std::string px(int pixels) {
    return std::to_string(pixels) + "px";
}

std::string pt(double points) {
    std::ostringstream text;
    text << points << "pt";
    return text.str();
}

// The form's faces that a browser can draw. The designer's is a bitmap face, which browsers do
// not draw; where it is installed, on Windows, Microsoft Sans Serif is too, and is the next
// face. Naming it would only cost the first paint a vain font lookup for each weight.
constexpr std::span<const std::string_view> kPageFontFaces = std::span(form::kFontFaces).subspan(1);
static_assert(form::kFontFaces.front() == form::kFontFace);

// A CSS font-family list: the faces in order, then any face of the generic family.
std::string fontFamilies(std::span<const std::string_view> faces, std::string_view generic) {
    std::string families;
    for (const std::string_view face : faces) {
        families += "\"" + std::string(face) + "\", ";
    }
    return families + std::string(generic);
}

std::string controlMarkup(const ControlDesign& control, const sheet::ExerciseSheet& start,
                          std::string_view picture) {
    const std::string id = attribute("id", control.name);
    // A caption the control shows is its name already; only a box or a picture needs one.
    const bool namedByCaption = control.accessibleName.empty() && !control.caption.empty();
    const std::string named =
        (namedByCaption ? "" : attribute("aria-label", form::accessibleName(control))) +
        (control.toolTip.empty() ? "" : attribute("title", control.toolTip));
    switch (control.kind) {
    case ControlKind::TextBox: {
        const sheet::BoxId box = *control.box;
        std::string markup = "<input" + id + " type=\"text\"" +
                             attribute("value", start.text(box)) + named +
                             " spellcheck=\"false\" autocomplete=\"off\"";
        if (control.maxLength > 0) {
            markup += attribute("maxlength", std::to_string(control.maxLength));
        }
        if (control.keyFilter) {
            markup += " inputmode=\"numeric\" data-key-filter";
        }
        if (box == form::ordinal(0) && !start.strRomanEnabled()) {
            markup += " disabled";
        }
        return markup + ">";
    }
    case ControlKind::Label:
        return "<div" + id + " class=\"label\">" + lines(control.caption) + "</div>";
    case ControlKind::GraphicalButton:
    case ControlKind::PictureButton:
    case ControlKind::StandardButton:
        break;
    }
    const std::string face = control.kind == ControlKind::PictureButton
                                 ? "<img" + attribute("src", picture) + " alt=\"\"" +
                                       attribute("width", std::to_string(form::kPictureSize)) +
                                       attribute("height", std::to_string(form::kPictureSize)) + ">"
                                 : lines(control.caption);
    return "<button" + id + " type=\"button\"" + named + ">" + face + "</button>";
}

// The worksheet of the sheet at start, as the page prints it: a block of text a page. (The
// parser drops a line feed right after <pre>, so one more keeps the page's first, empty, line.)
std::string worksheetMarkup(const web_page::PrintPages& start) {
    std::string markup = "<div id=\"worksheet\">";
    for (const std::string& page : start.pages) {
        markup += "<pre>\n" + escaped(page) + "</pre>";
    }
    return markup + "</div>";
}

// The printed worksheet: its faces, its size at start, and the printable area's edges as the
// padding of each page. The page sets no margin of its own on the sheet, so that a browser
// prints no address or date in the margins.
std::string printRules(const web_page::PrintPages& start) {
    const worksheet::PaperSize paper = web_page::kPagePaper.size;
    const worksheet::PrintArea area = worksheet::printArea(web_page::kPagePaper);
    return "\n/* The worksheet on paper. */\n@page { margin: 0; }\n#worksheet { --print-size: " +
           pt(start.font.points) + "; --print-line: " + pt(start.font.pitch) +
           "; }\n#worksheet > pre, #worksheet-pending { padding: " + pt(area.top) + " " +
           pt(paper.width - area.left - area.width) + " " +
           pt(paper.height - area.top - area.height) + " " + pt(area.left) +
           "; font-family: " + fontFamilies(worksheet::kPrintFaces, "monospace") + "; }\n";
}

// The controls in the design's order: a control's place among the form's children is its row
// of the design, by which the page's script and the module name it.
std::string formMarkup(const sheet::ExerciseSheet& start, std::string_view picture) {
    std::string markup = "<div" + attribute("id", form::kForm.name) + " class=\"form\">\n";
    for (const ControlDesign& control : form::kControls) {
        markup += controlMarkup(control, start, picture) + "\n";
    }
    return markup + "</div>";
}

// The form's client area in CSS pixels.
form::PixelRect formPixels() {
    return form::toPixels({0, 0, form::kForm.clientWidth, form::kForm.clientHeight},
                          form::kDesignDpi);
}

// A button whose face is painted in its own colour, caption or picture on it.
bool isFaceButton(const ControlDesign& control) {
    return control.kind == ControlKind::GraphicalButton ||
           control.kind == ControlKind::PictureButton;
}

// Places in CSS pixels: at the design's density, 15 twips make one.
std::string placeRules(const form::TwipsRect& place) {
    const form::PixelRect pixels = form::toPixels(place, form::kDesignDpi);
    return "left: " + px(pixels.left) + "; top: " + px(pixels.top) +
           "; width: " + px(pixels.width) + "; height: " + px(pixels.height) + ";";
}

// The standard colours, as the style sheet's custom properties.
std::string standardColours() {
    const form::StandardColours& standard = form::kStandardColours;
    return "; --box-ground: " + css(standard.boxGround) + "; --box-text: " + css(standard.boxText) +
           "; --button-face: " + css(standard.buttonFace) +
           "; --button-text: " + css(standard.buttonText) +
           "; --light-edge: " + css(standard.lightEdge) +
           "; --dark-edge: " + css(standard.darkEdge);
}

// The form's places, sizes, colours and fonts, one rule for the window and one a control. The
// window's font is the whole page's: the page's hidden heading then needs no face of its own,
// which would cost the first paint one more font lookup.
std::string designRules() {
    const form::PixelRect window = formPixels();
    std::string rules = "\n/* The form's design. */\nbody { font-family: " +
                        fontFamilies(kPageFontFaces, "sans-serif") +
                        "; font-size: " + pt(form::kForm.font.points) + "; }\n";
    rules += "#" + std::string(form::kForm.name) + " { width: " + px(window.width) +
             "; height: " + px(window.height) + "; background: " + css(form::kForm.background) +
             "; --disabled-text: " + css(form::kDisabledText) + standardColours() +
             "; --bevel: " + px(form::kButtonDrawing.bevel) +
             "; --focus-inset: " + px(form::kButtonDrawing.focusInset) + "; }\n";
    for (const ControlDesign& control : form::kControls) {
        rules += "#" + std::string(control.name) + " { " + placeRules(control.place) +
                 " font-size: " + pt(control.font.points) + ";" +
                 (control.font.bold ? " font-weight: bold;" : "");
        if (control.background) {
            rules += " background: " + css(*control.background) + ";";
        }
        const auto foreground = control.kind == ControlKind::Label
                                    ? control.foreground.value_or(form::kLabelText)
                                    : control.foreground;
        if (foreground) {
            rules += " color: " + css(*foreground) + ";";
        }
        rules += " }\n";
    }
    return rules;
}

// The screens on which the form at 1:1 does not fit: the page arranges it for a small screen.
std::string smallScreen() {
    const form::PixelRect window = formPixels();
    return "(max-width: " + px(window.width - 1) + "), (max-height: " + px(window.height - 1) + ")";
}

// On a small screen the controls flow in three columns, in the order a reader meets them on
// the form: line by line, one line the height of an exercise row, from left to right; only the
// face buttons come up from the foot of the form to just below the headings, within reach of a
// thumb before the rows. A number box and its ordinal box share a line, and the cardinal box
// takes the next; the three face buttons share one; labels and the worksheet button take a
// whole line. Boxes are written at least 16 pixels high (below that a phone zooms in on every
// tap), and nothing smaller than the design.
std::string smallScreenRules() {
    const ControlDesign& firstBox = form::kControls[form::rowOf(form::number(0))];
    const int pitch = form::kControls[form::rowOf(form::number(1))].place.top - firstBox.place.top;
    const auto readingKey = [&](const ControlDesign& control) {
        const bool heading =
            control.kind == ControlKind::Label && control.place.top < firstBox.place.top;
        return std::tuple(heading                 ? 0
                          : isFaceButton(control) ? 1
                                                  : 2,
                          control.place.top / pitch, control.place.left);
    };
    std::vector<const ControlDesign*> reading;
    for (const ControlDesign& control : form::kControls) {
        reading.push_back(&control);
    }
    std::stable_sort(reading.begin(), reading.end(),
                     [&](const ControlDesign* a, const ControlDesign* b) {
                         return readingKey(*a) < readingKey(*b);
                     });
    const auto columns = [](const ControlDesign& control) {
        if (control.box) {
            return control.box->column == sheet::Column::Number    ? 1
                   : control.box->column == sheet::Column::Ordinal ? 2
                                                                   : 3;
        }
        return isFaceButton(control) ? 1 : 3;
    };
    std::string rules = "\n/* The same controls on a small screen. */\n@media " + smallScreen() +
                        " {\n#" + std::string(form::kForm.name) +
                        " { width: auto; height: auto; }\n";
    for (std::size_t order = 0; order < reading.size(); ++order) {
        const ControlDesign& control = *reading[order];
        rules += "#" + std::string(control.name) +
                 " { width: auto; height: auto; order: " + std::to_string(order) +
                 "; grid-column: span " + std::to_string(columns(control)) + ";" +
                 (control.kind == ControlKind::TextBox
                      ? " font-size: max(" + pt(control.font.points) + ", 16px);"
                      : "") +
                 " }\n";
    }
    return rules + "}\n";
}

// Every placeholder replaced; a template without it is a mistake.
std::string replaced(std::string text, std::string_view placeholder, std::string_view by) {
    std::size_t at = text.find(placeholder);
    if (at == std::string::npos) {
        throw std::runtime_error("the page template has no " + std::string(placeholder));
    }
    for (; at != std::string::npos; at = text.find(placeholder, at + by.size())) {
        text.replace(at, placeholder.size(), by);
    }
    return text;
}

std::string read(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error(std::string("cannot read ") + path);
    }
    return {std::istreambuf_iterator<char>(in), {}};
}

void write(const char* path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush()) {
        throw std::runtime_error(std::string("cannot write ") + path);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fputs("usage: page_markup PAGE_TEMPLATE STYLE_SHEET PICTURE OUT_PAGE "
                   "OUT_STYLE_SHEET\n",
                   stderr);
        return 2;
    }
    try {
        sheet::NullView noView;
        const sheet::ExerciseSheet start(noView);
        const web_page::PrintPages printed = web_page::printPages(start.worksheet());
        std::string page = read(argv[1]);
        page = replaced(page, "@CAPTION@", escaped(form::kForm.caption));
        page = replaced(page, "@FORM@", formMarkup(start, argv[3]));
        page = replaced(page, "@WORKSHEET@", worksheetMarkup(printed));
        page = replaced(page, "@NOT_STARTED@", escaped(sheet::pageNotStarted().text));
        write(argv[4], page);
        write(argv[5], replaced(read(argv[2]), "@SMALL_SCREEN@", smallScreen()) + designRules() +
                           smallScreenRules() + printRules(printed));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "page_markup: %s\n", failure.what());
        return 1;
    }
    return 0;
}
