// Writing many hidden ribbon controls and plug-ins, and reading a very large file, each timed
// against a reference in the same run, interleaved, as medians: pugixml building the very same
// document from the same lists for writing, and a pugixml parse of the same bytes for reading.
#include <benchmark/benchmark.h>
#include <pugixml.hpp>
#include <unistd.h>

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
#include "bench/support/Interleave.h"
#include "bench/support/KeepFreedMemory.h"

namespace {

using namespace cadmira::document;

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

std::string OurWrite(const std::vector<std::u16string>& plugins, const std::vector<RibbonPath>& ribbon) {
  MapPageControls controls;
  controls.SetText(kPreferencesDialog, kVersionEdit, u"1.0");
  CWriteContext context;
  FillDocument(context, cadmira::resources::Product::Reader, controls, plugins, ribbon);
  const std::vector<unsigned char> bytes = context.m_spXmlDoc->Serialize();
  return std::string(bytes.begin(), bytes.end());
}

class StringWriter : public pugi::xml_writer {
 public:
  void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
  std::string text;
};

// What we write for empty lists, kept as a pugixml document: the reference starts from a copy.
const pugi::xml_document& Skeleton() {
  static pugi::xml_document skeleton;
  if (!skeleton.first_child()) {
    const std::string bytes = OurWrite({}, {});
    skeleton.load_buffer(bytes.data(), bytes.size());
  }
  return skeleton;
}

pugi::xml_node ChildOrNew(pugi::xml_node parent, const char* name) {
  pugi::xml_node child = parent.child(name);
  return child ? child : parent.append_child(name);
}

// The same document built straight with pugixml from the same lists, knowing the containers in
// advance: the same bytes as ours (checked), with no lookups of containers by name.
std::string ReferenceWrite(const std::vector<std::u16string>& plugins, const std::vector<RibbonPath>& ribbon) {
  pugi::xml_document document;
  document.reset(Skeleton());
  pugi::xml_node profstore = document.first_child().child("Profstore");
  if (!plugins.empty()) {
    std::string value;
    for (const std::u16string& name : plugins) value += ToUtf8(name) + ';';
    pugi::xml_node plugin = ChildOrNew(ChildOrNew(profstore, "Plugins"), "Plugin");
    pugi::xml_attribute array = plugin.attribute("UnloadPluginArray");
    (array ? array : plugin.append_attribute("UnloadPluginArray")) = value.c_str();
  }
  pugi::xml_node ribbonUI = ribbon.empty() ? pugi::xml_node() : ChildOrNew(profstore, "RibbonUI");
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
  return writer.text;
}

template <class Ours, class Reference>
void TimeAgainstReference(benchmark::State& state, Ours ours, Reference reference, std::size_t repeats = 9) {
  std::vector<double> medians;
  for (auto _ : state) {
    medians = bench::InterleavedMedians(
        {[&] { benchmark::DoNotOptimize(ours()); }, [&] { benchmark::DoNotOptimize(reference()); }}, repeats);
    state.SetIterationTime(medians[0]);
  }
  state.counters["ours_ms"] = 1000 * medians[0];
  state.counters["reference_ms"] = 1000 * medians[1];
  state.counters["ratio"] = medians[0] / medians[1];
}

template <class Ours, class Reference>
void WriteAgainstReference(benchmark::State& state, Ours ours, Reference reference) {
  // Both sides must produce the very same file, or the comparison says nothing.
  state.counters["same_bytes"] = ours() == reference() ? 1 : 0;
  TimeAgainstReference(state, ours, reference);
}

void WriteHiddenRibbonControls(benchmark::State& state) {
  const std::vector<RibbonPath> ribbon = ManyRibbonPaths();
  WriteAgainstReference(
      state, [&] { return OurWrite({}, ribbon); }, [&] { return ReferenceWrite({}, ribbon); });
}
BENCHMARK(WriteHiddenRibbonControls)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void WriteHiddenPlugins(benchmark::State& state) {
  const std::vector<std::u16string> plugins = ManyPlugins();
  WriteAgainstReference(
      state, [&] { return OurWrite(plugins, {}); }, [&] { return ReferenceWrite(plugins, {}); });
}
BENCHMARK(WriteHiddenPlugins)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

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
      },
      3);
  state.counters["hidden"] = static_cast<double>(hidden);
  std::remove(path.c_str());
}
BENCHMARK(ReadHugeFile)->Arg(100)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  bench::KeepFreedMemory();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
