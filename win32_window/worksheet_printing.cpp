#include "win32_window/worksheet_printing.h"

#include "form/scaling.h"
#include "win32_window/gdi.h"
#include "win32_window/text.h"

#include <algorithm>
#include <cmath>
#include <string>
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
            {GetDeviceCaps(printer, PHYSICALOFFSETX), GetDeviceCaps(printer, PHYSICALOFFSETY)}};
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

PrinterPage printerPage(const PrinterMetrics& printer) {
    const LONG across = printer.dotsPerInch.cx;
    const LONG down = printer.dotsPerInch.cy;
    const double unprintableLeft = points(printer.unprintable.x, across);
    const double unprintableTop = points(printer.unprintable.y, down);
    const double left = std::max(worksheet::kPrintMargin, unprintableLeft);
    const double top = std::max(worksheet::kPrintMargin, unprintableTop);
    return {{points(printer.paper.cx, across) - 2 * left, points(printer.paper.cy, down) - 2 * top},
            {pixels(left - unprintableLeft, across), pixels(top - unprintableTop, down)},
            down};
}

void drawWorksheetPage(HDC dc, const worksheet::PrintedWorksheet& printed, std::size_t page,
                       const PrinterPage& where) {
    const Font face(CreateFontW(-pixels(printed.fontPoints, where.dotsPerInch), 0, 0, 0, FW_NORMAL,
                                FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                                wide(worksheet::kPrintFaces.front()).c_str()));
    const HGDIOBJ before = SelectObject(dc, face.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    const std::vector<std::string>& lines = printed.pages.at(page);
    for (std::size_t line = 0; line < lines.size(); ++line) {
        const std::wstring text = wide(lines[line]);
        const int top = pixels(static_cast<double>(line) * printed.linePoints, where.dotsPerInch);
        TextOutW(dc, where.origin.x, where.origin.y + top, text.c_str(),
                 static_cast<int>(text.size()));
    }
    SelectObject(dc, before);
}

bool printWorksheetPages(HDC printer, const worksheet::PrintedWorksheet& printed,
                         const PrinterPage& where, const PrintingSystem& system) {
    const std::wstring name = wide(worksheet::kWorksheetFileName);
    DOCINFOW job{};
    job.cbSize = sizeof job;
    job.lpszDocName = name.c_str();
    if (system.startDoc(printer, &job) <= 0) {
        return false;
    }
    for (std::size_t page = 0; page < printed.pages.size(); ++page) {
        if (system.startPage(printer) <= 0) {
            system.abortDoc(printer);
            return false;
        }
        drawWorksheetPage(printer, printed, page, where);
        if (system.endPage(printer) <= 0) {
            system.abortDoc(printer);
            return false;
        }
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
    const PrinterPage page = printerPage(m_system.metrics(chosen.dc));
    const bool printed = printWorksheetPages(
        chosen.dc, worksheet::printedWorksheet(worksheet, page.area), page, m_system);
    m_system.release(chosen.dc);
    if (!printed) {
        return {Result::Failed, name};
    }
    return {m_system.paused(chosen.name) ? Result::Held : Result::Printed, name};
}

} // namespace win32_window
