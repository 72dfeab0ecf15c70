// The XML reader against pugixml on the same configuration-like documents, and the file seal
// against OpenSSL's RC4, each pair in one run with the ratio of their throughputs.
#include "base/MemoryManager.h"
#include "base/XmlTree.h"
#include "document/Seal.h"

#include <benchmark/benchmark.h>
#include <openssl/evp.h>
#include <openssl/provider.h>
#include <pugixml.hpp>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kSmall = 1u << 20;
constexpr std::size_t kLarge = 50u << 20;

// Many Preference elements with short values, some of them Chinese, then a nested RibbonUI.
std::string MakeConfig(std::size_t size) {
  static const char* const kValues[] = {"0", "1", "Default", "\xE5\xB7\xB2\xE5\x90\xAF\xE7\x94\xA8",
                                        "http://intranet.example/start", "\xE7\xA6\x81\xE7\x94\xA8", "2"};
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Reader edition=\"Enterprise\" version=\"9.0\">\n"
                    "<Profstore>\n<Preferences>\n";
  const std::size_t preferencesEnd = size * 9 / 10;
  for (std::size_t i = 0; xml.size() < preferencesEnd; ++i) {
    xml += "  <Preference Text=\"Setting" + std::to_string(i % 500) + "\" Value=\"" + kValues[i % 7] +
           "\" Mode=\"" + std::to_string(i % 3) + (i % 50 == 0 ? "\" Rool=\"&quot;on&quot;\"/>\n" : "\"/>\n");
  }
  xml += "</Preferences>\n<RibbonUI>\n";
  for (std::size_t tab = 0; xml.size() < size; ++tab) {
    xml += "  <Tab Name=\"Tab" + std::to_string(tab) + "\" Hide=\"0\">\n";
    for (int group = 0; group < 8; ++group) {
      xml += "    <Group Name=\"Group" + std::to_string(group) + "\">\n";
      for (int button = 0; button < 8; ++button) {
        xml += "      <Button Name=\"Button" + std::to_string(button) + "\" Hide=\"1\">\xE6\x8C\x89\xE9\x92\xAE</Button>\n";
      }
      xml += "    </Group>\n";
    }
    xml += "  </Tab>\n";
  }
  xml += "</RibbonUI>\n<Plugins HidePlugins=\"a.fpi;b.fpi;\"/>\n</Profstore>\n</Reader>\n";
  return xml;
}

const std::string& Config(std::size_t size) {
  static std::map<std::size_t, std::string> documents;
  auto found = documents.find(size);
  if (found == documents.end()) {
    found = documents.emplace(size, MakeConfig(size)).first;
  }
  return found->second;
}

double g_treeBytesPerInputByte = 0;

void BM_ParseDocument(benchmark::State& state) {
  const std::string& xml = Config(static_cast<std::size_t>(state.range(0)));
  const auto* data = reinterpret_cast<const unsigned char*>(xml.data());
  for (auto _ : state) {
    CXML_TreeElement* root = ParseDocument(data, xml.size());
    benchmark::DoNotOptimize(root);
    DestroyTree(root);
  }
  const std::size_t before = CZD_MemoryManager::LiveBytes();
  CXML_TreeElement* root = ParseDocument(data, xml.size());
  const double perByte = static_cast<double>(CZD_MemoryManager::LiveBytes() - before) / static_cast<double>(xml.size());
  DestroyTree(root);
  state.counters["tree_bytes_per_input_byte"] = perByte;
  g_treeBytesPerInputByte = std::max(g_treeBytesPerInputByte, perByte);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * xml.size()));
}

void BM_PugixmlLoadBuffer(benchmark::State& state) {
  const std::string& xml = Config(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    pugi::xml_document document;
    const pugi::xml_parse_result result = document.load_buffer(xml.data(), xml.size());
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * xml.size()));
}

std::vector<unsigned char>& SealInput() {
  static std::vector<unsigned char> buffer = [] {
    std::vector<unsigned char> bytes(kLarge);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      bytes[i] = static_cast<unsigned char>(i * 131 + 7);
    }
    return bytes;
  }();
  return buffer;
}

void BM_SealBuffer(benchmark::State& state) {
  std::vector<unsigned char>& buffer = SealInput();
  for (auto _ : state) {
    cadmira::document::SealBuffer(buffer.data(), buffer.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * buffer.size()));
}

void BM_OpensslRc4(benchmark::State& state) {
  static const unsigned char kKey[] = "Qelvar Sealed Ledger Archive";
  OSSL_PROVIDER_load(nullptr, "legacy");
  OSSL_PROVIDER_load(nullptr, "default");
  EVP_CIPHER* cipher = EVP_CIPHER_fetch(nullptr, "RC4", nullptr);
  if (cipher == nullptr) {
    state.SkipWithError("OpenSSL has no RC4 (legacy provider missing)");
    return;
  }
  std::vector<unsigned char>& buffer = SealInput();
  for (auto _ : state) {
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    EVP_EncryptInit_ex(context, cipher, nullptr, nullptr, nullptr);
    EVP_CIPHER_CTX_set_key_length(context, 28);
    EVP_EncryptInit_ex(context, nullptr, nullptr, kKey, nullptr);
    int written = 0;
    EVP_EncryptUpdate(context, buffer.data(), &written, buffer.data(), static_cast<int>(buffer.size()));
    EVP_CIPHER_CTX_free(context);
    benchmark::ClobberMemory();
  }
  EVP_CIPHER_free(cipher);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * buffer.size()));
}

BENCHMARK(BM_ParseDocument)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PugixmlLoadBuffer)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SealBuffer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpensslRc4)->Unit(benchmark::kMillisecond);

// Keeps each run's throughput so that the pairs can be compared at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const auto bytes = run.counters.find("bytes_per_second");
      if (run.run_type == Run::RT_Iteration && !run.error_occurred && bytes != run.counters.end()) {
        m_megabytesPerSecond[run.benchmark_name()] = bytes->second.value / 1e6;
      }
    }
  }

  void PrintRatio(const std::string& mine, const std::string& reference, double target) const {
    const auto a = m_megabytesPerSecond.find(mine);
    const auto b = m_megabytesPerSecond.find(reference);
    if (a == m_megabytesPerSecond.end() || b == m_megabytesPerSecond.end() || b->second <= 0) {
      return;
    }
    std::printf("%-34s %9.1f MB/s   %-30s %9.1f MB/s   ratio %.2fx (target >= %.2fx)\n", mine.c_str(), a->second,
                reference.c_str(), b->second, a->second / b->second, target);
  }

 private:
  std::map<std::string, double> m_megabytesPerSecond;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  for (const std::size_t size : {kSmall, kLarge}) {
    const std::string arg = "/" + std::to_string(size);
    reporter.PrintRatio("BM_ParseDocument" + arg, "BM_PugixmlLoadBuffer" + arg, 0.33);
  }
  reporter.PrintRatio("BM_SealBuffer", "BM_OpensslRc4", 0.9);
  std::printf("tree memory: %.2f bytes per input byte (target <= 10)\n", g_treeBytesPerInputByte);
  benchmark::Shutdown();
  return 0;
}
