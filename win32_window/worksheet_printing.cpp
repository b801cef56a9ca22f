#include "win32_window/worksheet_printing.h"

#include "form/scaling.h"
#include "win32_window/gdi.h"
#include "win32_window/text.h"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include <cderr.h>
#include <winspool.h>

namespace win32_window {

namespace {

using form::kPointsPerInch;

// Points as a device's pixels at this density.
int pixels(double points, int dotsPerInch) {
    return static_cast<int>(std::lround(points * dotsPerInch / kPointsPerInch));
}

// A device's pixels as points at this density.
double points(LONG pixels, LONG dotsPerInch) {
    return static_cast<double>(pixels) * kPointsPerInch / static_cast<double>(dotsPerInch);
}

} // namespace

PrinterMetrics printerMetrics(HDC printer) {
    return {{GetDeviceCaps(printer, LOGPIXELSX), GetDeviceCaps(printer, LOGPIXELSY)},
            {GetDeviceCaps(printer, PHYSICALWIDTH), GetDeviceCaps(printer, PHYSICALHEIGHT)},
            {GetDeviceCaps(printer, PHYSICALOFFSETX), GetDeviceCaps(printer, PHYSICALOFFSETY)},
            {GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES)}};
}

HRESULT PrintingSystem::showPrintDialog(PRINTDLGEXW& dialog, DWORD& whyFailed) {
    const HRESULT shown = PrintDlgExW(&dialog);
    whyFailed = FAILED(shown) ? CommDlgExtendedError() : 0;
    return shown;
}

bool PrintingSystem::printerPaused(const std::wstring& printer) {
    HANDLE opened = nullptr;
    if (!OpenPrinterW(const_cast<wchar_t*>(printer.c_str()), &opened, nullptr)) {
        return false;
    }
    DWORD needed = 0;
    GetPrinterW(opened, 2, nullptr, 0, &needed);
    std::vector<BYTE> info(needed);
    const bool paused =
        needed > 0 && GetPrinterW(opened, 2, info.data(), needed, &needed) &&
        (reinterpret_cast<const PRINTER_INFO_2W*>(info.data())->Status & PRINTER_STATUS_PAUSED);
    ClosePrinter(opened);
    return paused;
}

namespace {

// The printer's name the dialog chose, from its DEVNAMES.
std::wstring deviceName(HGLOBAL devNames) {
    std::wstring name;
    if (const auto* names = static_cast<const DEVNAMES*>(GlobalLock(devNames))) {
        name = reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset;
        GlobalUnlock(devNames);
    }
    return name;
}

} // namespace

ChosenPrinter choosePrinter(HWND owner, const PrintingSystem& system) {
    PRINTDLGEXW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_NOCURRENTPAGE |
                   PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nStartPage = START_PAGE_GENERAL;
    DWORD whyFailed = 0;
    const HRESULT shown = system.printDialog(dialog, whyFailed);
    const std::wstring name = dialog.hDevNames != nullptr ? deviceName(dialog.hDevNames) : L"";
    GlobalFree(dialog.hDevMode);
    GlobalFree(dialog.hDevNames);
    if (FAILED(shown)) {
        return {whyFailed == PDERR_NODEFAULTPRN ? ChosenPrinter::Outcome::NoPrinter
                                                : ChosenPrinter::Outcome::Failed};
    }
    if (dialog.dwResultAction != PD_RESULT_PRINT || dialog.hDC == nullptr) {
        if (dialog.hDC != nullptr) {
            system.release(dialog.hDC);
        }
        return {ChosenPrinter::Outcome::Cancelled};
    }
    return {ChosenPrinter::Outcome::Chosen, dialog.hDC, name};
}

worksheet::Paper paperOf(const PrinterMetrics& printer) {
    const LONG across = printer.dotsPerInch.cx;
    const LONG down = printer.dotsPerInch.cy;
    const SIZE& paper = printer.paper;
    const POINT& edge = printer.unprintable;
    return {{points(paper.cx, across), points(paper.cy, down)},
            {points(edge.x, across), points(edge.y, down),
             points(paper.cx - edge.x - printer.printable.cx, across),
             points(paper.cy - edge.y - printer.printable.cy, down)}};
}

namespace {

// The worksheet's pages on a printer's device context, whose pixel 0 is at the paper's
// unprintable edge.
class GdiSurface final : public worksheet::PaperSurface {
public:
    GdiSurface(HDC dc, const PrinterMetrics& metrics, const PrintingSystem& system)
        : m_dc(dc), m_metrics(metrics), m_system(system) {}

    bool beginPage(const worksheet::LineFont& font) override {
        if (m_system.startPage(m_dc) <= 0) {
            return false;
        }
        m_face = Font(CreateFontW(-pixels(font.points, m_metrics.dotsPerInch.cy), 0, 0, 0,
                                  FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                                  wide(worksheet::kPrintFaces.front()).c_str()));
        m_before = SelectObject(m_dc, m_face.get());
        SetBkMode(m_dc, TRANSPARENT);
        SetTextColor(m_dc, RGB(0, 0, 0));
        SetTextAlign(m_dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
        return true;
    }
    void drawLine(std::string_view text, worksheet::PaperPoint at) override {
        const std::wstring line = wide(text);
        TextOutW(m_dc, pixels(at.left, m_metrics.dotsPerInch.cx) - m_metrics.unprintable.x,
                 pixels(at.top, m_metrics.dotsPerInch.cy) - m_metrics.unprintable.y, line.c_str(),
                 static_cast<int>(line.size()));
    }
    bool endPage() override {
        SelectObject(m_dc, m_before);
        return m_system.endPage(m_dc) > 0;
    }

private:
    HDC m_dc;
    const PrinterMetrics& m_metrics;
    const PrintingSystem& m_system;
    Font m_face;
    HGDIOBJ m_before = nullptr;
};

} // namespace

bool printWorksheetPages(HDC printer, const worksheet::Worksheet& worksheet,
                         const PrinterMetrics& metrics, const PrintingSystem& system) {
    const std::wstring name = wide(worksheet::kWorksheetFileName);
    DOCINFOW job{};
    job.cbSize = sizeof job;
    job.lpszDocName = name.c_str();
    if (system.startDoc(printer, &job) <= 0) {
        return false;
    }
    GdiSurface surface(printer, metrics, system);
    if (!worksheet::drawOnPaper(worksheet, paperOf(metrics), surface)) {
        system.abortDoc(printer);
        return false;
    }
    return system.endDoc(printer) > 0;
}

sheet::PrintOutcome DialogPaper::print(const worksheet::Worksheet& worksheet) {
    using Result = sheet::PrintOutcome::Result;
    const ChosenPrinter chosen = choosePrinter(m_owner, m_system);
    const std::string name = narrow(chosen.name);
    switch (chosen.outcome) {
    case ChosenPrinter::Outcome::Cancelled:
        return {Result::Cancelled, name};
    case ChosenPrinter::Outcome::NoPrinter:
        return {Result::NoPrinter, name};
    case ChosenPrinter::Outcome::Failed:
        return {Result::Failed, name};
    case ChosenPrinter::Outcome::Chosen:
        break;
    }
    const bool printed =
        printWorksheetPages(chosen.dc, worksheet, m_system.metrics(chosen.dc), m_system);
    m_system.release(chosen.dc);
    if (!printed) {
        return {Result::Failed, name};
    }
    return {m_system.paused(chosen.name) ? Result::Held : Result::Printed, name};
}

} // namespace win32_window
