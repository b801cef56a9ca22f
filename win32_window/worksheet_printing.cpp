#include "win32_window/worksheet_printing.h"

#include "win32_window/gdi.h"
#include "win32_window/text.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace win32_window {

namespace {

constexpr double kPointsPerInch = 72.0;

// Points on the device as its pixels, across or down.
int pixels(HDC dc, double points, int axis) {
    return static_cast<int>(std::lround(points * GetDeviceCaps(dc, axis) / kPointsPerInch));
}

} // namespace

PrinterPage printerPage(HDC printer) {
    const auto points = [printer](int capability, int axis) {
        return GetDeviceCaps(printer, capability) * kPointsPerInch / GetDeviceCaps(printer, axis);
    };
    const double paperWidth = points(PHYSICALWIDTH, LOGPIXELSX);
    const double paperHeight = points(PHYSICALHEIGHT, LOGPIXELSY);
    // The device's pixel 0 is the printable area's corner, this far in from the paper's.
    const double unprintableLeft = points(PHYSICALOFFSETX, LOGPIXELSX);
    const double unprintableTop = points(PHYSICALOFFSETY, LOGPIXELSY);
    const double left = std::max(worksheet::kPrintMargin, unprintableLeft);
    const double top = std::max(worksheet::kPrintMargin, unprintableTop);
    return {{paperWidth - 2 * left, paperHeight - 2 * top},
            {pixels(printer, left - unprintableLeft, LOGPIXELSX),
             pixels(printer, top - unprintableTop, LOGPIXELSY)}};
}

void drawWorksheetPage(HDC dc, const worksheet::PrintedWorksheet& printed, std::size_t page,
                       POINT origin) {
    const Font face(CreateFontW(-pixels(dc, printed.fontPoints, LOGPIXELSY), 0, 0, 0, FW_NORMAL,
                                FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                                L"Courier New"));
    const HGDIOBJ before = SelectObject(dc, face.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    const std::vector<std::string>& lines = printed.pages.at(page);
    for (std::size_t line = 0; line < lines.size(); ++line) {
        const std::wstring text = wide(lines[line]);
        const int top = pixels(dc, static_cast<double>(line) * printed.linePoints, LOGPIXELSY);
        TextOutW(dc, origin.x, origin.y + top, text.c_str(), static_cast<int>(text.size()));
    }
    SelectObject(dc, before);
}

bool printWorksheetPages(HDC printer, const worksheet::PrintedWorksheet& printed, POINT origin) {
    DOCINFOW job{};
    job.cbSize = sizeof job;
    job.lpszDocName = L"numbers.txt";
    if (StartDocW(printer, &job) <= 0) {
        return false;
    }
    for (std::size_t page = 0; page < printed.pages.size(); ++page) {
        if (StartPage(printer) <= 0) {
            AbortDoc(printer);
            return false;
        }
        drawWorksheetPage(printer, printed, page, origin);
        if (EndPage(printer) <= 0) {
            AbortDoc(printer);
            return false;
        }
    }
    return EndDoc(printer) > 0;
}

} // namespace win32_window
