#include "form_fixture.h"
#include "qt_window/worksheet_printing.h"
#include "sheet/recording_view.h"
#include "support/recording_surface.h"
#include "support/temporary_folder.h"

#include <algorithm>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>

namespace qt_window {
namespace {

using Lines = std::vector<std::string>;

// What poppler reads from a PDF: its pages' text as laid out, or its words' boxes.
std::string pdftotext(const std::filesystem::path& pdf, const char* how) {
    QProcess reader;
    reader.start("pdftotext", {how, QString::fromStdString(pdf.string()), "-"});
    EXPECT_TRUE(reader.waitForFinished(10000)) << "pdftotext (poppler-utils) is needed";
    return reader.readAllStandardOutput().toStdString();
}

// The lines that show anything, their spaces as single spaces: poppler guesses how many.
Lines spaced(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string word;
        std::string joined;
        while (words >> word) {
            joined += (joined.empty() ? "" : " ") + word;
        }
        if (!joined.empty()) {
            lines.push_back(joined);
        }
    }
    return lines;
}

// Where each line of each page stands from the paper's top, as poppler reads its words' boxes:
// the top of the line's tallest word, in points.
std::vector<std::vector<double>> lineTops(const std::string& boxes) {
    std::vector<std::vector<double>> pages;
    const std::regex item("<page |<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\"");
    for (std::sregex_iterator at(boxes.begin(), boxes.end(), item), end; at != end; ++at) {
        if (!(*at)[1].matched) {
            pages.emplace_back();
            continue;
        }
        const double top = std::stod((*at)[1]);
        if (pages.back().empty() || top > pages.back().back() + 0.5) {
            pages.back().push_back(top);
        }
    }
    return pages;
}

// A page as drawn, one line after another.
std::string joined(const Lines& page) {
    std::string text;
    for (const std::string& line : page) {
        text += line + '\n';
    }
    return text;
}

// The worksheet of the sample numbers converted, printed into a PDF on A4, reads as the layout
// drew it on that paper: the pupils' page, then the answer key on its own, each line where the
// layout put it, in a monospaced face at the layout's size.
TEST(PaintWorksheetTest, APdfHoldsEachLineWhereTheLayoutPutIt) {
    sheet::RecordingView view;
    sheet::ExerciseSheet converted(view);
    converted.convertToOrdinals();
    converted.convertToCardinals();
    const testing_support::TemporaryFolder folder;
    const testing_support::RecordingSurface expected =
        testing_support::drawn(converted.worksheet(), {worksheet::kA4});
    ASSERT_EQ(expected.pages.size(), 2U);
    const std::filesystem::path pdf = folder.path() / "printed.pdf";
    // At a real printer's density: the layout's points must not depend on it.
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(600);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    printer.setPageSize(QPageSize(QPageSize::A4));
    ASSERT_TRUE(paintWorksheet(converted.worksheet(), printer));

    const std::string text = pdftotext(pdf, "-layout");
    const std::size_t pageEnd = text.find('\f');
    ASSERT_EQ(std::count(text.begin(), text.end(), '\f'), 2) << text;
    EXPECT_EQ(spaced(text.substr(0, pageEnd)), spaced(joined(expected.texts(0))));
    EXPECT_EQ(spaced(text.substr(pageEnd + 1)), spaced(joined(expected.texts(1))));

    // Columns 12, 43 and 57: the heading ΑΡΙΘΜΟΣ and the brand one advance of a monospaced
    // face (0.6 of its size) apart per column, the line's start 11 columns left of ΟΝΟΜΑ.
    const std::string boxes = pdftotext(pdf, "-bbox");
    const auto startOf = [&boxes](const std::string& word) {
        std::smatch found;
        const std::regex box("<word xMin=\"([0-9.]+)\"[^>]*>" + word + "<");
        EXPECT_TRUE(std::regex_search(boxes, found, box)) << word;
        return found.empty() ? 0.0 : std::stod(found[1]);
    };
    const double margin12 = startOf("ΟΝΟΜΑ:_+");
    const double advance = (startOf("TRELOVANDIKA®") - margin12) / 45;
    const worksheet::LineFont font = expected.pages[0].font;
    EXPECT_NEAR(startOf("ΑΡΙΘΜΟΣ") - margin12, 31 * advance, 0.5);
    EXPECT_NEAR(advance / 0.6, font.points, 0.1);
    EXPECT_NEAR(margin12 - 11 * advance, expected.pages[0].lines[0].at.left, 1.0);

    // Every line that shows anything at its top, as the top of its tallest letters.
    const std::vector<std::vector<double>> tops = lineTops(boxes);
    ASSERT_EQ(tops.size(), expected.pages.size());
    for (std::size_t page = 0; page < tops.size(); ++page) {
        SCOPED_TRACE("page " + std::to_string(page + 1));
        std::vector<double> expectedTops;
        for (const auto& line : expected.pages[page].lines) {
            if (line.text.find_first_not_of(' ') != std::string::npos) {
                expectedTops.push_back(line.at.top);
            }
        }
        ASSERT_EQ(tops[page].size(), expectedTops.size());
        for (std::size_t line = 0; line < tops[page].size(); ++line) {
            EXPECT_NEAR(tops[page][line], expectedTops[line], 1.5) << "line " << line;
        }
    }

    // A printer that cannot take the worksheet is said.
    QPrinter missing(QPrinter::HighResolution);
    missing.setOutputFormat(QPrinter::PdfFormat);
    missing.setOutputFileName(
        QString::fromStdString((folder.path() / "missing" / "p.pdf").string()));
    EXPECT_FALSE(paintWorksheet(converted.worksheet(), missing));
}

// The paper as the printer prints on it, in points: turned when the teacher turns it, with the
// edges it cannot print on.
TEST(PaintWorksheetTest, ThePaperIsThePrintersInPoints) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    ASSERT_TRUE(printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter),
                                                  QPageLayout::Landscape, {0.5, 0.5, 0.5, 0.5},
                                                  QPageLayout::Inch, {0.25, 0.5, 0.75, 1})));
    const worksheet::Paper paper = paperOf(printer);
    EXPECT_DOUBLE_EQ(paper.size.width, 792);
    EXPECT_DOUBLE_EQ(paper.size.height, 612);
    EXPECT_DOUBLE_EQ(paper.unprintable.left, 18);
    EXPECT_DOUBLE_EQ(paper.unprintable.top, 36);
    EXPECT_DOUBLE_EQ(paper.unprintable.right, 54);
    EXPECT_DOUBLE_EQ(paper.unprintable.bottom, 72);
}

