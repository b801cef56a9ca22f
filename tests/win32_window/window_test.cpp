#include "form/design.h"
#include "form/scaling.h"
#include "sheet/recording_view.h"
#include "support/recording_surface.h"
#include "support/temporary_folder.h"
#include "win32_window/face_button.h"
#include "win32_window/form1takt.h"
#include "win32_window/painted_picture.h"
#include "win32_window/text.h"
#include "win32_window/worksheet_printing.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>
#include <cderr.h>
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

namespace win32_window {
namespace {

using form::ControlKind;
using form::kControls;
using testing_support::readBytes;

struct SeenMessage {
    std::string text;
    std::string title;
    UINT style;
};

std::string textOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

std::string classOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

form::PixelRect placeOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

LOGFONTW fontOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

// The tool tip a control of the form shows, from the form's tool-tip window.
std::string toolTipOf(HWND control) {
    HWND tips = nullptr;
    while ((tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr)) != nullptr) {
        if (GetWindow(tips, GW_OWNER) == GetParent(control)) {
            break;
        }
    }
    wchar_t text[80] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    SendMessageW(tips, TTM_GETTEXTW, sizeof text / sizeof text[0], reinterpret_cast<LPARAM>(&tool));
    return narrow(text);
}

COLORREF colorRef(form::Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

// What the window answers when a control asks for its colours.
struct Colours {
    COLORREF text;
    COLORREF background; // of the text, or of the brush where the text is transparent
    bool hollow;         // the text is transparent and the brush paints nothing
};

Colours coloursOf(HWND control) {
    const bool asStatic = classOf(control) == "Static" || !IsWindowEnabled(control);
    const HDC dc = CreateCompatibleDC(nullptr);
    auto* const brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(control), asStatic ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                     reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    LOGBRUSH filled{};
    GetObjectW(brush, sizeof filled, &filled);
    const Colours colours{GetTextColor(dc),
                          GetBkMode(dc) == TRANSPARENT ? filled.lbColor : GetBkColor(dc),
                          GetBkMode(dc) == TRANSPARENT && filled.lbStyle == BS_HOLLOW};
    EXPECT_EQ(filled.lbColor, colours.background) << "the brush and the text agree";
    DeleteDC(dc);
    return colours;
}

// A printer as the print dialog and the spooler answer for it, each call written down. What is
// drawn on its pages goes into an enhanced metafile.
struct FakePrinter {
    HRESULT shown = S_OK;
    DWORD whyFailed = 0;
    DWORD action = PD_RESULT_CANCEL;
    PrinterMetrics metrics{};
    std::string failing; // the spooler's call that fails
    bool paused = false;
    HDC dc = nullptr;
    int dialogs = 0;
    std::vector<std::string> calls;

    PrintingSystem system() {
        const auto call = [this](std::string name) {
            const bool fails = name.starts_with(failing) && !failing.empty();
            calls.push_back(std::move(name));
            return fails ? 0 : 1;
        };
        return {[this](PRINTDLGEXW& dialog, DWORD& why) {
                    ++dialogs;
                    dialog.dwResultAction = action;
                    // As PrintDlgEx does: a device context only when asked for one.
                    if (action == PD_RESULT_PRINT && (dialog.Flags & PD_RETURNDC) != 0) {
                        dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
                        dialog.hDC = dc;
                    }
                    // The chosen printer's name, after the DEVNAMES header.
                    const std::wstring name = L"Τάξη 2";
                    const std::size_t size = sizeof(DEVNAMES) + (name.size() + 1) * sizeof(wchar_t);
                    dialog.hDevNames = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
                    auto* names = static_cast<DEVNAMES*>(GlobalLock(dialog.hDevNames));
                    names->wDeviceOffset = sizeof(DEVNAMES) / sizeof(wchar_t);
                    name.copy(reinterpret_cast<wchar_t*>(names) + names->wDeviceOffset,
                              name.size());
                    GlobalUnlock(dialog.hDevNames);
                    why = whyFailed;
                    return shown;
                },
                [this](HDC) { return metrics; },
                [call](HDC, const DOCINFOW* job) {
                    return call("StartDoc " + narrow(job->lpszDocName));
                },
                [call](HDC) { return call("StartPage"); },
                [call](HDC) { return call("EndPage"); },
                [call](HDC) { return call("EndDoc"); },
                [call](HDC) { return call("AbortDoc"); },
                [call](HDC) { return call("release"); },
                [this, call](const std::wstring& printer) {
                    call("paused? " + narrow(printer));
                    return paused;
                }};
    }
};

// A Windows window whose worksheet goes into a temporary program folder, whose message boxes
// are written down instead of shown, and whose printer is a test's.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<Form1takt>(
            GetModuleHandleW(nullptr),
            std::vector<sheet::WorksheetFolder>{
                {programFolder.path(), sheet::WorksheetFolder::Kind::Program}},
            [this](HWND, const std::wstring& text, const std::wstring& title, UINT style) {
                seen.push_back({narrow(text), narrow(title), style});
            },
            printer.system());
        ShowWindow(form->handle(), SW_SHOW);
        SetForegroundWindow(form->handle());
    }

    HWND control(const char* name) const { return form->control(name); }
    std::string nameOf(HWND shown) const {
        for (const form::ControlDesign& design : kControls) {
            if (form->control(design.name) == shown) {
                return std::string(design.name);
            }
        }
        return "(not a control of the form)";
    }
    void click(const char* name) const { SendMessageW(control(name), BM_CLICK, 0, 0); }
    void type(const char* name, std::wstring_view characters) const {
        for (const wchar_t character : characters) {
            SendMessageW(control(name), WM_CHAR, character, 0);
        }
    }
    // An edit, as the user makes it: the box tells the window that its text changed.
    void edit(const char* name, const wchar_t* text) const { SetWindowTextW(control(name), text); }

    testing_support::TemporaryFolder programFolder;
    std::vector<SeenMessage> seen;
    FakePrinter printer;
    std::unique_ptr<Form1takt> form;
};

