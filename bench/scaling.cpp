// How the cost of the reader grows with hostile shapes of input: many attributes on one element,
// a deep RibbonUI hiding a control at every level, many distinct names, text made of references.
// For each shape and size: the median time and the peak heap, per input byte and as a multiple of
// a typical configuration file of the same size. A flat column is linear cost.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "base/XmlTree.h"
#include "bench/support/AllocationCounter.h"
#include "bench/support/Inputs.h"
#include "bench/support/Interleave.h"
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

struct Cost {
  double seconds;
  double peakBytes;
};

Cost Measure(const std::string& xml) {
  ReadAndVisit(xml);
  const std::size_t before = bench::LiveHeapBytes();
  bench::ResetPeakHeapBytes();
  ReadAndVisit(xml);
  const double peak = static_cast<double>(bench::PeakHeapBytes() - before);
  const double seconds =
      bench::InterleavedMedians({[&] { benchmark::DoNotOptimize(ReadAndVisit(xml)); }}, 5)[0];
  return {seconds, peak};
}

void Scaling(benchmark::State& state, const std::function<std::string(std::size_t)>& make) {
  const std::string xml = make(static_cast<std::size_t>(state.range(0)));
  const std::string typical = bench::TypicalConfig(xml.size());
  Cost cost{};
  Cost reference{};
  for (auto _ : state) {
    cost = Measure(xml);
    reference = Measure(typical);
    state.SetIterationTime(cost.seconds);
  }
  const double bytes = static_cast<double>(xml.size());
  state.counters["input_KiB"] = bytes / 1024;
  state.counters["ns_per_byte"] = cost.seconds * 1e9 / bytes;
  state.counters["peak_per_byte"] = cost.peakBytes / bytes;
  state.counters["time_x_typical"] = cost.seconds / reference.seconds;
  state.counters["peak_x_typical"] = cost.peakBytes / reference.peakBytes;
}

void ManyAttributes(benchmark::State& state) { Scaling(state, bench::ManyAttributes); }
void DeepRibbon(benchmark::State& state) { Scaling(state, bench::DeepRibbon); }
void ManyDistinctNames(benchmark::State& state) { Scaling(state, bench::ManyDistinctNames); }
void ReferenceText(benchmark::State& state) { Scaling(state, bench::ReferenceText); }

BENCHMARK(ManyAttributes)->ArgName("attributes")->Arg(10000)->Arg(20000)->Arg(40000)->Arg(80000)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(DeepRibbon)->ArgName("levels")->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Arg(16000)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ManyDistinctNames)->ArgName("names")->Arg(10000)->Arg(20000)->Arg(40000)->Arg(80000)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ReferenceText)->ArgName("repeats")->Arg(10000)->Arg(20000)->Arg(40000)->Arg(80000)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, -1);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
