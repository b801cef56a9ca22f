// Composing every number of the 16-bit range from 0 up, with each composer; when ICU is
// available, the same numbers spelled out by ICU's rule-based formatter for Greek, the
// strongest general library for it, timed side by side in the same run.

#include "numerals/cardinal_composer.h"
#include "numerals/ordinal_composer.h"

#include <cstdint>
#include <limits>
#include <string>

#include <benchmark/benchmark.h>

#ifdef ARITHMITIKA_BENCH_ICU
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>
#endif

namespace {

constexpr int kNumbers = std::numeric_limits<std::int16_t>::max() + 1;

template <typename Composer> void composeWholeRange(benchmark::State& state) {
    for (auto _ : state) {
        for (int n = 0; n < kNumbers; ++n) {
            std::string words = Composer::compose(static_cast<std::int16_t>(n));
            benchmark::DoNotOptimize(words);
        }
    }
    state.SetItemsProcessed(state.iterations() * kNumbers);
}
BENCHMARK_TEMPLATE(composeWholeRange, numerals::OrdinalComposer)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(composeWholeRange, numerals::CardinalComposer)->Unit(benchmark::kMillisecond);

// A baseline that only allocates a result string of a typical length, the least any composer
// returning a std::string must do.
void allocateResultOnly(benchmark::State& state) {
    for (auto _ : state) {
        for (int n = 0; n < kNumbers; ++n) {
            std::string words(40 + (n & 7), ' ');
            benchmark::DoNotOptimize(words);
        }
    }
    state.SetItemsProcessed(state.iterations() * kNumbers);
}
BENCHMARK(allocateResultOnly)->Unit(benchmark::kMillisecond);

#ifdef ARITHMITIKA_BENCH_ICU
void icuSpellOut(benchmark::State& state, const char* ruleSet) {
    UErrorCode status = U_ZERO_ERROR;
    icu::RuleBasedNumberFormat format(icu::URBNF_SPELLOUT, icu::Locale("el"), status);
    format.setDefaultRuleSet(icu::UnicodeString(ruleSet), status);
    if (U_FAILURE(status)) {
        state.SkipWithError(u_errorName(status));
        return;
    }
    for (auto _ : state) {
        for (int n = 0; n < kNumbers; ++n) {
            icu::UnicodeString spelled;
            format.format(static_cast<std::int32_t>(n), spelled);
            std::string words;
            spelled.toUTF8String(words); // the composers return UTF-8 too
            benchmark::DoNotOptimize(words);
        }
    }
    state.SetItemsProcessed(state.iterations() * kNumbers);
}
BENCHMARK_CAPTURE(icuSpellOut, ordinal, "%spellout-ordinal-masculine")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(icuSpellOut, cardinal, "%spellout-cardinal-neuter")
    ->Unit(benchmark::kMillisecond);
#endif

} // namespace

BENCHMARK_MAIN();
