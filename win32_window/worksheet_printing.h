#pragma once

// The worksheet on a printer: the pages the sheet lays out for the printable part of the
// printer's paper, drawn with GDI line by line in "Courier New", a monospaced face that covers
// Greek, so that the worksheet's print zones stay under each other.

#include "worksheet/printed_worksheet.h"

#include <cstddef>

#include <windows.h>

namespace win32_window {

// Where the worksheet goes on a printer's page: its printable area in points, and the top left
// of that area in the printer's pixels. The worksheet keeps half an inch from each edge of the
// paper, or the printer's own unprintable edge where that is wider.
struct PrinterPage {
    worksheet::PrintArea area;
    POINT origin;
};
PrinterPage printerPage(HDC printer);

// Draws one printed page's lines with their top left at origin, at the layout's size for the
// device's density.
void drawWorksheetPage(HDC dc, const worksheet::PrintedWorksheet& printed, std::size_t page,
                       POINT origin);

// Prints every page as one job, each on a sheet; false when the printer did not take them (the
// job is then cancelled).
bool printWorksheetPages(HDC printer, const worksheet::PrintedWorksheet& printed, POINT origin);

} // namespace win32_window
