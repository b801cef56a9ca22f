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

// The worksheet's pages on a printer, in its own pixels from the paper's top left corner.
class PainterSurface final : public worksheet::PaperSurface {
public:
    explicit PainterSurface(QPrinter& printer)
        : m_printer(printer),
          m_pixelsPerPoint(printer.resolution() / double{form::kPointsPerInch}) {}

    bool beginPage(const worksheet::LineFont& font) override {
        if (m_painter.isActive() ? !m_printer.newPage() : !m_painter.begin(&m_printer)) {
            return false;
        }
        const QFont face = printFont(font.points);
        m_painter.setFont(face);
        m_baseline = QFontMetricsF(face, &m_printer).ascent();
        return true;
    }
    void drawLine(std::string_view text, worksheet::PaperPoint at) override {
        m_painter.drawText(
            QPointF(at.left * m_pixelsPerPoint, at.top * m_pixelsPerPoint + m_baseline),
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    bool endPage() override { return true; } // the next page, or the job's end, sends it

    // Ends the job; false when the printer did not take it.
    bool end() {
        return (!m_painter.isActive() || m_painter.end()) &&
               m_printer.printerState() != QPrinter::Error;
    }

private:
    QPrinter& m_printer;
    QPainter m_painter;
    double m_pixelsPerPoint;
    double m_baseline = 0; // from a line's top, in the printer's pixels
};

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

worksheet::Paper paperOf(const QPrinter& printer) {
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QRectF paper = layout.fullRect();
    const QMarginsF edges = layout.minimumMargins();
    return {{paper.width(), paper.height()},
            {edges.left(), edges.top(), edges.right(), edges.bottom()}};
}

bool paintWorksheet(const worksheet::Worksheet& worksheet, QPrinter& printer) {
    printer.setFullPage(true);
    PainterSurface surface(printer);
    const bool drawn = worksheet::drawOnPaper(worksheet, paperOf(printer), surface);
    return surface.end() && drawn;
}

sheet::PrintOutcome PreviewPaper::print(const worksheet::Worksheet& worksheet) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true); // the preview shows the paper whole, as the layout sees it
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
                         failed = !paintWorksheet(worksheet, *target) || failed;
                     });
    const bool printed = preview.exec() == QDialog::Accepted;
    const std::string name = printer.printerName().toStdString();
    if (failed) {
        return {sheet::PrintOutcome::Result::Failed, name};
    }
    return {printed ? queued(printer) : sheet::PrintOutcome::Result::Cancelled, name};
}

} // namespace qt_window
