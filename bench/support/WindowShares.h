#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/CadmiraDlg.h"

namespace bench {

// The reference of the window benchmarks: the main window created and shown once. Register it
// as "MainWindow".
inline void MainWindow(benchmark::State& state) {
  for (auto _ : state) {
    cadmira::app::CCadmiraDlg window;
    window.Create();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window.isVisible());
  }
}

// Prints each run as usual, then each benchmark as a share of the main window's start-up, in CPU
// time, which other work on a busy machine disturbs less.
class ShareReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) m_milliseconds[run.benchmark_name()] = run.GetAdjustedCPUTime() * Scale(run);
    ConsoleReporter::ReportRuns(runs);
  }

  // Empty when the benchmark did not run.
  std::optional<double> Milliseconds(const std::string& name) const {
    const auto found = m_milliseconds.find(name);
    if (found == m_milliseconds.end()) return std::nullopt;
    return found->second;
  }

  void PrintShare(const std::string& what, double milliseconds) const {
    const std::optional<double> window = Milliseconds("MainWindow");
    if (!window || *window <= 0) return;
    std::printf("%s: %.3f ms CPU, %.2f%% of the main window's start-up\n", what.c_str(), milliseconds,
                100.0 * milliseconds / *window);
  }

  void PrintShares() const {
    for (const auto& [name, milliseconds] : m_milliseconds) {
      if (name != "MainWindow") PrintShare(name, milliseconds);
    }
  }

 private:
  static double Scale(const Run& run) {
    switch (run.time_unit) {
      case benchmark::kNanosecond:
        return 1e-6;
      case benchmark::kMicrosecond:
        return 1e-3;
      case benchmark::kSecond:
        return 1e3;
      default:
        return 1.0;
    }
  }

  std::map<std::string, double> m_milliseconds;
};

}  // namespace bench