// What GDI was asked to draw, as an enhanced metafile records it: each text with its place,
// and the face and height of each font made.
struct Drawn {
    std::vector<std::wstring> texts;
    std::vector<POINT> places;
    std::vector<std::wstring> faces;
    std::vector<LONG> heights;
};

Drawn recorded(HENHMETAFILE metafile) {
    Drawn drawn;
    EnumEnhMetaFile(
        nullptr, metafile,
        [](HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM into) -> int {
            auto& seen = *reinterpret_cast<Drawn*>(into);
            if (record->iType == EMR_EXTTEXTOUTW) {
                const auto& text = reinterpret_cast<const EMREXTTEXTOUTW*>(record)->emrtext;
                const auto* characters = reinterpret_cast<const wchar_t*>(
                    reinterpret_cast<const BYTE*>(record) + text.offString);
                seen.texts.emplace_back(characters, text.nChars);
                seen.places.push_back({text.ptlReference.x, text.ptlReference.y});
            } else if (record->iType == EMR_EXTCREATEFONTINDIRECTW) {
                const LOGFONTW& font =
                    reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record)->elfw.elfLogFont;
                seen.faces.emplace_back(font.lfFaceName);
                seen.heights.push_back(font.lfHeight);
            }
            return 1;
        },
        &drawn, nullptr);
    return drawn;
}

