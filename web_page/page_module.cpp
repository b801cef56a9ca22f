// The form's sheet, for the web page. The page's markup already holds every control, drawn from
// the design when the page was built; its script forwards what the user does to the functions
// exported here, and the sheet's reports come back through the page's view object, the one the
// page handed to the module when it started it.
//
// Plain exported functions and a few imported ones, rather than a binding library: the module
// stays small, and the page is ready soon after it is shown. The worksheet command is the one
// the desktops run, but hands its bytes to the page to download rather than to a folder: the
// module then holds no file system. The page also holds the worksheet laid out on paper, which
// is what it prints: after every change to the boxes it gets the worksheet as they now stand,
// so that a print is current whether or not the browser tells the page it is printing.

#include "form/design.h"
#include "sheet/exercise_sheet.h"
#include "web_page/css.h"
#include "web_page/print_pages.h"
#include "worksheet/utf8.h"
#include "worksheet/worksheet_writer.h"

#include <array>
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>
#include <string>
#include <string_view>
#include <vector>

// What the sheet reports, handed to the page's view object (Module.view); a control is named by
// its designer name, which is its element's id.
// NOLINTBEGIN: the page's script, written in JavaScript
EM_JS(void, viewShowText, (const char* name, const char* text),
      { Module.view.showText(UTF8ToString(name), UTF8ToString(text)); });
EM_JS(void, viewShowEnabled, (const char* name, bool enabled),
      { Module.view.showEnabled(UTF8ToString(name), enabled); });
EM_JS(void, viewShowLook, (const char* name, const char* face, double points),
      { Module.view.showLook(UTF8ToString(name), UTF8ToString(face), points); });
EM_JS(void, viewShowMessage, (bool warning, const char* text),
      { Module.view.showMessage(warning, UTF8ToString(text)); });
EM_JS(void, viewDownload, (const char* name, const char* bytes, std::size_t size),
      { Module.view.download(UTF8ToString(name), HEAPU8.slice(bytes, bytes + size)); });
EM_JS(void, viewShowPrint,
      (double fontPoints, double pitch, const char* const* pages, std::size_t count), {
          const texts = [];
          for (let page = 0; page < count; page++) {
              texts.push(UTF8ToString(HEAPU32[(pages >> 2) + page]));
          }
          Module.view.showPrint(fontPoints, pitch, texts);
      });
// NOLINTEND

namespace web_page {

namespace {

// A box's designer name, as its element's id.
std::string name(sheet::BoxId box) {
    return std::string(form::kControls[form::rowOf(box)].name);
}

class PageView final : public sheet::SheetView {
public:
    void showText(sheet::BoxId box, const std::string& text) override {
        viewShowText(name(box).c_str(), text.c_str());
    }
    void showStrRomanEnabled(bool enabled) override {
        viewShowEnabled(name(form::ordinal(0)).c_str(), enabled);
    }
    // Each button the design gives a hovered look takes it.
    void showHovered() override {
        for (const form::ControlDesign& design : form::kControls) {
            if (design.hover) {
                viewShowLook(std::string(design.name).c_str(),
                             css(*form::faceOf(design, true)).c_str(),
                             form::captionPointsOf(design, true));
            }
        }
    }
    // A page cannot wait for the user: the page queues each message, and since every message
    // is the last thing a command does, they are read in the order they came.
    void showMessage(const sheet::Message& message) override {
        viewShowMessage(message.kind == sheet::Message::Kind::Warning, message.text.c_str());
    }
};

PageView view;
sheet::ExerciseSheet exerciseSheet(view);
// The worksheet's bytes, handed to the page to download.
class PageDownload final : public sheet::DownloadDestination {
    void download(std::string_view bytes) override {
        viewDownload(std::string(worksheet::kWorksheetFileName).c_str(), bytes.data(),
                     bytes.size());
    }
};

PageDownload download;

// The worksheet of the boxes as they stand, as the page prints it: each page's text.
void showPrint() {
    const PrintPages printed = printPages(exerciseSheet.worksheet());
    std::vector<const char*> texts;
    texts.reserve(printed.pages.size());
    for (const std::string& page : printed.pages) {
        texts.push_back(page.c_str());
    }
    viewShowPrint(printed.font.points, printed.font.pitch, texts.data(), texts.size());
}

// The texts of a kept form, as the page hands them over one by one.
std::array<std::string, sheet::kBoxCount> keptTexts;

} // namespace

} // namespace web_page

// What the page's script calls, for the control of a designer name; texts are UTF-8.
extern "C" {

// The user changed a box's text.
EMSCRIPTEN_KEEPALIVE void pageEdit(const char* name, const char* text) {
    if (const form::ControlDesign* control = form::findControl(name); control && control->box) {
        web_page::exerciseSheet.setText(*control->box, text);
        web_page::showPrint();
    }
}

// A click on a button: the command its design names. The worksheet is handed to the page to
// download.
EMSCRIPTEN_KEEPALIVE void pageClick(const char* name) {
    const form::ControlDesign* control = form::findControl(name);
    if (control != nullptr && control->command) {
        web_page::exerciseSheet.run(*control->command, web_page::download);
        web_page::showPrint();
    }
}

// The pointer moved over the form's bare surface.
EMSCRIPTEN_KEEPALIVE void pageHover() {
    web_page::exerciseSheet.mouseMovedOverSurface();
}

// What the sheet holds beyond the boxes' texts, for the page to keep for its tab.
EMSCRIPTEN_KEEPALIVE const char* pageKeptState() {
    static std::string kept;
    kept = web_page::exerciseSheet.keptState();
    return kept.c_str();
}

// A kept form given back, in two steps, as a page hands over no list of texts: each box's kept
// text, then the kept state, which takes them all back with it, or none; the print follows
// once.
EMSCRIPTEN_KEEPALIVE void pageKeepText(const char* name, const char* text) {
    if (const form::ControlDesign* control = form::findControl(name); control && control->box) {
        web_page::keptTexts.at(sheet::keptPlace(*control->box)) = text;
    }
}

EMSCRIPTEN_KEEPALIVE bool pageRestoreKeptForm(const char* state) {
    const bool restored = web_page::exerciseSheet.restoreKeptForm(web_page::keptTexts, state);
    web_page::keptTexts = {};
    web_page::showPrint();
    return restored;
}

// The key filter, for one typed character.
EMSCRIPTEN_KEEPALIVE bool pageAccepts(const char* character) {
    const std::string_view typed = character;
    if (typed.empty()) {
        return true;
    }
    const worksheet::Utf8Character decoded = worksheet::decodeUtf8(typed);
    return decoded.valid && sheet::ExerciseSheet::acceptsTypedCharacter(decoded.codePoint);
}

} // extern "C"
