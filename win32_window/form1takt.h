#pragma once

// The program's one window on Windows, built from the form's design with the Win32 API and
// bound to the exercise sheet: it forwards the user's edits, clicks, typed characters and
// mouse moves to the sheet and shows what the sheet reports back. It keeps no state of its
// own beyond what drawing needs (fonts and brushes for the window's density).
//
// Places, sizes and fonts follow the density of the monitor the window is on, and are laid out
// again when it moves to a monitor of another density.

#include "sheet/exercise_sheet.h"
#include "sheet/sheet_view.h"
#include "sheet/worksheet_folders.h"
#include "win32_window/gdi.h"
#include "win32_window/worksheet_printing.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace win32_window {

class Form1takt final : private sheet::SheetView {
public:
    // How a message reaches the user: MessageBoxW by default; tests record it instead.
    using MessageBoxFunction = std::function<void(HWND owner, const std::wstring& text,
                                                  const std::wstring& title, UINT style)>;

    // Creates the window, hidden, centred on the work area of the monitor it opens on.
    // worksheetFolders: where the worksheet may be written, in order of preference; printing:
    // the system's print dialog and spooler, or a test's.
    Form1takt(HINSTANCE instance, std::vector<sheet::WorksheetFolder> worksheetFolders,
              MessageBoxFunction messageBox = showMessageBox, PrintingSystem printing = {});
    ~Form1takt();
    Form1takt(const Form1takt&) = delete;
    Form1takt& operator=(const Form1takt&) = delete;

    // The identifier of the control with this designer name, which another program can find
    // it by (GetDlgItem), or 0.
    static int controlId(std::string_view name);

    HWND handle() const { return m_window; }
    // The control with this designer name ("intnumber", "Command3"), or nullptr.
    HWND control(std::string_view name) const;
    int dpi() const { return m_dpi; }

    // Runs the window's messages until it is closed; Tab, Shift+Tab, Enter and Space work as
    // in a dialog, and Ctrl+P prints the worksheet. Returns the program's exit code.
    int run();
    // A message the window's shortcut takes (Ctrl+P, wherever the focus is in the window), done
    // instead of dispatched; false for every other message.
    bool takeShortcut(MSG& message);

    // Ctrl+P: the worksheet of the boxes as they stand, on the printer chosen in the print
    // dialog (see DialogPaper), then what the sheet says of it. Printing writes no file and
    // changes nothing in the form.
    void printWorksheet();

    // The standard message box, modal, with an OK button.
    static void showMessageBox(HWND owner, const std::wstring& text, const std::wstring& title,
                               UINT style);

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static LRESULT CALLBACK filteredBoxProcedure(HWND box, UINT message, WPARAM wParam,
                                                 LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls(HINSTANCE instance);
    void nameControlsForScreenReaders();
    void layOut(int dpi);
    void placeWindow();
    SIZE frameSize() const;
    void setFrame(POINT topLeft);
    HFONT font(double points, bool bold);
    LRESULT colours(HDC dc, HWND control, bool disabledBox);
    void onCommand(HWND control, int notification);
    void onDrawItem(const DRAWITEMSTRUCT& item);
    void pressFocusedButton();

    void showText(sheet::BoxId id, const std::string& text) override;
    void showStrRomanEnabled(bool enabled) override;
    void showHovered() override;
    void showMessage(const sheet::Message& message) override;

    HWND box(sheet::BoxId id) const;

    sheet::FolderDestination m_worksheetDestination;
    MessageBoxFunction m_messageBox;
    DialogPaper m_paper;
    sheet::ExerciseSheet m_sheet;

    HWND m_window = nullptr;
    HWND m_toolTip = nullptr;
    Shortcuts m_shortcuts;
    std::vector<HWND> m_controls; // one per row of the design, in its order
    int m_dpi = 96;
    bool m_showingText = false; // the sheet's own change, not the user's edit
    HWND m_focusBeforeDeactivation = nullptr;

    struct CachedFont {
        double points;
        bool bold;
        Font font;
    };
    std::vector<CachedFont> m_fonts; // for the current density
    Brush m_formBackground;
    std::vector<Brush> m_boxBackgrounds; // per control, where the design colours it
    Icon m_picture;                      // the erase button's magnet, at the current density
};

} // namespace win32_window