TEST_F(WindowTest, EveryControlIsTheDesignedOneAtEachDensity) {
    const LONG_PTR style = GetWindowLongPtrW(form->handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0) << "a fixed size";
    EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX), WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_EQ(textOf(form->handle()), "Τακτικά και απόλυτα αριθμητικά" + std::string(12, ' '));
    EXPECT_EQ(SendMessageW(control("intnumber"), EM_GETLIMITTEXT, 0, 0), 5);
    EXPECT_GT(SendMessageW(control("intnumber1"), EM_GETLIMITTEXT, 0, 0), 1'000'000);
    EXPECT_EQ(toolTipOf(control("Command3")), "Σβήσιμο");
    // First shown in the middle of the work area of its monitor.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(form->handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    RECT frame{};
    GetWindowRect(form->handle(), &frame);
    EXPECT_NEAR(frame.left + frame.right, monitor.rcWork.left + monitor.rcWork.right, 1);
    EXPECT_NEAR(frame.top + frame.bottom, monitor.rcWork.top + monitor.rcWork.bottom, 1);

    for (const int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        if (dpi != form->dpi()) {
            RECT suggested{0, 0, 800, 600};
            SendMessageW(form->handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&suggested));
        }
        RECT client{};
        GetClientRect(form->handle(), &client);
        EXPECT_EQ(client.right, form::toPixels(form::kForm.clientWidth, dpi));
        EXPECT_EQ(client.bottom, form::toPixels(form::kForm.clientHeight, dpi));

        for (const form::ControlDesign& design : kControls) {
            SCOPED_TRACE(std::string(design.name));
            const HWND shown = form->control(design.name);
            ASSERT_NE(shown, nullptr);
            EXPECT_TRUE(IsWindowVisible(shown));
            const form::PixelRect designed = form::toPixels(design.place, dpi);
            if (design.kind == ControlKind::Label) { // may be wider, see below
                EXPECT_EQ(placeOf(shown).left, designed.left);
                EXPECT_EQ(placeOf(shown).top, designed.top);
                EXPECT_EQ(placeOf(shown).height, designed.height);
                EXPECT_LE(placeOf(shown).width, designed.width + dpi / 96) << "at most a pixel";
            } else {
                EXPECT_EQ(placeOf(shown), designed);
            }
            EXPECT_EQ(IsWindowEnabled(shown) != FALSE, design.name != "strRoman");
            const LOGFONTW font = fontOf(shown);
            EXPECT_EQ(font.lfHeight, -form::fontPixels(design.font.points, dpi));
            EXPECT_EQ(font.lfWeight, design.font.bold ? FW_BOLD : FW_NORMAL);
            EXPECT_EQ(font.lfCharSet, GREEK_CHARSET);
            const LONG_PTR controlStyle = GetWindowLongPtrW(shown, GWL_STYLE);

            switch (design.kind) {
            case ControlKind::TextBox: {
                EXPECT_EQ(classOf(shown), "Edit");
                EXPECT_EQ(controlStyle & (ES_CENTER | ES_RIGHT | ES_MULTILINE | ES_PASSWORD), 0);
                EXPECT_NE(GetWindowLongPtrW(shown, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
                const Colours colours = coloursOf(shown);
                EXPECT_EQ(colours.background, design.background ? colorRef(*design.background)
                                                                : GetSysColor(COLOR_WINDOW));
                EXPECT_EQ(colours.text, design.name == "strRoman" ? colorRef(form::kDisabledText)
                                        : design.foreground       ? colorRef(*design.foreground)
                                                                  : GetSysColor(COLOR_WINDOWTEXT));
                break;
            }
            case ControlKind::GraphicalButton:
            case ControlKind::PictureButton: {
                EXPECT_EQ(controlStyle & BS_TYPEMASK, BS_OWNERDRAW);
                // Every word of the caption fits the button's width, and all its lines fit.
                const HDC dc = GetDC(shown);
                const RECT room = captionRoom({placeOf(shown).width, placeOf(shown).height}, dpi);
                const std::wstring caption = wide(design.caption);
                const HFONT captionFont =
                    reinterpret_cast<HFONT>(SendMessageW(shown, WM_GETFONT, 0, 0));
                const SIZE needed = wrappedCaptionSize(dc, caption, captionFont, room);
                EXPECT_LE(needed.cx, room.right - room.left);
                EXPECT_LE(needed.cy, room.bottom - room.top);
                ReleaseDC(shown, dc);
                break;
            }
            case ControlKind::StandardButton:
                EXPECT_EQ(controlStyle & BS_TYPEMASK, BS_PUSHBUTTON);
                EXPECT_EQ(textOf(shown), design.caption);
                break;
            case ControlKind::Label: {
                EXPECT_EQ(classOf(shown), "Static");
                EXPECT_EQ(textOf(shown), design.caption);
                const Colours colours = coloursOf(shown);
                EXPECT_TRUE(colours.hollow) << "a label has no background of its own";
                EXPECT_EQ(colours.text, colorRef(design.foreground.value_or(form::kLabelText)));
                // The first line fits the label; the line breaks that end Label4 add nothing.
                const std::wstring firstLine =
                    wide(design.caption.substr(0, design.caption.find('\r')));
                const HDC dc = GetDC(shown);
                SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(shown, WM_GETFONT, 0, 0)));
                SIZE line{};
                GetTextExtentPoint32W(dc, firstLine.c_str(), static_cast<int>(firstLine.size()),
                                      &line);
                ReleaseDC(shown, dc);
                EXPECT_LE(line.cx, placeOf(shown).width);
                EXPECT_LE(line.cy, placeOf(shown).height);
                break;
            }
            }
        }

        // Label2 reaches into the top edge of strRoman; the edge's two rows show whole, also
        // when the label is painted again on its own.
        RedrawWindow(form->handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        RedrawWindow(control("Label2"), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        const form::PixelRect box = placeOf(control("strRoman"));
        const form::PixelRect label = placeOf(control("Label2"));
        const HDC dc = GetDC(form->handle());
        for (const int y : {box.top, box.top + 1}) {
            const COLORREF edge = GetPixel(dc, box.left + 2, y); // left of Label2
            EXPECT_NE(edge, colorRef(form::kForm.background));
            // Up to the box's right edge, whose two columns have colours of their own.
            for (int x = label.left; x < box.left + box.width - 2; ++x) {
                ASSERT_EQ(GetPixel(dc, x, y), edge) << "at " << x << ", " << y;
            }
        }
        ReleaseDC(form->handle(), dc);
    }
}

