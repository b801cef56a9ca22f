#include "win32_window/form1takt.h"

#include "form/design.h"
#include "form/scaling.h"
#include "sheet/messages.h"
#include "win32_window/dpi.h"
#include "win32_window/face_button.h"
#include "win32_window/resources.h"
#include "win32_window/text.h"
#include "win32_window/worksheet_printing.h"

#include <algorithm>
#include <optional>
#include <system_error>
#include <utility>

#include <commctrl.h>
#include <oleacc.h>
#include <windowsx.h>

namespace win32_window {

namespace {

using form::ControlDesign;
using form::kControls;
using form::kForm;
using enum form::ControlKind;

// A fixed-size window: a caption with the system menu and a minimise box, no sizing border.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWindowExStyle = 0;
constexpr wchar_t kClassName[] = L"Form1takt";

// Each control's identifier is its row in the design, above the dialog identifiers (IDOK,
// IDCANCEL) that the dialog keys send.
constexpr int kFirstControlId = 1000;
// The command of the window's one shortcut, Ctrl+P, below the controls' identifiers.
constexpr WORD kPrintCommand = 900;

COLORREF colorRef(form::Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

// The design row of a control of the window, or nullptr.
const ControlDesign* designOf(HWND control) {
    const int row = GetDlgCtrlID(control) - kFirstControlId;
    return row >= 0 && row < static_cast<int>(kControls.size())
               ? &kControls[static_cast<std::size_t>(row)]
               : nullptr;
}

bool isGraphical(const ControlDesign& design) {
    return design.kind == GraphicalButton || design.kind == PictureButton;
}

struct Creation {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

Creation creationOf(const ControlDesign& design) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    switch (design.kind) {
    case TextBox:
        return {L"EDIT", kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case GraphicalButton:
    case PictureButton:
        return {L"BUTTON", kChild | WS_TABSTOP | BS_OWNERDRAW, 0};
    case StandardButton:
        return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case Label:
        break;
    }
    // A label wraps at word boundaries from the top left and takes neither focus nor clicks. It
    // paints only its letters, so it is not clipped by the siblings above it: where Label1's
    // rectangle covers the first letter of Label2, which paints nothing there, that letter
    // shows whole (see createControls for the boxes).
    return {L"STATIC", kChild | SS_LEFT | SS_NOPREFIX, 0};
}

// The text a control is created with. A button's is what a screen reader reads, so the
// picture button carries its tool tip as a text it never draws.
std::wstring windowText(const ControlDesign& design) {
    switch (design.kind) {
    case TextBox:
        return {};
    case GraphicalButton:
    case PictureButton:
    case StandardButton:
        return wide(form::accessibleName(design));
    case Label:
        break;
    }
    return wide(design.caption);
}

// The width of a caption's first line in a font. A label has no background or border, so one
// whose font came out a pixel wider than the designer's (a stand-in face, rounding at a high
// density) is widened by that much rather than cutting off the end of its text.
int firstLineWidth(std::string_view caption, HFONT font) {
    const std::wstring line = wide(caption.substr(0, caption.find_first_of("\r\n")));
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return extent.cx;
}

// The text a control shows now.
std::wstring currentText(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The client area the form needs at a density.
SIZE clientSize(int dpi) {
    const form::PixelRect client =
        form::toPixels({0, 0, kForm.clientWidth, kForm.clientHeight}, dpi);
    return {client.width, client.height};
}

// Runs use with Windows' accessibility property services, where there are any (COM started).
template <typename Use> void withAccessibilityServices(Use use) {
    IAccPropServices* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        use(*services);
        services->Release();
    }
}

void registerWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, kClassName, &windowClass)) {
        return;
    }
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    // The background is painted from the design on WM_ERASEBKGND; the form has no icon of
    // its own.
    if (RegisterClassExW(&windowClass) == 0) {
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "RegisterClassExW");
    }
}

} // namespace

Form1takt::Form1takt(HINSTANCE instance, std::vector<sheet::WorksheetFolder> worksheetFolders,
                     MessageBoxFunction messageBox, PrintingSystem printing)
    : m_worksheetDestination(std::move(worksheetFolders)), m_messageBox(std::move(messageBox)),
      m_paper(m_window, std::move(printing)), m_sheet(*this),
      m_formBackground(CreateSolidBrush(colorRef(kForm.background))) {
    registerWindowClass(instance, &Form1takt::windowProcedure);
    m_window = CreateWindowExW(kWindowExStyle, kClassName, wide(kForm.caption).c_str(),
                               kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (m_window == nullptr) {
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "CreateWindowExW");
    }
    createControls(instance);
    ACCEL print{FCONTROL | FVIRTKEY, 'P', kPrintCommand};
    m_shortcuts.reset(CreateAcceleratorTableW(&print, 1));
    layOut(dpiOf(m_window));
    placeWindow();
    m_sheet.showState();
    // The focus starts in the first control that can take it; it is given when the window is
    // first activated.
    m_focusBeforeDeactivation = box({0, sheet::Column::Number});
}

