// The form's design and its sheet, handed to the web page's script. The page builds the form by
// a loop over controls(), as the other windows do, forwards the user's actions to a Page, and
// shows what the sheet reports back through the object it gave the Page.

#include "form/design.h"
#include "sheet/exercise_sheet.h"
#include "sheet/worksheet_folders.h"
#include "worksheet/utf8.h"
#include "worksheet/worksheet_writer.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace web_page {

namespace {

using emscripten::val;
using form::ControlDesign;
using form::ControlKind;

// The in-memory folder the sheet writes numbers.txt into, before the page downloads it.
const std::filesystem::path kWorksheetFolder = "/home/web_user";

std::string css(sheet::Rgb rgb) {
    return "rgb(" + std::to_string(rgb.red) + ", " + std::to_string(rgb.green) + ", " +
           std::to_string(rgb.blue) + ")";
}

val cssOrUndefined(const std::optional<sheet::Rgb>& rgb) {
    return rgb ? val(css(*rgb)) : val::undefined();
}

// A CSS font-family list: the form's faces in order, then any sans-serif face.
std::string fontFamilies() {
    std::string families;
    for (const std::string_view face : form::kFontFaces) {
        families += "\"" + std::string(face) + "\", ";
    }
    return families + "sans-serif";
}

std::string_view kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
        return "TextBox";
    case ControlKind::GraphicalButton:
        return "GraphicalButton";
    case ControlKind::PictureButton:
        return "PictureButton";
    case ControlKind::StandardButton:
        return "StandardButton";
    case ControlKind::Label:
        break;
    }
    return "Label";
}

// A place in CSS pixels: at the design's density, 15 twips make one.
void setPlace(val& object, const form::TwipsRect& place) {
    const form::PixelRect pixels = form::toPixels(place, form::kDesignDpi);
    object.set("left", pixels.left);
    object.set("top", pixels.top);
    object.set("width", pixels.width);
    object.set("height", pixels.height);
}

val controlObject(const ControlDesign& design) {
    val control = val::object();
    control.set("name", std::string(design.name));
    control.set("kind", std::string(kindName(design.kind)));
    setPlace(control, design.place);
    control.set("caption", std::string(design.caption));
    control.set("background", cssOrUndefined(design.background));
    control.set("foreground", cssOrUndefined(design.kind == ControlKind::Label
                                                 ? design.foreground.value_or(form::kLabelText)
                                                 : design.foreground));
    control.set("points", design.font.points);
    control.set("bold", design.font.bold);
    control.set("accessibleName", std::string(form::accessibleName(design)));
    control.set("toolTip", std::string(design.toolTip));
    control.set("maxLength", design.maxLength);
    control.set("filtered", design.name == sheet::boxName({0, sheet::Column::Number}));
    return control;
}

// The window as a whole: its name, caption, size, colours and font, how a graphical button's
// bevel is drawn, and the name the worksheet is downloaded under.
val formObject() {
    val window = val::object();
    window.set("name", std::string(form::kForm.name));
    window.set("caption", std::string(form::kForm.caption));
    setPlace(window, {0, 0, form::kForm.clientWidth, form::kForm.clientHeight});
    window.set("background", css(form::kForm.background));
    window.set("fontFamilies", fontFamilies());
    window.set("points", form::kForm.font.points);
    window.set("disabledText", css(form::kDisabledText));
    window.set("bevel", form::kButtonDrawing.bevel);
    window.set("pictureSize", form::kPictureSize);
    window.set("worksheetName", std::string(worksheet::kWorksheetFileName));
    return window;
}

val controls() {
    val list = val::array();
    for (const ControlDesign& design : form::kControls) {
        list.call<void>("push", controlObject(design));
    }
    return list;
}

// What the sheet reports, forwarded to the page's object of the same methods.
class PageView final : public sheet::SheetView {
public:
    explicit PageView(val page) : m_page(std::move(page)) {}

    void showText(sheet::BoxId box, const std::string& text) override {
        m_page.call<void>("showText", sheet::boxName(box), text);
    }
    void showStrRomanEnabled(bool enabled) override {
        m_page.call<void>("showEnabled", sheet::boxName({0, sheet::Column::Ordinal}), enabled);
    }
    void showCommand1Look(const sheet::ButtonLook& look) override {
        m_page.call<void>("showLook", std::string("Command1"), css(look.face), look.captionPoints);
    }
    // A page cannot wait for the user: the page queues each message, and since every message
    // is the last thing a command does, they are read in the order they came.
    void showMessage(const sheet::Message& message) override {
        m_page.call<void>("showMessage", message.kind == sheet::Message::Kind::Warning,
                          message.text);
    }

private:
    val m_page;
};

} // namespace

// The form's sheet, driven by the page.
class Page {
public:
    explicit Page(val page) : m_view(std::move(page)), m_sheet(m_view) {}

    std::string text(const std::string& box) const {
        const auto id = form::boxOf(box);
        return id ? m_sheet.text(*id) : std::string();
    }
    // Whether a control takes input now: only strRoman waits, for the first conversion.
    bool enabled(const std::string& name) const {
        return name != sheet::boxName({0, sheet::Column::Ordinal}) || m_sheet.strRomanEnabled();
    }

    // The user changed a box's text.
    void edit(const std::string& box, const std::string& text) {
        if (const auto id = form::boxOf(box)) {
            m_sheet.setText(*id, text);
        }
    }

    // A click on a button; for the worksheet button, the bytes of numbers.txt to download, or
    // undefined when it could not be written (the message says why).
    val click(const std::string& button) {
        if (button == "Command1") {
            m_sheet.convertToOrdinals();
        } else if (button == "Command2") {
            m_sheet.convertToCardinals();
        } else if (button == "Command3") {
            m_sheet.eraseAll();
        } else if (button == "Command4") {
            return writeWorksheet();
        }
        return val::undefined();
    }

    void pointerMovedOverSurface() { m_sheet.mouseMovedOverSurface(); }

    // The key filter of the first number box, for one typed character.
    static bool accepts(const std::string& character) {
        if (character.empty()) {
            return true;
        }
        const worksheet::Utf8Character typed = worksheet::decodeUtf8(character);
        return typed.valid && sheet::ExerciseSheet::acceptsTypedCharacter(typed.codePoint);
    }

private:
    val writeWorksheet() {
        const std::filesystem::path file = kWorksheetFolder / worksheet::kWorksheetFileName;
        std::filesystem::remove(file);
        const std::vector<sheet::WorksheetFolder> folders{
            {kWorksheetFolder, sheet::WorksheetFolder::Kind::Program}};
        m_sheet.writeWorksheet(folders);
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            return val::undefined();
        }
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        return val::global("Uint8Array")
            .new_(emscripten::typed_memory_view(
                bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())))
            .call<val>("slice");
    }

    PageView m_view;
    sheet::ExerciseSheet m_sheet;
};

EMSCRIPTEN_BINDINGS(arithmitika) {
    emscripten::function("form", &formObject);
    emscripten::function("controls", &controls);
    emscripten::class_<Page>("Page")
        .constructor<val>()
        .function("text", &Page::text)
        .function("enabled", &Page::enabled)
        .function("edit", &Page::edit)
        .function("click", &Page::click)
        .function("pointerMovedOverSurface", &Page::pointerMovedOverSurface)
        .class_function("accepts", &Page::accepts);
}

} // namespace web_page
