#include "qt_window/worksheet_printing.h"

#include "form/scaling.h"

#include <cups/cups.h>
#include <string>
#include <string_view>
#include <vector>

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStringList>

namespace qt_window {

namespace {

// The worksheet's faces in order, each system using the first it has.
QFont printFont(double points) {
    QStringList families;
    for (const std::string_view face : worksheet::kPrintFaces) {
        families << QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
    }
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(points);
    return font;
}

// What became of a job sent to the printer's queue, asked of CUPS once it was sent: Qt spools
// it there without a word of what the queue said. A PDF is written at once.
sheet::PrintOutcome::Result queued(const QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::NativeFormat) {
        return sheet::PrintOutcome::Result::Printed;
    }
    const CupsDestination destination = cupsDestination(printer.printerName().toStdString());
    cups_dest_t* queue =
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, destination.queue.c_str(),
                         destination.instance.empty() ? nullptr : destination.instance.c_str());
    if (queue == nullptr) {
        return sheet::PrintOutcome::Result::Printed; // nothing known to the contrary
    }
    const auto option = [queue](const char* key) {
        const char* value = cupsGetOption(key, queue->num_options, queue->options);
        return std::string(value != nullptr ? value : "");
    };
    const sheet::PrintOutcome::Result result =
        queueOutcome(option("printer-is-accepting-jobs"), option("printer-state"));
    cupsFreeDests(1, queue);
    return result;
}

} // namespace

CupsDestination cupsDestination(std::string_view printerName) {
    const std::size_t slash = printerName.find('/');
    if (slash == std::string_view::npos) {
        return {std::string(printerName), {}};
    }
    return {std::string(printerName.substr(0, slash)), std::string(printerName.substr(slash + 1))};
}

sheet::PrintOutcome::Result queueOutcome(std::string_view acceptingJobs, std::string_view state) {
    if (acceptingJobs == "false") {
        return sheet::PrintOutcome::Result::Refused;
    }
    // IPP's printer states: 3 idle, 4 processing, 5 stopped.
    return state == "5" ? sheet::PrintOutcome::Result::Held : sheet::PrintOutcome::Result::Printed;
}

worksheet::PrintArea printArea(const QPrinter& printer) {
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    return {area.width(), area.height()};
}

bool paintWorksheet(const worksheet::PrintedWorksheet& printed, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QFont font = printFont(printed.fontPoints);
    painter.setFont(font);
    // The painter draws in the printer's pixels from the top left of the printable area.
    const double pixelsPerPoint = printer.resolution() / double{form::kPointsPerInch};
    const double baseline = QFontMetricsF(font, &printer).ascent();
    for (std::size_t page = 0; page < printed.pages.size(); ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        const std::vector<std::string>& lines = printed.pages[page];
        for (std::size_t line = 0; line < lines.size(); ++line) {
            const double top = static_cast<double>(line) * printed.linePoints * pixelsPerPoint;
            painter.drawText(QPointF(0, top + baseline), QString::fromStdString(lines[line]));
        }
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

sheet::PrintOutcome PreviewPaper::print(const worksheet::Worksheet& worksheet) {
    QPrinter printer(QPrinter::HighResolution);
    constexpr double kMargin = worksheet::kPrintMargin;
    printer.setPageMargins({kMargin, kMargin, kMargin, kMargin}, QPageLayout::Point);
    // The job is named in the printer's queue as the worksheet is, as on Windows.
    printer.setDocName(
        QString::fromUtf8(worksheet::kWorksheetFileName.data(),
                          static_cast<qsizetype>(worksheet::kWorksheetFileName.size())));
    QPrintPreviewDialog preview(&printer, &m_owner);
    preview.setWindowTitle(QStringLiteral("Εκτύπωση του φύλλου εργασίας"));
    bool failed = false;
    // Asked for the preview's pages, and again for the printer's when the teacher prints.
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&worksheet, &failed](QPrinter* target) {
                         const bool painted = paintWorksheet(
                             worksheet::printedWorksheet(worksheet, printArea(*target)), *target);
                         failed = !painted || failed;
                     });
    const bool printed = preview.exec() == QDialog::Accepted;
    const std::string name = printer.printerName().toStdString();
    if (failed) {
        return {sheet::PrintOutcome::Result::Failed, name};
    }
    return {printed ? queued(printer) : sheet::PrintOutcome::Result::Cancelled, name};
}

} // namespace qt_window