Form1takt::~Form1takt() {
    if (m_window != nullptr) {
        DestroyWindow(m_window);
    }
}

int Form1takt::controlId(std::string_view name) {
    const form::ControlDesign* design = form::findControl(name);
    return design != nullptr ? kFirstControlId + static_cast<int>(design - kControls.data()) : 0;
}

HWND Form1takt::control(std::string_view name) const {
    const int id = controlId(name);
    return id != 0 ? GetDlgItem(m_window, id) : nullptr;
}

HWND Form1takt::box(sheet::BoxId id) const {
    return m_controls.at(form::rowOf(id));
}

void Form1takt::createControls(HINSTANCE instance) {
    // Created in the design's order, which is the focus order that Tab follows.
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlDesign& design = kControls[i];
        const Creation how = creationOf(design);
        const HWND control = CreateWindowExW(
            how.exStyle, how.windowClass, windowText(design).c_str(), how.style, 0, 0, 0, 0,
            m_window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)), instance,
            nullptr);
        if (control == nullptr) {
            throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                    "CreateWindowExW");
        }
        m_controls.push_back(control);
        m_boxBackgrounds.emplace_back(design.kind == TextBox && design.background
                                          ? CreateSolidBrush(colorRef(*design.background))
                                          : nullptr);
        if (design.kind == TextBox) {
            // 0 lifts Windows' default limit of 30000 characters.
            SendMessageW(control, EM_SETLIMITTEXT, static_cast<WPARAM>(design.maxLength), 0);
        }
    }

    // Labels lie beneath every other control and paint nothing over them: Label2 reaches a
    // twip row into the top edge of strRoman, which stays the box's own. Only tab stops take
    // part in the focus order, so moving the labels down leaves it as it is.
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].kind == Label) {
            SetWindowPos(m_controls[i], HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }

    // The key filter sees each typed character before its box inserts it.
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].keyFilter) {
            SetWindowSubclass(m_controls[i], &Form1takt::filteredBoxProcedure, 0,
                              reinterpret_cast<DWORD_PTR>(this));
        }
    }

    m_toolTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                m_window, nullptr, instance, nullptr);
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].toolTip.empty() || m_toolTip == nullptr) {
            continue;
        }
        std::wstring tip = wide(kControls[i].toolTip);
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE; // understood by every version of the common controls
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_window;
        tool.uId = reinterpret_cast<UINT_PTR>(m_controls[i]);
        tool.lpszText = tip.data();
        SendMessageW(m_toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    nameControlsForScreenReaders();
}

// A box has no caption and no label right before it, so a screen reader would not know what
// to call it; the design's Greek name is set on it explicitly.
void Form1takt::nameControlsForScreenReaders() {
    withAccessibilityServices([this](IAccPropServices& services) {
        for (std::size_t i = 0; i < kControls.size(); ++i) {
            if (kControls[i].kind == TextBox) {
                services.SetHwndPropStr(m_controls[i], static_cast<DWORD>(OBJID_CLIENT),
                                        CHILDID_SELF, PROPID_ACC_NAME,
                                        wide(form::accessibleName(kControls[i])).c_str());
            }
        }
    });
}

HFONT Form1takt::font(double points, bool bold) {
    for (const CachedFont& cached : m_fonts) {
        if (cached.points == points && cached.bold == bold) {
            return cached.font.get();
        }
    }
    LOGFONTW design{};
    design.lfHeight = -form::fontPixels(points, m_dpi);
    design.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    // Windows finds a face with Greek letters where the designer's face has none.
    design.lfCharSet = GREEK_CHARSET;
    design.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    const std::wstring face = wide(form::kFontFace);
    face.copy(design.lfFaceName, LF_FACESIZE - 1);
    m_fonts.push_back({points, bold, Font(CreateFontIndirectW(&design))});
    return m_fonts.back().font.get();
}

