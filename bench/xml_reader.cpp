// The XML reader against pugixml's default load_buffer on the same documents (a typical 40 KB
// configuration file, 1 MB and 50 MB), and against pugixml followed by the UTF-16 decoding our
// tree does; then the file seal against OpenSSL's RC4. Contenders run interleaved and report
// medians, peak heap during the parse and heap kept after it.
#include <benchmark/benchmark.h>
#include <openssl/evp.h>
#include <openssl/provider.h>
#include <pugixml.hpp>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/XmlTree.h"
#include "bench/support/AllocationCounter.h"
#include "bench/support/Inputs.h"
#include "bench/support/Interleave.h"
#include "bench/support/KeepFreedMemory.h"
#include "bench/support/Utf16Reference.h"
#include "document/Seal.h"

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

const std::string& Input(int which) {
  static const std::string typical = bench::TypicalConfig(40 << 10);
  static const std::string large = bench::LargeConfig(1 << 20);
  static const std::string huge = bench::LargeConfig(50 << 20);
  return which == 0 ? typical : which == 1 ? large : huge;
}

// Heap at its highest during `parse` and still held once it returned, above what was live before;
// `release` then frees what it kept.
struct Memory {
  double peak = 0;
  double kept = 0;
};
template <class Parse, class Release>
Memory MeasureMemory(Parse parse, Release release) {
  const std::size_t before = bench::LiveHeapBytes();
  bench::ResetPeakHeapBytes();
  auto kept = parse();
  Memory memory{static_cast<double>(bench::PeakHeapBytes() - before),
                static_cast<double>(bench::LiveHeapBytes() - before)};
  release(kept);
  return memory;
}

void ParseAgainstPugixml(benchmark::State& state) {
  const std::string& xml = Input(static_cast<int>(state.range(0)));
  const auto* bytes = reinterpret_cast<const unsigned char*>(xml.data());
  const auto ours = [&] { DestroyTree(ParseDocument(bytes, xml.size())); };
  const auto pugixml = [&] {
    pugi::xml_document document;
    benchmark::DoNotOptimize(document.load_buffer(xml.data(), xml.size()));
  };
  const auto pugixmlUtf16 = [&] {
    pugi::xml_document document;
    document.load_buffer(xml.data(), xml.size());
    bench::Utf16Values values;
    values.Collect(document);
    benchmark::DoNotOptimize(values.Count());
  };
  // One untimed round first: every side then reuses heap pages it has touched.
  ours();
  pugixml();
  pugixmlUtf16();
  const std::size_t repeats = xml.size() > (8 << 20) ? 5 : xml.size() > (256 << 10) ? 31 : 201;
  std::vector<double> medians;
  for (auto _ : state) {
    medians = bench::InterleavedMedians({ours, pugixml, pugixmlUtf16}, repeats);
    state.SetIterationTime(medians[0]);
  }
  const Memory ourMemory = MeasureMemory([&] { return ParseDocument(bytes, xml.size()); },
                                         [](CXML_TreeElement* root) { DestroyTree(root); });
  const Memory pugixmlMemory = MeasureMemory(
      [&] {
        auto document = std::make_unique<pugi::xml_document>();
        document->load_buffer(xml.data(), xml.size());
        return document;
      },
      [](std::unique_ptr<pugi::xml_document>&) {});
  state.counters["ours_ms"] = medians[0] * 1e3;
  state.counters["pugixml_ms"] = medians[1] * 1e3;
  state.counters["pugixml_utf16_ms"] = medians[2] * 1e3;
  state.counters["ratio"] = medians[0] / medians[1];
  state.counters["ratio_utf16"] = medians[0] / medians[2];
  state.counters["ours_peak_MiB"] = ourMemory.peak / kMiB;
  state.counters["ours_kept_MiB"] = ourMemory.kept / kMiB;
  state.counters["pugixml_peak_MiB"] = pugixmlMemory.peak / kMiB;
  state.counters["pugixml_kept_MiB"] = pugixmlMemory.kept / kMiB;
  state.SetLabel(std::to_string(xml.size()) + " bytes");
}
BENCHMARK(ParseAgainstPugixml)
    ->ArgName("input")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void SealAgainstOpenssl(benchmark::State& state) {
  static const unsigned char kKey[] = "Qelvar Sealed Ledger Archive";
  OSSL_PROVIDER_load(nullptr, "legacy");
  OSSL_PROVIDER_load(nullptr, "default");
  EVP_CIPHER* cipher = EVP_CIPHER_fetch(nullptr, "RC4", nullptr);
  if (cipher == nullptr) {
    state.SkipWithError("OpenSSL has no RC4 (legacy provider missing)");
    return;
  }
  std::vector<unsigned char> buffer(16 << 20);
  for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<unsigned char>(i * 131 + 7);
  const auto ours = [&] {
    cadmira::document::SealBuffer(buffer.data(), buffer.size());
    benchmark::ClobberMemory();
  };
  const auto openssl = [&] {
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    EVP_EncryptInit_ex(context, cipher, nullptr, nullptr, nullptr);
    EVP_CIPHER_CTX_set_key_length(context, 28);
    EVP_EncryptInit_ex(context, nullptr, nullptr, kKey, nullptr);
    int written = 0;
    EVP_EncryptUpdate(context, buffer.data(), &written, buffer.data(), static_cast<int>(buffer.size()));
    EVP_CIPHER_CTX_free(context);
    benchmark::ClobberMemory();
  };
  std::vector<double> medians;
  for (auto _ : state) {
    medians = bench::InterleavedMedians({ours, openssl}, 9);
    state.SetIterationTime(medians[0]);
  }
  EVP_CIPHER_free(cipher);
  state.counters["ours_ms"] = medians[0] * 1e3;
  state.counters["openssl_ms"] = medians[1] * 1e3;
  state.counters["ratio"] = medians[0] / medians[1];
}
BENCHMARK(SealAgainstOpenssl)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  bench::KeepFreedMemory();
  benchmark::Initialize(&argc, argv);
  std::printf("input 0: typical configuration file, 1: 1 MiB, 2: 50 MiB; ratio = ours / pugixml (target <= 1.0)\n");
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