// Where two controls' rectangles overlap, the window shows what each shows alone there: a box or
// a button its own pixels over a label beneath it, two labels each its letters.
TEST_F(WindowTest, WhereTwoControlsOverlapEachShowsWhatItShowsAlone) {
    const PaintedPicture together = paintedPicture(form->handle());
    const auto alone = [this](std::size_t shown) {
        for (std::size_t i = 0; i < kControls.size(); ++i) {
            ShowWindow(control(kControls[i].name.data()), i == shown ? SW_SHOWNA : SW_HIDE);
        }
        PaintedPicture painted = paintedPicture(form->handle());
        for (const form::ControlDesign& design : kControls) {
            ShowWindow(control(design.name.data()), SW_SHOWNA);
        }
        return painted;
    };
    const COLORREF background = colorRef(form::kForm.background);
    int overlaps = 0;
    for (std::size_t a = 0; a < kControls.size(); ++a) {
        for (std::size_t b = a + 1; b < kControls.size(); ++b) {
            const form::PixelRect one = placeOf(control(kControls[a].name.data()));
            const form::PixelRect other = placeOf(control(kControls[b].name.data()));
            const int left = std::max(one.left, other.left);
            const int top = std::max(one.top, other.top);
            const int right = std::min(one.left + one.width, other.left + other.width);
            const int bottom = std::min(one.top + one.height, other.top + other.height);
            if (left >= right || top >= bottom) {
                continue;
            }
            ++overlaps;
            SCOPED_TRACE(std::string(kControls[a].name) + " over " +
                         std::string(kControls[b].name));
            const bool aLabel = kControls[a].kind == ControlKind::Label;
            const bool bLabel = kControls[b].kind == ControlKind::Label;
            const PaintedPicture first = alone(a);
            const PaintedPicture second = alone(b);
            int wrong = 0;
            for (int y = top; y < bottom; ++y) {
                for (int x = left; x < right; ++x) {
                    // A label lies beneath the other control; of two labels, the one with a
                    // letter there shows it.
                    const COLORREF expected = aLabel && !bLabel              ? second.at(x, y)
                                              : bLabel && !aLabel            ? first.at(x, y)
                                              : first.at(x, y) != background ? first.at(x, y)
                                                                             : second.at(x, y);
                    if (together.at(x, y) != expected && wrong++ < 3) {
                        ADD_FAILURE() << "at " << x << ", " << y << ": " << std::hex
                                      << together.at(x, y) << " instead of " << expected;
                    }
                }
            }
            EXPECT_EQ(wrong, 0);
        }
    }
    EXPECT_GT(overlaps, 0) << "Label1 overlaps Label2, and Label2 strRoman";
}

// What a screen reader asks a control for its name.
std::string accessibleNameOf(HWND control) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible)))) {
        return "(no accessible object)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    accessible->get_accName(self, &name);
    std::string result = name != nullptr ? narrow(name) : std::string();
    SysFreeString(name);
    accessible->Release();
    return result;
}

