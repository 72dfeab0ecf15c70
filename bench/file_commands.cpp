// Import and Save inside the program: the real main window, its pages and the scripted host,
// clicking the buttons, on the sample file and on a file that hides every ribbon element and
// plug-in. Each is set against the document layer's own read or sealed write of the same file in
// the same run, so the ratio is what the window adds.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/CadmiraDlg.h"
#include "bench/support/BenchApplication.h"
#include "document/DocumentWriter.h"
#include "document/MapPageControls.h"
#include "document/ReadConfigFile.h"
#include "document/SealedWrite.h"
#include "framework/ScriptedHost.h"
#include "pages/ribbon/model/RibbonDefinition.h"
#include "pages/ribbon/model/RibbonTree.h"

namespace {

using cadmira::Result;
using cadmira::app::CCadmiraDlg;
namespace document = cadmira::document;
namespace framework = cadmira::framework;

constexpr cadmira::resources::Product kOrvanta = cadmira::resources::Product::Orvanta;

struct Files {
  QTemporaryDir folder;
  QString sample;
  QString everything;
};

Files& TestFiles() {
  static Files files;
  return files;
}

// Every element of the product's ribbon hidden one by one, and every default plug-in.
std::vector<unsigned char> EverythingHidden() {
  const XmlTreePtr definition = cadmira::pages::LoadRibbonDefinition(kOrvanta, cadmira::pages::kEnglishLangId);
  cadmira::pages::CRibbonTree tree;
  tree.Fill(definition.get(), cadmira::pages::kEnglishLangId);
  std::vector<document::RibbonPath> paths;
  for (cadmira::pages::CRibbonTree::Node node = 0; node < tree.NodeCount(); ++node) {
    if (tree.FirstChild(node) == cadmira::pages::CRibbonTree::kNoNode) paths.push_back(tree.PathOf(node));
  }
  std::vector<std::u16string> plugins;
  for (int i = 0; i < 45; ++i) plugins.push_back(u"Plugin" + std::u16string(1, char16_t(u'A' + i % 26)) + u".zpi");
  document::MapPageControls controls;
  controls.SetText(document::kPreferencesDialog, document::kVersionEdit, u"12.0.1");
  document::CWriteContext context;
  document::FillDocument(context, kOrvanta, controls, plugins, paths);
  return context.m_spXmlDoc->Serialize();
}

QString WriteFile(const QString& name, const std::vector<unsigned char>& plain) {
  const QString path = TestFiles().folder.filePath(name);
  const Result<cadmira::Replaced> written = document::WriteConfigFile(QFile::encodeName(path).toStdString(), plain);
  if (!written) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return path;
}

const QString& FileOf(const benchmark::State& state) {
  return state.range(0) == 0 ? TestFiles().sample : TestFiles().everything;
}

void ExpectNotice(framework::ScriptedHost& host, const char* text) {
  host.ExpectMessageBox(QString::fromLatin1(text), QStringLiteral("Notice"), framework::MessageIcon::Information,
                        framework::MessageButtons::Ok, framework::MessageAnswer::Ok);
}

// Imports the file through the window's Import button, as a user does.
void Import(framework::ScriptedHost& host, CCadmiraDlg& window, const QString& path) {
  host.AnswerFileDialog(path);
  ExpectNotice(host, "Import Succeed");
  window.Button(CCadmiraDlg::kImportButton)->click();
}

void ImportInWindow(benchmark::State& state) {
  framework::ScriptedHost host;
  CCadmiraDlg window;
  window.Create();
  for (auto _ : state) {
    Import(host, window, FileOf(state));
  }
  state.counters["bytes"] = static_cast<double>(QFile(FileOf(state)).size());
}
BENCHMARK(ImportInWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void SaveInWindow(benchmark::State& state) {
  framework::ScriptedHost host;
  CCadmiraDlg window;
  window.Create();
  Import(host, window, FileOf(state));
  for (auto _ : state) {
    ExpectNotice(host, "Save Succeed");
    window.Button(CCadmiraDlg::kSaveButton)->click();
  }
}
BENCHMARK(SaveInWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void ReadAlone(benchmark::State& state) {
  const std::string path = QFile::encodeName(FileOf(state)).toStdString();
  for (auto _ : state) {
    Result<document::ConfigFile> file = document::ReadConfigFile(path, document::ReadForms::PlainThenSealed);
    benchmark::DoNotOptimize(file.ok());
  }
}
BENCHMARK(ReadAlone)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The document the window's Save built, serialised, sealed and written by the document layer.
void SealedWriteAlone(benchmark::State& state) {
  framework::ScriptedHost host;
  CCadmiraDlg window;
  window.Create();
  Import(host, window, FileOf(state));
  ExpectNotice(host, "Save Succeed");
  window.Button(CCadmiraDlg::kSaveButton)->click();
  const document::CDomDocument* built = window.Document().m_writeContext.m_spXmlDoc.get();
  const std::string target = QFile::encodeName(FileOf(state)).toStdString();
  for (auto _ : state) {
    Result<cadmira::Replaced> written = document::WriteDocumentFile(built, target);
    benchmark::DoNotOptimize(written.ok());
  }
}
BENCHMARK(SealedWriteAlone)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatios() const {
    const char* files[] = {"the sample file", "a file hiding everything"};
    for (int arg = 0; arg < 2; ++arg) {
      const std::string suffix = "/" + std::to_string(arg);
      Print("Import", files[arg], m_times, "ImportInWindow" + suffix, "ReadAlone" + suffix);
      Print("Save", files[arg], m_times, "SaveInWindow" + suffix, "SealedWriteAlone" + suffix);
    }
  }

 private:
  static void Print(const char* command, const char* file, const std::map<std::string, double>& times,
                    const std::string& window, const std::string& alone) {
    const auto inWindow = times.find(window);
    const auto reference = times.find(alone);
    if (inWindow == times.end() || reference == times.end() || reference->second <= 0) return;
    std::printf("%s of %s in the window: %.2f ms, %.1f x the document layer alone\n", command, file, inWindow->second,
                inWindow->second / reference->second);
  }

  std::map<std::string, double> m_times;
};

}  // namespace

int main(int argc, char** argv) {
  bench::BenchApplication application(argc, argv);
  QFile sample(QStringLiteral(CADMIRA_SOURCE_DIR "/examples/orvanta-profstore.xml"));
  if (!sample.open(QIODevice::ReadOnly)) return 1;
  const QByteArray plain = sample.readAll();
  TestFiles().sample = WriteFile(QStringLiteral("sample.xml"), std::vector<unsigned char>(plain.begin(), plain.end()));
  TestFiles().everything = WriteFile(QStringLiteral("everything.xml"), EverythingHidden());
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
