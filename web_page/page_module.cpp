// The form's sheet, for the web page. The page's markup already holds every control, drawn from
// the design when the page was built; its script forwards what the user does to the functions
// exported here, and the sheet's reports come back through the page's view object, the one the
// page handed to the module when it started it.
//
// Plain exported functions and a few imported ones, rather than a binding library: the module
// stays small, and the page is ready soon after it is shown.

#include "form/design.h"
#include "sheet/exercise_sheet.h"
#include "web_page/css.h"
#include "worksheet/utf8.h"
#include "worksheet/worksheet_writer.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>
#include <string>
#include <string_view>

// What the sheet reports, handed to the page's view object (Module.view).
// NOLINTBEGIN: the page's script, written in JavaScript
EM_JS(void, viewShowText, (const char* box, const char* text),
      { Module.view.showText(UTF8ToString(box), UTF8ToString(text)); });
EM_JS(void, viewShowEnabled, (const char* box, bool enabled),
      { Module.view.showEnabled(UTF8ToString(box), enabled); });
EM_JS(void, viewShowLook, (const char* button, const char* face, double points),
      { Module.view.showLook(UTF8ToString(button), UTF8ToString(face), points); });
EM_JS(void, viewShowMessage, (bool warning, const char* text),
      { Module.view.showMessage(warning, UTF8ToString(text)); });
EM_JS(void, viewDownload, (const char* name, const char* bytes, std::size_t size),
      { Module.view.download(UTF8ToString(name), HEAPU8.slice(bytes, bytes + size)); });
// NOLINTEND

namespace web_page {

namespace {

class PageView final : public sheet::SheetView {
public:
    void showText(sheet::BoxId box, const std::string& text) override {
        viewShowText(sheet::boxName(box).c_str(), text.c_str());
    }
    void showStrRomanEnabled(bool enabled) override {
        viewShowEnabled(sheet::boxName({0, sheet::Column::Ordinal}).c_str(), enabled);
    }
    void showCommand1Look(const sheet::ButtonLook& look) override {
        viewShowLook("Command1", css(look.face).c_str(), look.captionPoints);
    }
    // A page cannot wait for the user: the page queues each message, and since every message
    // is the last thing a command does, they are read in the order they came.
    void showMessage(const sheet::Message& message) override {
        viewShowMessage(message.kind == sheet::Message::Kind::Warning, message.text.c_str());
    }
};

PageView view;
sheet::ExerciseSheet exerciseSheet(view);

} // namespace

} // namespace web_page

// What the page's script calls: names are the controls' designer names, texts UTF-8.
extern "C" {

// The user changed a box's text.
EMSCRIPTEN_KEEPALIVE void pageEdit(const char* box, const char* text) {
    if (const auto id = form::boxOf(box)) {
        web_page::exerciseSheet.setText(*id, text);
    }
}

// A click on a button. The worksheet button hands the worksheet's bytes to the page to download,
// after the message that says where the browser puts them.
EMSCRIPTEN_KEEPALIVE void pageClick(const char* button) {
    const std::string_view name = button;
    if (name == "Command1") {
        web_page::exerciseSheet.convertToOrdinals();
    } else if (name == "Command2") {
        web_page::exerciseSheet.convertToCardinals();
    } else if (name == "Command3") {
        web_page::exerciseSheet.eraseAll();
    } else if (name == "Command4") {
        const std::string bytes = web_page::exerciseSheet.downloadWorksheet();
        viewDownload(std::string(worksheet::kWorksheetFileName).c_str(), bytes.data(),
                     bytes.size());
    }
}

// The pointer moved over the form's bare surface.
EMSCRIPTEN_KEEPALIVE void pageHover() {
    web_page::exerciseSheet.mouseMovedOverSurface();
}

// The key filter of the first number box, for one typed character.
EMSCRIPTEN_KEEPALIVE bool pageAccepts(const char* character) {
    const std::string_view typed = character;
    if (typed.empty()) {
        return true;
    }
    const worksheet::Utf8Character decoded = worksheet::decodeUtf8(typed);
    return decoded.valid && sheet::ExerciseSheet::acceptsTypedCharacter(decoded.codePoint);
}

} // extern "C"
