#pragma once

// The worksheet on paper, laid out once for every front-end: the pupils' page, then the answer
// key on a page of its own, so that no answer shows on the sheet the pupils get. The lines are
// the worksheet's own, character for character, in one monospaced face and size, so that its
// print zones stay under each other.
//
// The size is the largest that fits the widest line other than an answer on the paper (the
// 93-character rule, for any numbers up to 29999), but never below 9 points. A line still wider
// than the paper (the answer of 29999 is about 140 characters; a number text can be of any
// length) continues on the next line, indented under its own start, broken after a space where
// there is one: nothing is cut. A part longer than a page goes on over the next ones; the
// answer key always starts a page.

#include "worksheet/worksheet_writer.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace worksheet {

// Lengths on paper are in points, 72 to the inch.
struct PaperSize {
    double width;
    double height;
};

// Portrait.
inline constexpr PaperSize kA4{595.28, 841.89};
inline constexpr PaperSize kLetter{612.0, 792.0};

// What a page of paper leaves for the worksheet, inside the margins.
struct PrintArea {
    double width;
    double height;
};

// The margin on every side where the page, not the printer, decides: half an inch.
inline constexpr double kPrintMargin = 36.0;

// Where the paper is not known beforehand (a browser's print, whose paper the teacher picks
// afterwards): the area that fits on both A4, the narrower, and Letter, the shorter.
inline constexpr PrintArea kEitherPaper{std::min(kA4.width, kLetter.width) - 2 * kPrintMargin,
                                        std::min(kA4.height, kLetter.height) - 2 * kPrintMargin};

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

struct PrintedWorksheet {
    double fontPoints;
    double linePoints;   // from one line to the next
    std::size_t columns; // the characters a line holds
    // Each page's lines as drawn, in UTF-8, without line ends: first the pupils' pages (one,
    // but for a very long number text), then the answer key's.
    std::vector<std::vector<std::string>> pages;
    std::size_t answerKeyPage; // the first page of the answer key
};

// The worksheet laid out on paper whose printable area is area.
PrintedWorksheet printedWorksheet(const Worksheet& worksheet, PrintArea area);

} // namespace worksheet