void Form1takt::layOut(int dpi) {
    // The old fonts stay alive until every control has its new one.
    std::vector<CachedFont> oldFonts = std::exchange(m_fonts, {});
    m_dpi = dpi;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlDesign& design = kControls[i];
        const HFONT shownFont =
            font(form::captionPointsOf(design, m_sheet.hovered()), design.font.bold);
        form::PixelRect place = form::toPixels(design.place, dpi);
        if (design.kind == Label) {
            place.width = std::max(place.width, firstLineWidth(design.caption, shownFont));
        }
        SetWindowPos(m_controls[i], nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(m_controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(shownFont), TRUE);
    }
    const int pictureSize = form::scaledPixels(form::kPictureSize, dpi);
    m_picture.reset(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kMagnetIcon),
                                      IMAGE_ICON, pictureSize, pictureSize, LR_DEFAULTCOLOR)));
    InvalidateRect(m_window, nullptr, TRUE);
}

void Form1takt::placeWindow() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(m_window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const SIZE frame = frameSize();
    setFrame({work.left + (work.right - work.left - frame.cx) / 2,
              work.top + (work.bottom - work.top - frame.cy) / 2});
}

SIZE Form1takt::frameSize() const {
    const RECT frame = frameFor(clientSize(m_dpi), kWindowStyle, kWindowExStyle, m_dpi);
    return {frame.right, frame.bottom};
}

void Form1takt::setFrame(POINT topLeft) {
    SIZE frame = frameSize();
    SetWindowPos(m_window, nullptr, topLeft.x, topLeft.y, frame.cx, frame.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // The frame Windows reckons for a density can differ from the one it draws (a caption
    // not yet scaled): the client area is what must come out right, so any difference is
    // made up.
    RECT client{};
    GetClientRect(m_window, &client);
    const SIZE wanted = clientSize(m_dpi);
    if (client.right != wanted.cx || client.bottom != wanted.cy) {
        frame.cx += wanted.cx - client.right;
        frame.cy += wanted.cy - client.bottom;
        SetWindowPos(m_window, nullptr, 0, 0, frame.cx, frame.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

int Form1takt::run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!takeShortcut(message) && !IsDialogMessageW(m_window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

bool Form1takt::takeShortcut(MSG& message) {
    const bool inWindow = message.hwnd == m_window || IsChild(m_window, message.hwnd);
    return inWindow && TranslateAcceleratorW(m_window, m_shortcuts.get(), &message) != 0;
}

void Form1takt::showMessageBox(HWND owner, const std::wstring& text, const std::wstring& title,
                               UINT style) {
    MessageBoxW(owner, text.c_str(), title.c_str(), style);
}

void Form1takt::printWorksheet() {
    m_sheet.run(sheet::Command::PrintWorksheet, m_paper);
}

LRESULT CALLBACK Form1takt::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Form1takt*>(creation->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Form1takt*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_window = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT Form1takt::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(m_window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, m_formBackground.get());
        return 1;
    }
    case WM_CTLCOLOREDIT:
        return colours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), false);
    case WM_CTLCOLORSTATIC: // labels, and a disabled box
        return colours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), true);
    case WM_DRAWITEM:
        onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            pressFocusedButton(); // Enter, as a dialog does it
        } else if (LOWORD(wParam) == kPrintCommand && HIWORD(wParam) == 1) {
            printWorksheet(); // the shortcut
        } else {
            onCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        }
        return 0;
    case WM_MOUSEMOVE: {
        // Only a move over the window's own surface counts, not one over a control (a label
        // lets the mouse through to the window, so it is looked up here).
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (ChildWindowFromPointEx(m_window, at, CWP_SKIPINVISIBLE) == m_window) {
            m_sheet.mouseMovedOverSurface();
        }
        return 0;
    }
    case WM_ACTIVATE:
        // Keep the focus where the user left it when another window comes in between.
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus != nullptr && IsChild(m_window, focus)) {
                m_focusBeforeDeactivation = focus;
            }
        } else if (m_focusBeforeDeactivation != nullptr &&
                   IsWindowEnabled(m_focusBeforeDeactivation)) {
            SetFocus(m_focusBeforeDeactivation);
            return 0;
        }
        break;
    case WM_DPICHANGED: {
        // Moved to a monitor of another density: everything is laid out again and the window
        // takes the place Windows suggests, at the size the form needs there.
        layOut(HIWORD(wParam));
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        setFrame({suggested->left, suggested->top});
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow(m_window);
        return 0;
    case WM_DESTROY: {
        withAccessibilityServices([this](IAccPropServices& services) {
            MSAAPROPID name = PROPID_ACC_NAME;
            for (const HWND control : m_controls) {
                services.ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                        &name, 1);
            }
        });
        PostQuitMessage(0);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

LRESULT Form1takt::colours(HDC dc, HWND control, bool disabledBox) {
    const ControlDesign* design = designOf(control);
    if (design == nullptr) {
        return DefWindowProcW(m_window, disabledBox ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                              reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    }
    if (design->kind == Label) {
        // No background of its own: the text is drawn straight on what lies beneath, the
        // window's silver and the edge of a box it overlaps.
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colorRef(design->foreground.value_or(form::kLabelText)));
        return reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
    }
    const auto row = static_cast<std::size_t>(design - kControls.data());
    const COLORREF background =
        design->background ? colorRef(*design->background) : GetSysColor(COLOR_WINDOW);
    COLORREF text =
        design->foreground ? colorRef(*design->foreground) : GetSysColor(COLOR_WINDOWTEXT);
    if (disabledBox) {
        text = colorRef(form::kDisabledText);
    }
    SetBkColor(dc, background);
    SetTextColor(dc, text);
    const HBRUSH brush =
        m_boxBackgrounds[row] ? m_boxBackgrounds[row].get() : GetSysColorBrush(COLOR_WINDOW);
    return reinterpret_cast<LRESULT>(brush);
}

void Form1takt::onCommand(HWND control, int notification) {
    const ControlDesign* design = designOf(control);
    if (design == nullptr) {
        return;
    }
    // Only the user's edits are forwarded; the sheet's own changes come from it.
    if (design->box && notification == EN_CHANGE && !m_showingText) {
        m_sheet.setText(*design->box, narrow(currentText(control)));
    }
    if (design->command && notification == BN_CLICKED) {
        m_sheet.run(*design->command, m_worksheetDestination);
    }
}

void Form1takt::pressFocusedButton() {
    const HWND focus = GetFocus();
    const ControlDesign* design = designOf(focus);
    if (design != nullptr && design->kind != TextBox && design->kind != Label) {
        SendMessageW(focus, BM_CLICK, 0, 0);
    }
}

void Form1takt::onDrawItem(const DRAWITEMSTRUCT& item) {
    const ControlDesign* design = designOf(item.hwndItem);
    if (design == nullptr || !isGraphical(*design)) {
        return;
    }
    const std::optional<form::Rgb> face = form::faceOf(*design, m_sheet.hovered());
    FaceButtonLook look{
        .face = face ? colorRef(*face) : GetSysColor(COLOR_BTNFACE),
        .font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)),
        .dpi = m_dpi,
    };
    if (design->kind == PictureButton) {
        look.picture = m_picture.get();
        look.pictureSize = form::scaledPixels(form::kPictureSize, m_dpi);
    }
    drawFaceButton(item, wide(design->caption), look);
}

