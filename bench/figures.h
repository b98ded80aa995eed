#pragma once

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

// Google Benchmark's table, then the figures that matter here: each benchmark's time per run in
// milliseconds, set side by side and against their targets by the benchmark program.
class Figures : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                m_milliseconds[run.benchmark_name()] =
                    run.real_accumulated_time * 1000 / double(run.iterations);
            }
        }
    }

    // Not a number when the benchmark did not run (a filter left it out).
    double milliseconds(const std::string& name) const {
        const auto found = m_milliseconds.find(name);
        return found == m_milliseconds.end() ? std::nan("") : found->second;
    }

    // One line of the summary: the figure, and whether it meets its target.
    static void verdict(const char* what, double value, const char* unit, double limit, bool atMost = true) {
        const bool met = atMost ? value <= limit : value >= limit;
        std::printf("%-60s %10.2f %-3s (target %s %.0f %s: %s)\n", what, value, unit,
                    atMost ? "at most" : "at least", limit, unit, met ? "met" : "MISSED");
    }

private:
    std::map<std::string, double> m_milliseconds;
};

inline int runBenchmarks(int argc, char** argv, const std::function<void(const Figures&)>& summary) {
    benchmark::Initialize(&argc, argv);
    Figures figures;
    benchmark::RunSpecifiedBenchmarks(&figures);
    std::printf("\n");
    summary(figures);
    benchmark::Shutdown();
    return 0;
}
