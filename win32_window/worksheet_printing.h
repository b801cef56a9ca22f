#pragma once

// The worksheet on a printer: the printer chosen in the standard print dialog, its pages as
// laid out for the printer's paper (see worksheet/paper.h), drawn with GDI in the first of the
// print faces, Courier New, and sent to the spooler as one job.

#include "sheet/worksheet_destination.h"
#include "worksheet/paper.h"

#include <functional>
#include <string>
#include <utility>

#include <windows.h>
// commdlg.h declares PrintDlgEx only after the COM declarations.
// clang-format off
#include <objbase.h>
#include <commdlg.h>
// clang-format on

namespace win32_window {

// A printer's paper as GDI tells it (GetDeviceCaps), in the printer's own pixels.
struct PrinterMetrics {
    SIZE dotsPerInch;
    SIZE paper;
    POINT unprintable; // where the device's pixel 0 is, from the paper's top left corner
    SIZE printable;    // from there, what the printer can print on
};
PrinterMetrics printerMetrics(HDC printer);

// What printing asks of the system: the print dialog, the printer's paper and the spooler. GDI's
// own by default; tests answer in their place as a printer would.
struct PrintingSystem {
    // PrintDlgExW, and CommDlgExtendedError's code for why it failed.
    std::function<HRESULT(PRINTDLGEXW& dialog, DWORD& whyFailed)> printDialog = showPrintDialog;
    std::function<PrinterMetrics(HDC printer)> metrics = printerMetrics;
    std::function<int(HDC printer, const DOCINFOW* job)> startDoc = StartDocW;
    std::function<int(HDC printer)> startPage = StartPage;
    std::function<int(HDC printer)> endPage = EndPage;
    std::function<int(HDC printer)> endDoc = EndDoc;
    std::function<int(HDC printer)> abortDoc = AbortDoc;
    std::function<BOOL(HDC printer)> release = DeleteDC; // the printer's context, once printed
    // Whether the printer of that name is paused, holding its jobs (GetPrinterW's status).
    std::function<bool(const std::wstring& printer)> paused = printerPaused;

    static HRESULT showPrintDialog(PRINTDLGEXW& dialog, DWORD& whyFailed);
    static bool printerPaused(const std::wstring& printer);
};

// The printer the teacher chose for the worksheet, or why there is none.
struct ChosenPrinter {
    enum class Outcome { Chosen, Cancelled, NoPrinter, Failed };
    Outcome outcome;
    HDC dc = nullptr;    // when chosen: the printer's device context, released once printed
    std::wstring name{}; // the printer's, as the dialog gives it
};

// Shows the print dialog, modal over owner: all pages, no page range.
ChosenPrinter choosePrinter(HWND owner, const PrintingSystem& system);

// The printer's paper in points, and the edges it cannot print on.
worksheet::Paper paperOf(const PrinterMetrics& printer);

// Prints the worksheet's pages as one job named after the worksheet, each on a sheet; false
// when the printer did not take them (the job is then cancelled).
bool printWorksheetPages(HDC printer, const worksheet::Worksheet& worksheet,
                         const PrinterMetrics& metrics, const PrintingSystem& system);

// The worksheet on the printer the teacher chooses in the print dialog, modal over the window
// owner names when it prints (the window's handle, set once it is made).
class DialogPaper final : public sheet::PaperDestination {
public:
    DialogPaper(const HWND& owner, PrintingSystem system)
        : m_owner(owner), m_system(std::move(system)) {}

private:
    sheet::PrintOutcome print(const worksheet::Worksheet& worksheet) override;

    const HWND& m_owner;
    PrintingSystem m_system;
};

} // namespace win32_window
