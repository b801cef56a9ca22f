#pragma once

// The worksheet as the page prints it. A browser prints on the paper the teacher picks after the
// page has been laid out, so the page lays the worksheet out for a sheet that fits both A4 and
// Letter, and holds each page's text in a preformatted block of its own, with the printable
// area's edges as its padding and the pitch as its line height: each line then stands where
// the layout put it.

#include "worksheet/paper.h"

#include <string>
#include <string_view>
#include <vector>

namespace web_page {

// The paper the page's print is laid out for.
inline constexpr worksheet::Paper kPagePaper = worksheet::kEitherPaper;

// Each page's lines, each followed by a line feed, as a preformatted block shows them.
class PrintPages final : public worksheet::PaperSurface {
public:
    std::vector<std::string> pages;
    worksheet::LineFont font{}; // every page's

    bool beginPage(const worksheet::LineFont& pageFont) override {
        font = pageFont;
        pages.emplace_back();
        return true;
    }
    void drawLine(std::string_view text, worksheet::PaperPoint /*at*/) override {
        pages.back().append(text).append(1, '\n');
    }
    bool endPage() override { return true; }
};

inline PrintPages printPages(const worksheet::Worksheet& worksheet) {
    PrintPages printed;
    worksheet::drawOnPaper(worksheet, kPagePaper, printed);
    return printed;
}

} // namespace web_page