class PrintingTest : public FormTest {};

// Ctrl+P's printer names the job as the worksheet, and a printer that does not take the
// worksheet is said in a warning.
TEST_F(PrintingTest, CtrlPNamesTheJobAndSaysWhenThePrinterFails) {
    QString jobName;
    closer.beforeClosing = [this, &jobName](QWidget& modal) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(&modal);
        ASSERT_NE(preview, nullptr);
        jobName = preview->printer()->docName();
        // The teacher prints, to a printer that refuses the job.
        QPrinter refusing(QPrinter::HighResolution);
        refusing.setOutputFormat(QPrinter::PdfFormat);
        refusing.setOutputFileName(
            QString::fromStdString((programFolder.path() / "missing" / "printed.pdf").string()));
        emit preview->paintRequested(&refusing);
    };
    QTest::keyClick(box("intnumber3"), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(closer.takeOthers(), std::vector<QString>{"QPrintPreviewDialog"});
    EXPECT_EQ(jobName, "numbers.txt") << "the job's name in the printer's queue";
    QTest::qWait(50); // for the message box to open and be closed
    const std::vector<SeenMessage> seen = closer.take();
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(seen[0].text.startsWith("Το φύλλο εργασίας δεν τυπώθηκε"))
        << seen[0].text.toStdString();
}

// What CUPS says of its queue once the job is sent decides what the teacher is told.
TEST(QueueOutcomeTest, ARejectingQueueRefusedTheJobAndAStoppedOneHoldsIt) {
    using enum sheet::PrintOutcome::Result;
    struct Case {
        std::string_view accepting;
        std::string_view state;
        sheet::PrintOutcome::Result result;
    };
    const std::vector<Case> cases{
        {"true", "3", Printed},  {"true", "4", Printed},  {"true", "5", Held},
        {"false", "3", Refused}, {"false", "5", Refused}, {"", "", Printed},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(queueOutcome(c.accepting, c.state), c.result) << c.accepting << " " << c.state;
    }
}

// Qt names an instance of a queue «queue/instance»; CUPS knows it only as the two apart.
TEST(CupsDestinationTest, AnInstanceIsAskedForWithinItsQueue) {
    const std::vector<std::pair<std::string_view, CupsDestination>> cases{
        {"Q", {"Q", ""}},
        {"Q/duplex", {"Q", "duplex"}},
        {"Laser_2/two sided", {"Laser_2", "two sided"}},
    };
    for (const auto& [name, destination] : cases) {
        EXPECT_EQ(cupsDestination(name), destination) << name;
    }
}

// Ctrl+P opens a print preview, from any control; closing it prints nothing, says nothing and
// leaves the form as it was.
TEST_F(PrintingTest, CtrlPOpensAPrintPreviewAndChangesNothing) {
    QTest::keyClick(box("intnumber3"), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(closer.takeOthers(), std::vector<QString>{"QPrintPreviewDialog"});
    EXPECT_TRUE(closer.take().empty());
    EXPECT_EQ(box("intnumber3")->text(), "466");
    EXPECT_TRUE(std::filesystem::is_empty(programFolder.path())) << "printing writes no file";
}

} // namespace
} // namespace qt_window
