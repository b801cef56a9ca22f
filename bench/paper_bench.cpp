// Laying the worksheet out on paper when one number box holds a long text, as the page does
// after every edit: the time should grow in proportion to the text, so that a box of 100,000
// characters still answers a keystroke at once.

#include "worksheet/paper.h"

#include <array>
#include <string>
#include <string_view>

#include <benchmark/benchmark.h>

namespace {

// Takes every line as the page's markup does, into one text.
class TextSurface final : public worksheet::PaperSurface {
public:
    std::string text;

    bool beginPage(const worksheet::LineFont&) override { return true; }
    void drawLine(std::string_view line, worksheet::PaperPoint) override {
        text.append(line).append(1, '\n');
    }
    bool endPage() override { return true; }
};

void layOutALongBox(benchmark::State& state) {
    const std::string digits(static_cast<std::size_t>(state.range(0)), '7');
    const std::array<worksheet::WorksheetRow, 7> rows{{{digits, "", ""},
                                                       {"156", "", ""},
                                                       {"67", "", ""},
                                                       {"466", "", ""},
                                                       {"78", "", ""},
                                                       {"23", "", ""},
                                                       {"765", "", ""}}};
    for (auto _ : state) {
        TextSurface surface;
        worksheet::drawOnPaper(worksheet::makeWorksheet(rows), worksheet::kEitherPaper, surface);
        benchmark::DoNotOptimize(surface.text);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(layOutALongBox)
    ->RangeMultiplier(10)
    ->Range(100, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
