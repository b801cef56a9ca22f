#pragma once

// The worksheet on a printer or in a PDF file: its pages as laid out for the printer's paper
// (see worksheet/paper.h), drawn with a QPainter in a monospaced face that covers Greek
// (Liberation Mono on Linux).

#include "sheet/worksheet_destination.h"
#include "worksheet/paper.h"

#include <string>
#include <string_view>

class QPrinter;
class QWidget;

namespace qt_window {

// A printer as CUPS names it: a queue, or one of its instances (a preset of options, such as
// two-sided printing), which Qt names «queue/instance». An instance refuses or holds a job
// when its queue does.
struct CupsDestination {
    std::string queue;
    std::string instance; // empty for the queue itself

    friend bool operator==(const CupsDestination&, const CupsDestination&) = default;
};
CupsDestination cupsDestination(std::string_view printerName);

// What became of a job in a CUPS queue, from the queue's printer-is-accepting-jobs and
// printer-state: a queue that rejects jobs refused it, a stopped (paused) one holds it.
sheet::PrintOutcome::Result queueOutcome(std::string_view acceptingJobs, std::string_view state);

// The printer's paper, in the orientation it prints, and the edges it cannot print on.
worksheet::Paper paperOf(const QPrinter& printer);

// Draws the worksheet's pages on the printer, as one job; false when it did not take them. The
// printer is set to paint on the whole paper, whose margins the layout keeps itself.
bool paintWorksheet(const worksheet::Worksheet& worksheet, QPrinter& printer);

// The worksheet in a print preview over the window, from which the teacher prints it on the
// printer she picks, or saves it as a PDF. The job is named as the worksheet's file. Says
// whether it reached the printer's queue.
class PreviewPaper final : public sheet::PaperDestination {
public:
    explicit PreviewPaper(QWidget& owner) : m_owner(owner) {}

private:
    sheet::PrintOutcome print(const worksheet::Worksheet& worksheet) override;

    QWidget& m_owner;
};

} // namespace qt_window