TEST_F(WindowTest, TabFollowsTheDesignedOrderAndButtonsHaveGreekNames) {
    EXPECT_EQ(GetFocus(), control("intnumber")) << "the focus starts in intnumber";
    const auto tabRound = [this] {
        std::vector<std::string> visited;
        HWND at = control("intnumber");
        do {
            visited.push_back(nameOf(at));
            at = GetNextDlgTabItem(form->handle(), at, FALSE);
        } while (at != control("intnumber") && visited.size() < 40);
        return visited;
    };
    std::vector<std::string> designedOrder;
    for (const form::ControlDesign& design : kControls) {
        if (design.kind != ControlKind::Label) {
            designedOrder.emplace_back(design.name);
        }
    }
    std::vector<std::string> withoutStrRoman = designedOrder;
    withoutStrRoman.erase(withoutStrRoman.begin() + 1);
    EXPECT_EQ(tabRound(), withoutStrRoman);
    click("Command2"); // either conversion enables strRoman
    EXPECT_EQ(tabRound(), designedOrder);

    // Buttons are named by their window text. The boxes' names are set through Windows'
    // accessibility services, which Wine does not provide; where they work, they are read too.
    for (const form::ControlDesign& design : kControls) {
        if (design.kind == ControlKind::Label) {
            continue;
        }
        const std::string name = accessibleNameOf(form->control(design.name));
        if (design.kind != ControlKind::TextBox || !name.empty()) {
            EXPECT_EQ(name, form::accessibleName(design)) << design.name;
        }
    }
}

TEST_F(WindowTest, IntnumberRefusesLettersAndTakesDigitsSignsAndPointsUpToFive) {
    edit("intnumber", L"");
    type("intnumber", L"aΑάZ:~\U0001D7CE"); // letters, Greek ones, and a digit outside the BMP
    EXPECT_EQ(textOf(control("intnumber")), "");
    type("intnumber", L"-1.59");
    EXPECT_EQ(textOf(control("intnumber")), "-1.59");
    type("intnumber", L"8"); // a sixth character
    EXPECT_EQ(textOf(control("intnumber")), "-1.59");
    type("intnumber", L"\b");
    EXPECT_EQ(textOf(control("intnumber")), "-1.5");
    edit("intnumber3", L"");
    type("intnumber3", L"abcλ");
    EXPECT_EQ(textOf(control("intnumber3")), "abcλ") << "the other boxes take any character";
}

TEST_F(WindowTest, OnlyAMoveOverTheSurfaceTurnsCommand1Red) {
    const auto command1Points = [this] { return fontOf(control("Command1")).lfHeight; };
    const auto moveTo = [this](POINT at) {
        SendMessageW(form->handle(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    };
    for (const char* name : {"Label1", "Label4", "intnumber", "strRoman", "Command2"}) {
        const form::PixelRect place = placeOf(control(name));
        moveTo({place.left + place.width / 2, place.top + place.height / 2});
    }
    EXPECT_EQ(command1Points(), -form::fontPixels(8.25, form->dpi()));

    moveTo({320, 380}); // between the buttons and the right edge
    EXPECT_EQ(command1Points(), -form::fontPixels(10.0, form->dpi()));
    UpdateWindow(control("Command1"));
    const HDC dc = GetDC(control("Command1"));
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 0, 0)) << "the face is red";
    ReleaseDC(control("Command1"), dc);
}

