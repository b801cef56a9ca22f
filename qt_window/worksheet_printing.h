#pragma once

// The worksheet on a printer or in a PDF file: the pages the sheet lays out for the printable
// area of the printer's paper, drawn line by line in a monospaced face that covers Greek
// (Liberation Mono on Linux), so that the worksheet's print zones stay under each other.

#include "worksheet/printed_worksheet.h"

class QPrinter;

namespace qt_window {

// The printable area of the printer's page, inside its margins, in points.
worksheet::PrintArea printArea(const QPrinter& printer);

// Draws the pages on the printer; false when it did not take them.
bool paintWorksheet(const worksheet::PrintedWorksheet& printed, QPrinter& printer);

} // namespace qt_window
