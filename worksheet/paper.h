#pragma once

// The worksheet on paper, laid out once for every front-end: the pupils' page, then the answer
// key on a page of its own, so that no answer shows on the sheet the pupils get. The lines are
// the worksheet's own, character for character, in one monospaced face and size, so that its
// print zones stay under each other.
//
// The worksheet keeps half an inch from every edge of the paper, or keeps off the edge the
// printer cannot print on where that is wider. The size is the largest that fits the widest
// line other than an answer in that width (the 93-character rule, for any numbers up to 29999),
// but never below 9 points. A line still wider than the paper (the answer of 29999 is about 140
// characters; a number text can be of any length) continues on the next line, indented under
// its own start, broken after a space where there is one: nothing is cut. A part longer than a
// page goes on over the next ones; the answer key always starts a page.
//
// Each front-end draws the pages through a PaperSurface of its own: a printer's painter, GDI,
// the page's print markup. Where each line goes is decided here.

#include "worksheet/worksheet_writer.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace worksheet {

// Lengths on paper are in points, 72 to the inch, from the paper's top left corner.
struct PaperSize {
    double width;
    double height;
};

// Portrait.
inline constexpr PaperSize kA4{595.28, 841.89};
inline constexpr PaperSize kLetter{612.0, 792.0};

// How far in from each edge of the paper a printer cannot print.
struct Edges {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// A sheet of paper as a printer takes it.
struct Paper {
    PaperSize size;
    Edges unprintable{};
};

// Where the paper is not known beforehand (a browser's print, whose paper the teacher picks
// afterwards): a sheet that fits on both A4, the narrower, and Letter, the shorter.
inline constexpr Paper kEitherPaper{
    {std::min(kA4.width, kLetter.width), std::min(kA4.height, kLetter.height)}};

// The worksheet's distance from each edge where the paper, not the printer, decides.
inline constexpr double kPrintMargin = 36.0;

// Where on the paper the worksheet's lines go.
struct PrintArea {
    double left;
    double top;
    double width;
    double height;
};

// The one margin rule: on each side half an inch, or the printer's unprintable edge where that
// is wider.
constexpr PrintArea printArea(const Paper& paper) {
    const Edges& edge = paper.unprintable;
    const double left = std::max(kPrintMargin, edge.left);
    const double top = std::max(kPrintMargin, edge.top);
    return {left, top, paper.size.width - left - std::max(kPrintMargin, edge.right),
            paper.size.height - top - std::max(kPrintMargin, edge.bottom)};
}

// Monospaced faces that cover Greek, the first one a system has being used: Windows, macOS
// and iOS have Courier New; ChromeOS has Cousine; Linux has Liberation Mono or DejaVu Sans
// Mono; Android has Noto Sans Mono or Droid Sans Mono.
inline constexpr std::array<std::string_view, 6> kPrintFaces{"Courier New",     "Cousine",
                                                             "Liberation Mono", "DejaVu Sans Mono",
                                                             "Noto Sans Mono",  "Droid Sans Mono"};

struct PrintFont {
    double advance;     // each character's width over the size: the widest of the faces
                        // (DejaVu Sans Mono's 0.602; the others' 0.600), with room for rounding
    double lineSpacing; // the distance from one line to the next over the size
    double smallest;    // points
    double largest;     // points
};
inline constexpr PrintFont kPrintFont{0.61, 1.2, 9.0, 12.0};

// The print face as a page draws it: its size, and the distance from one line's top to the
// next one's.
struct LineFont {
    double points;
    double pitch;
};

// A line's top left corner on the paper.
struct PaperPoint {
    double left;
    double top;
};

// What a front-end draws the worksheet's pages on.
class PaperSurface {
public:
    // A new page, whose lines are in the print faces at font's size. False: the surface takes
    // no more pages.
    virtual bool beginPage(const LineFont& font) = 0;
    // One line, in UTF-8, its top left corner at `at`.
    virtual void drawLine(std::string_view text, PaperPoint at) = 0;
    // The page is done. False: the surface did not take it.
    virtual bool endPage() = 0;

protected:
    PaperSurface() = default;
    PaperSurface(const PaperSurface&) = default;
    PaperSurface& operator=(const PaperSurface&) = default;
    ~PaperSurface() = default;
};

// Draws the worksheet on paper through surface, page after page. False as soon as the surface
// takes no more: the pages after it are not drawn.
bool drawOnPaper(const Worksheet& worksheet, const Paper& paper, PaperSurface& surface);

} // namespace worksheet