// Ctrl+P, from a box, asks for a printer and prints each page of the worksheet on it as one job,
// line by line in Courier New at the printer's density, half an inch from the paper's edges or
// at its unprintable edge; the bad ends are said, a cancel is not, and the form keeps its texts
// and writes no file.
TEST_F(WindowTest, CtrlPPrintsOnTheChosenPrinterAndSaysWhatWentWrong) {
    BYTE keys[256]{};
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    MSG press{control("intnumber3"), WM_KEYDOWN, 'P', 0, 0, {}};
    EXPECT_TRUE(form->takeShortcut(press));
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    MSG plain{control("intnumber3"), WM_KEYDOWN, 'P', 0, 0, {}};
    EXPECT_FALSE(form->takeShortcut(plain)) << "P alone is typed";
    EXPECT_EQ(printer.dialogs, 1);
    EXPECT_TRUE(seen.empty()) << "a cancelled dialog says nothing";

    // A4 and Letter at 600 dots per inch, 4961 by 7016 and 5100 by 6600 pixels, that is
    // 595.32 by 841.92 and 612 by 792 points.
    const PrinterMetrics a4{{600, 600}, {4961, 7016}, {0, 0}, {4961, 7016}};
    const PrinterMetrics letterWithEdges{{600, 600}, {5100, 6600}, {150, 150}, {4800, 6300}};
    const PrinterMetrics wideEdge{{600, 600}, {4961, 7016}, {450, 300}, {4061, 6416}};
    const worksheet::PaperSize a4Paper{595.32, 841.92};
    const std::vector<std::string> wholeJob{
        "StartDoc numbers.txt", "StartPage", "EndPage", "StartPage", "EndPage", "EndDoc", "release",
        "paused? Τάξη 2"};
    const std::string notTaken = "ο εκτυπωτής «Τάξη 2» δεν το δέχτηκε";
    struct Case {
        const char* name;
        HRESULT shown;
        DWORD whyFailed;
        DWORD action;
        PrinterMetrics metrics;
        std::string failing;
        std::string said; // empty: nothing
        std::vector<std::string> calls;
        worksheet::Paper paper{}; // as the printer's metrics give it
        bool paused = false;
    };
    const std::vector<Case> cases{
        {"A4", S_OK, 0, PD_RESULT_PRINT, a4, "", "", wholeJob, {a4Paper}},
        {"Letter with a quarter inch it cannot print",
         S_OK,
         0,
         PD_RESULT_PRINT,
         letterWithEdges,
         "",
         "",
         wholeJob,
         {{612, 792}, {18, 18, 18, 18}}},
        {"an unprintable edge wider than the margin",
         S_OK,
         0,
         PD_RESULT_PRINT,
         wideEdge,
         "",
         "",
         wholeJob,
         {a4Paper, {54, 36, 54, 36}}},
        {"cancelled", S_OK, 0, PD_RESULT_CANCEL, a4, "", "", {}, {}},
        {"no printer",
         E_FAIL,
         PDERR_NODEFAULTPRN,
         0,
         a4,
         "",
         "δεν υπάρχει εκτυπωτής. Προσθέστε έναν στις «Ρυθμίσεις → Εκτυπωτές και σαρωτές»",
         {},
         {}},
        {"the dialog failed",
         E_FAIL,
         PDERR_INITFAILURE,
         0,
         a4,
         "",
         "Το φύλλο εργασίας δεν τυπώθηκε: ο εκτυπωτής δεν το δέχτηκε",
         {},
         {}},
        {"a printer that refuses the job",
         S_OK,
         0,
         PD_RESULT_PRINT,
         a4,
         "StartDoc",
         notTaken,
         {"StartDoc numbers.txt", "release"},
         {}},
        {"a page not taken",
         S_OK,
         0,
         PD_RESULT_PRINT,
         a4,
         "EndPage",
         notTaken,
         {"StartDoc numbers.txt", "StartPage", "EndPage", "AbortDoc", "release"},
         {}},
        {"a paused printer holds the job",
         S_OK,
         0,
         PD_RESULT_PRINT,
         a4,
         "",
         "περιμένει στην ουρά, γιατί ο εκτυπωτής «Τάξη 2» είναι σε παύση",
         wholeJob,
         {a4Paper},
         true},
        {"the job's end not taken",
         S_OK,
         0,
         PD_RESULT_PRINT,
         a4,
         "EndDoc",
         notTaken,
         {wholeJob.begin(), wholeJob.end() - 1},
         {}},
    };
    click("Command1");
    click("Command2");
    sheet::RecordingView view;
    sheet::ExerciseSheet converted(view); // the form's boxes, as the sheet has them
    converted.convertToOrdinals();
    converted.convertToCardinals();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        seen.clear();
        printer.calls.clear();
        printer.shown = c.shown;
        printer.whyFailed = c.whyFailed;
        printer.action = c.action;
        printer.metrics = c.metrics;
        printer.failing = c.failing;
        printer.paused = c.paused;
        form->printWorksheet();
        EXPECT_EQ(printer.calls, c.calls);
        if (c.said.empty()) {
            EXPECT_TRUE(seen.empty());
        } else {
            ASSERT_EQ(seen.size(), 1U);
            EXPECT_EQ(seen[0].style, static_cast<UINT>(MB_OK | MB_ICONWARNING));
            EXPECT_NE(seen[0].text.find(c.said), std::string::npos) << seen[0].text;
        }
        if (c.action != PD_RESULT_PRINT || c.shown != S_OK) {
            continue;
        }
        const HENHMETAFILE metafile = CloseEnhMetaFile(printer.dc);
        const Drawn drawn = recorded(metafile);
        DeleteEnhMetaFile(metafile);
        if (!c.failing.empty()) {
            continue;
        }
        // Each line where the layout put it on the paper, in the printer's pixels from its
        // unprintable edge, in Courier New at the page's size.
        const testing_support::RecordingSurface expected =
            testing_support::drawn(converted.worksheet(), c.paper);
        const auto pixels = [](double points) { return std::lround(points * 600 / 72); };
        std::vector<std::wstring> texts;
        std::vector<POINT> places;
        std::vector<LONG> heights;
        for (const testing_support::RecordingSurface::Page& page : expected.pages) {
            heights.push_back(-pixels(page.font.points));
            for (const testing_support::RecordingSurface::Line& line : page.lines) {
                texts.push_back(wide(line.text));
                places.push_back({pixels(line.at.left) - c.metrics.unprintable.x,
                                  pixels(line.at.top) - c.metrics.unprintable.y});
            }
        }
        EXPECT_EQ(drawn.texts, texts);
        ASSERT_EQ(drawn.places.size(), places.size());
        for (std::size_t line = 0; line < places.size(); ++line) {
            EXPECT_EQ(drawn.places[line].x, places[line].x) << "line " << line;
            EXPECT_EQ(drawn.places[line].y, places[line].y) << "line " << line;
        }
        EXPECT_EQ(drawn.faces, std::vector<std::wstring>(2, L"Courier New"));
        EXPECT_EQ(drawn.heights, heights);
    }
    EXPECT_EQ(textOf(control("intnumber3")), "466");
    EXPECT_TRUE(std::filesystem::is_empty(programFolder.path())) << "printing writes no file";
}

