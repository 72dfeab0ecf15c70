// How the cost of the reader grows with hostile shapes of input: many attributes on one element,
// a deep RibbonUI hiding a control at every level, many distinct names, text made of references.
// For each shape and size: the median time and the peak heap, per input byte and as a multiple of
// a typical configuration file of the same size. A flat column is linear cost.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "base/XmlTree.h"
#include "bench/support/AllocationCounter.h"
#include "bench/support/Inputs.h"
#include "bench/support/Interleave.h"
#include "bench/support/KeepFreedMemory.h"
#include "document/HiddenRibbonPaths.h"

namespace {

// Parses `xml`, visits its hidden ribbon paths as show does, and frees the tree.
std::size_t ReadAndVisit(const std::string& xml) {
  XmlTreePtr tree(ParseDocument(reinterpret_cast<const unsigned char*>(xml.data()), xml.size()));
  std::size_t names = 0;
  cadmira::document::VisitHiddenRibbonPaths(tree.get(),
                                            [&](std::span<const std::u16string> path) { names += path.size(); });
  return names + (tree ? 1 : 0);
}

// Heap at its highest while `xml` is read, above what was live before.
double PeakBytes(const std::string& xml) {
  const std::size_t before = bench::LiveHeapBytes();
  bench::ResetPeakHeapBytes();
  ReadAndVisit(xml);
  return static_cast<double>(bench::PeakHeapBytes() - before);
}

void Scaling(benchmark::State& state, const std::function<std::string(std::size_t)>& make) {
  const std::string xml = make(static_cast<std::size_t>(state.range(0)));
  const std::string typical = bench::TypicalConfig(xml.size());
  ReadAndVisit(xml);
  ReadAndVisit(typical);
  std::vector<double> medians;
  for (auto _ : state) {
    medians = bench::InterleavedMedians({[&] { benchmark::DoNotOptimize(ReadAndVisit(xml)); },
                                         [&] { benchmark::DoNotOptimize(ReadAndVisit(typical)); }},
                                        9);
    state.SetIterationTime(medians[0]);
  }
  const double bytes = static_cast<double>(xml.size());
  const double peak = PeakBytes(xml);
  state.counters["input_KiB"] = bytes / 1024;
  state.counters["ns_per_byte"] = medians[0] * 1e9 / bytes;
  state.counters["peak_per_byte"] = peak / bytes;
  state.counters["time_x_typical"] = medians[0] / medians[1];
  state.counters["peak_x_typical"] = peak / PeakBytes(typical);
}

void ManyAttributes(benchmark::State& state) { Scaling(state, bench::ManyAttributes); }
void DeepRibbon(benchmark::State& state) { Scaling(state, bench::DeepRibbon); }
void ManyDistinctNames(benchmark::State& state) { Scaling(state, bench::ManyDistinctNames); }
void ReferenceText(benchmark::State& state) { Scaling(state, bench::ReferenceText); }

BENCHMARK(ManyAttributes)
    ->ArgName("attributes")
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(40000)
    ->Arg(80000)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(DeepRibbon)
    ->ArgName("levels")
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Arg(8000)
    ->Arg(16000)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ManyDistinctNames)
    ->ArgName("names")
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(40000)
    ->Arg(80000)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ReferenceText)
    ->ArgName("repeats")
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(40000)
    ->Arg(80000)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  bench::KeepFreedMemory();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