LRESULT CALLBACK Form1takt::filteredBoxProcedure(HWND box, UINT message, WPARAM wParam,
                                                 LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    // WM_CHAR carries every typed character, also those an input method commits; a
    // character outside the basic plane arrives as two surrogates, each above "9".
    if (message == WM_CHAR &&
        !sheet::ExerciseSheet::acceptsTypedCharacter(static_cast<char32_t>(wParam))) {
        return 0; // discarded before it is inserted
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(box, &Form1takt::filteredBoxProcedure, id);
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

void Form1takt::showText(sheet::BoxId id, const std::string& text) {
    const HWND shown = box(id);
    const std::wstring newText = wide(text);
    // Setting the text resets the caret and the undo, so only a change is shown.
    if (currentText(shown) != newText) {
        m_showingText = true;
        SetWindowTextW(shown, newText.c_str());
        m_showingText = false;
    }
}

void Form1takt::showStrRomanEnabled(bool enabled) {
    EnableWindow(box({0, sheet::Column::Ordinal}), enabled ? TRUE : FALSE);
}

// Each button the design gives a hovered look is painted with it from now on.
void Form1takt::showHovered() {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlDesign& design = kControls[i];
        if (design.hover) {
            SendMessageW(m_controls[i], WM_SETFONT,
                         reinterpret_cast<WPARAM>(
                             font(form::captionPointsOf(design, true), design.font.bold)),
                         FALSE);
            InvalidateRect(m_controls[i], nullptr, TRUE);
        }
    }
}

void Form1takt::showMessage(const sheet::Message& message) {
    const UINT icon = message.kind == sheet::Message::Kind::Warning ? MB_ICONWARNING : 0U;
    m_messageBox(m_window, wide(message.text), wide(kForm.caption), MB_OK | icon);
}

} // namespace win32_window