TEST_F(WindowTest, ClicksConvertWriteTheWorksheetAndErase) {
    // An unpaired surrogate is only a character gone wrong.
    edit("strgreek4", L"\xD800");
    click("Command1");
    click("Command2");
    EXPECT_EQ(textOf(control("strRoman")), "χιλιοστός πρώτος ");
    EXPECT_EQ(textOf(control("strgreek6")), "επτακόσια εξήντα πέντε ");
    EXPECT_EQ(textOf(control("strgreek4")), "εβδομήντα οκτώ ");

    click("Command4");
    EXPECT_EQ(
        readBytes(programFolder.path() / "numbers.txt"),
        readBytes(std::filesystem::path(ARITHMITIKA_TEST_DATA) / "sample_numbers_converted.txt"));
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].text, "Το φύλλο εργασίας ετοιμάστηκε στο παρασκήνιο. Ανοίξτε το αρχείο " +
                                narrow((programFolder.path() / "numbers.txt").wstring()) +
                                " και τυπώστε το ή μορφοποιείστε το όπως επιθυμείτε στο word . "
                                "\n\nΓια να το τυπώσετε από εδώ, πατήστε Ctrl+P· οι λύσεις "
                                "τυπώνονται σε χωριστή σελίδα.");
    EXPECT_EQ(seen[0].style, static_cast<UINT>(MB_OK)) << "no icon for news";
    EXPECT_EQ(seen[0].title, textOf(form->handle()));

    edit("strgreek3", L"x\xDC00");
    click("Command4");
    EXPECT_NE(readBytes(programFolder.path() / "numbers.txt").find("466_x?\r\n"),
              std::string::npos);

    // Enter presses the focused button, as Space does.
    SetFocus(control("Command3"));
    MSG enter{control("Command3"), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    IsDialogMessageW(form->handle(), &enter);
    for (const form::ControlDesign& design : kControls) {
        if (design.kind == ControlKind::TextBox) {
            EXPECT_EQ(textOf(form->control(design.name)), "") << design.name;
        }
    }
    EXPECT_TRUE(IsWindowEnabled(control("strRoman")));
}

TEST_F(WindowTest, RefusalsAndFailuresAreWarnings) {
    edit("intnumber1", L"abc");
    click("Command1");
    std::filesystem::remove_all(programFolder.path());
    click("Command4");

    ASSERT_EQ(seen.size(), 2U);
    EXPECT_EQ(seen[0].style, static_cast<UINT>(MB_OK | MB_ICONWARNING));
    EXPECT_NE(seen[0].text.find("Γραμμή 2: το «abc» δεν είναι αριθμός."), std::string::npos);
    EXPECT_EQ(textOf(control("strRoman1")), "");
    EXPECT_EQ(seen[1].style, static_cast<UINT>(MB_OK | MB_ICONWARNING));
    EXPECT_EQ(seen[1].text.rfind("Το φύλλο εργασίας δεν γράφτηκε.", 0), 0U);
}

} // namespace
} // namespace win32_window
