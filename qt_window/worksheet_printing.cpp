#include "qt_window/worksheet_printing.h"

#include <string>
#include <vector>

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
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

} // namespace

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
    const double pixelsPerPoint = printer.resolution() / 72.0;
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

} // namespace qt_window
