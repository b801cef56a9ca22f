#pragma once

// A paper surface that writes down what it is asked to draw: each page's font, and each line's
// text and place; it takes as many pages as it is told. The toolkits' tests hold what they drew
// against it.

#include "worksheet/paper.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

class RecordingSurface final : public worksheet::PaperSurface {
public:
    struct Line {
        std::string text;
        worksheet::PaperPoint at;
    };
    struct Page {
        worksheet::LineFont font;
        std::vector<Line> lines;
    };
    std::vector<Page> pages;
    std::size_t takes = SIZE_MAX; // pages, before it refuses one

    bool beginPage(const worksheet::LineFont& font) override {
        pages.push_back({font, {}});
        return true;
    }
    void drawLine(std::string_view text, worksheet::PaperPoint at) override {
        pages.back().lines.push_back({std::string(text), at});
    }
    bool endPage() override { return pages.size() <= takes; }

    // A page's texts, one line after another.
    std::vector<std::string> texts(std::size_t page) const {
        std::vector<std::string> texts;
        for (const Line& line : pages.at(page).lines) {
            texts.push_back(line.text);
        }
        return texts;
    }
};

// The worksheet as drawn on that paper.
inline RecordingSurface drawn(const worksheet::Worksheet& worksheet,
                              const worksheet::Paper& paper) {
    RecordingSurface surface;
    worksheet::drawOnPaper(worksheet, paper, surface);
    return surface;
}

} // namespace testing_support
