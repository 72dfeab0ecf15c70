// Writing many hidden ribbon controls and plug-ins, and reading a very large file, each timed
// against a reference doing the same work in the same run: a plain pugixml build of the same
// elements for writing, and a pugixml parse of the same bytes for reading.
#include <benchmark/benchmark.h>
#include <pugixml.hpp>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "document/DocumentWriter.h"
#include "document/HiddenRibbonPaths.h"
#include "document/MapPageControls.h"
#include "document/ReadConfigFile.h"
#include "document/Utf8Text.h"

namespace {

using namespace cadmira::document;
using Clock = std::chrono::steady_clock;

constexpr int kCount = 10000;

std::vector<RibbonPath> ManyRibbonPaths() {
  std::vector<RibbonPath> paths;
  for (int i = 0; i < kCount; ++i) {
    paths.push_back({u"Ribbon_Category_" + std::u16string(1, char16_t(u'A' + i / 1000)),
                     u"Panel_" + FromUtf8(std::to_string(i / 10)), u"Control_" + FromUtf8(std::to_string(i))});
  }
  return paths;
}

std::vector<std::u16string> ManyPlugins() {
  std::vector<std::u16string> names;
  for (int i = 0; i < kCount; ++i) names.push_back(u"Plugin" + FromUtf8(std::to_string(i)) + u".zpi");
  return names;
}

std::size_t OurWrite(const std::vector<std::u16string>& plugins, const std::vector<RibbonPath>& ribbon) {
  MapPageControls controls;
  controls.SetText(kPreferencesDialog, kVersionEdit, u"1.0");
  CWriteContext context;
  FillDocument(context, kReaderProduct, controls, plugins, ribbon);
  return context.m_spXmlDoc->Serialize().size();
}

class StringWriter : public pugi::xml_writer {
 public:
  void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
  std::string text;
};

// The same elements built straight with pugixml, knowing the containers in advance.
std::size_t ReferenceWrite(const std::vector<std::u16string>& plugins, const std::vector<RibbonPath>& ribbon) {
  pugi::xml_document document;
  pugi::xml_node root = document.append_child("ZandorReader");
  root.append_attribute("version") = "1.0";
  root.append_attribute("Edition") = "Enterprise";
  pugi::xml_node profstore = root.append_child("Profstore");
  pugi::xml_node preferences = profstore.append_child("Preferences");
  for (int i = 0; i < 27; ++i) preferences.append_child("Preference").append_attribute("Text") = "Key";
  std::string value;
  for (const std::u16string& name : plugins) value += ToUtf8(name) + ';';
  pugi::xml_node plugin = profstore.append_child("Plugins").append_child("Plugin");
  plugin.append_attribute("Text") = "Plugin";
  plugin.append_attribute("UnloadPluginArray") = value.c_str();
  pugi::xml_node ribbonUI = profstore.append_child("RibbonUI");
  pugi::xml_node category;
  pugi::xml_node panel;
  std::u16string lastCategory;
  std::u16string lastPanel;
  for (const RibbonPath& path : ribbon) {
    if (!category || path[0] != lastCategory) {
      category = ribbonUI.append_child("Category");
      category.append_attribute("Name") = ToUtf8(path[0]).c_str();
      lastCategory = path[0];
      lastPanel.clear();
      panel = {};
    }
    if (!panel || path[1] != lastPanel) {
      panel = category.append_child("Panel");
      panel.append_attribute("Name") = ToUtf8(path[1]).c_str();
      lastPanel = path[1];
    }
    pugi::xml_node control = panel.append_child("Control");
    control.append_attribute("Name") = ToUtf8(path[2]).c_str();
    control.append_attribute("Visible") = "0";
  }
  StringWriter writer;
  document.save(writer, "", pugi::format_raw | pugi::format_no_declaration);
  return writer.text.size();
}

template <class Ours, class Reference>
void TimeAgainstReference(benchmark::State& state, Ours ours, Reference reference) {
  double oursSeconds = 0;
  double referenceSeconds = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    benchmark::DoNotOptimize(ours());
    const auto middle = Clock::now();
    benchmark::DoNotOptimize(reference());
    const auto end = Clock::now();
    const double seconds = std::chrono::duration<double>(middle - start).count();
    oursSeconds += seconds;
    referenceSeconds += std::chrono::duration<double>(end - middle).count();
    state.SetIterationTime(seconds);
  }
  state.counters["reference_ms"] = 1000 * referenceSeconds / static_cast<double>(state.iterations());
  state.counters["ratio"] = oursSeconds / referenceSeconds;
}

void WriteHiddenRibbonControls(benchmark::State& state) {
  const std::vector<RibbonPath> ribbon = ManyRibbonPaths();
  TimeAgainstReference(state, [&] { return OurWrite({}, ribbon); }, [&] { return ReferenceWrite({}, ribbon); });
}
BENCHMARK(WriteHiddenRibbonControls)->UseManualTime()->Unit(benchmark::kMillisecond);

void WriteHiddenPlugins(benchmark::State& state) {
  const std::vector<std::u16string> plugins = ManyPlugins();
  TimeAgainstReference(state, [&] { return OurWrite(plugins, {}); }, [&] { return ReferenceWrite(plugins, {}); });
}
BENCHMARK(WriteHiddenPlugins)->UseManualTime()->Unit(benchmark::kMillisecond);

// A file of some hundreds of megabytes: a real skeleton whose RibbonUI holds millions of
// hidden controls. It must load without crashing; its time is compared with pugixml's parse.
void ReadHugeFile(benchmark::State& state) {
  const std::string path = "/tmp/cadmira-bench-huge-" + std::to_string(getpid()) + ".xml";
  {
    std::ofstream out(path, std::ios::binary);
    out << "<ZandorReader version=\"1\"><Profstore><Preferences/><Plugins><Plugin UnloadPluginArray=\"a;\"/></Plugins>"
           "<RibbonUI><Category Name=\"C\"><Panel Name=\"P\">";
    const std::string control = "<Control Name=\"Control_with_a_long_name_0123456789\" Visible=\"0\"/>";
    const std::size_t target = static_cast<std::size_t>(state.range(0)) << 20;
    for (std::size_t written = 0; written < target; written += control.size()) out << control;
    out << "</Panel></Category></RibbonUI></Profstore></ZandorReader>";
  }
  std::size_t hidden = 0;
  TimeAgainstReference(
      state,
      [&] {
        const cadmira::Result<ConfigFile> file = ReadConfigFile(path, ReadForms::PlainThenSealed);
        hidden = 0;
        VisitHiddenRibbonPaths(file.value().Root(), [&](std::span<const std::u16string>) { ++hidden; });
        return hidden;
      },
      [&] {
        pugi::xml_document document;
        return static_cast<bool>(document.load_file(path.c_str()));
      });
  state.counters["hidden"] = static_cast<double>(hidden);
  std::remove(path.c_str());
}
BENCHMARK(ReadHugeFile)->Arg(300)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
