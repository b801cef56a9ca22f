// Start-up time to the first painted window, and peak memory, of the program's window against
// an empty Qt Widgets window, and against the same empty window showing one label, each
// started afresh as its own process in the same run, on Qt's offscreen platform (unless
// QT_QPA_PLATFORM says otherwise).

#include <chrono>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>

#include <spawn.h>

#include <benchmark/benchmark.h>

extern char** environ;

namespace {

void startWindow(benchmark::State& state, const char* program) {
    double peakKiB = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t child = 0;
        char* const arguments[] = {const_cast<char*>(program), nullptr};
        if (posix_spawn(&child, program, nullptr, nullptr, arguments, environ) != 0) {
            state.SkipWithError("cannot start the probe");
            return;
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        const auto end = std::chrono::steady_clock::now();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the probe failed");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        peakKiB += static_cast<double>(usage.ru_maxrss);
    }
    state.counters["peak_KiB"] = benchmark::Counter(peakKiB, benchmark::Counter::kAvgIterations);
}

BENCHMARK_CAPTURE(startWindow, empty_qt_window, ARITHMITIKA_EMPTY_WINDOW_PROBE)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);
BENCHMARK_CAPTURE(startWindow, empty_qt_window_with_one_label, ARITHMITIKA_LABEL_WINDOW_PROBE)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);
BENCHMARK_CAPTURE(startWindow, form1takt, ARITHMITIKA_FORM_WINDOW_PROBE)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);

} // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
