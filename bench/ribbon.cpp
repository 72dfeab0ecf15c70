// The ribbon tree at its largest (the OrvantaPDF definition, in Chinese): filling the model, filling
// the page with its tree view, writing a section with every item checked and reading it back, each
// against the whole main window's start-up in the same run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

#include "app/CadmiraDlg.h"
#include "bench/support/BenchApplication.h"
#include "bench/support/WindowShares.h"
#include "document/DocumentWriter.h"
#include "framework/PageDialog.h"
#include "framework/StoredSettings.h"
#include "localization/Relabel.h"
#include "localization/UiString.h"
#include "framework/ScriptedHost.h"
#include "pages/ribbon/Ribbondlg.h"
#include "pages/ribbon/model/RibbonDefinition.h"
#include "pages/ribbon/model/RibbonTree.h"
#include "resources/ResourceIds.h"

namespace {

using cadmira::pages::CRibbonTree;
using cadmira::pages::kChineseLangId;

constexpr cadmira::resources::Product kOrvanta = cadmira::resources::Product::Orvanta;

CRibbonTree AllChecked() {
  const XmlTreePtr definition = cadmira::pages::LoadRibbonDefinition(kOrvanta, kChineseLangId);
  CRibbonTree tree;
  tree.Fill(definition.get(), kChineseLangId);
  for (CRibbonTree::Node node = 0; node < tree.NodeCount(); ++node) tree.SetChecked(node, true);
  return tree;
}

// A fresh document to write into; the benchmark stops when none can be made.
bool NewDocument(cadmira::document::CWriteContext& context, benchmark::State& state) {
  if (cadmira::document::BuildDocument(context, kOrvanta)) return true;
  state.SkipWithError("the document cannot be created");
  return false;
}

BENCHMARK(bench::MainWindow)->Name("MainWindow")->Unit(benchmark::kMillisecond);

void FillModel(benchmark::State& state) {
  for (auto _ : state) {
    const XmlTreePtr definition = cadmira::pages::LoadRibbonDefinition(kOrvanta, kChineseLangId);
    CRibbonTree tree;
    tree.Fill(definition.get(), kChineseLangId);
    benchmark::DoNotOptimize(tree.NodeCount());
  }
}
BENCHMARK(FillModel)->Unit(benchmark::kMillisecond);

void FillPage(benchmark::State& state) {
  QWidget owner;
  for (auto _ : state) {
    cadmira::pages::CRibbondlg page;
    page.Create(&owner);
    benchmark::DoNotOptimize(page.Tree().NodeCount());
  }
}
BENCHMARK(FillPage)->Unit(benchmark::kMillisecond);

// The same page, relabelled and with its texts, but without the tree's items: the difference is
// the filling.
class CEmptyRibbonPage : public cadmira::framework::PageDialog {
 public:
  CEmptyRibbonPage() : PageDialog(cadmira::pages::CRibbondlg::kDialogId) {}

 protected:
  void OnInitDialog() override {
    cadmira::localization::RelabelDialog(this, TemplateId());
    if (auto* label = item<QLabel>(cadmira::resources::kRibbonLabel))
      label->setText(cadmira::localization::LoadUiString(cadmira::resources::kRibbonOptionsLabel));
    if (auto* box = item<QGroupBox>(cadmira::resources::kRibbonDescriptionBox))
      box->setTitle(cadmira::localization::LoadUiString(cadmira::resources::kDescriptionTitle));
    if (auto* text = item<QPlainTextEdit>(cadmira::resources::kRibbonDescriptionEdit))
      text->setPlainText(cadmira::localization::LoadUiString(cadmira::resources::kRibbonDescription));
  }
};

void EmptyPage(benchmark::State& state) {
  QWidget owner;
  for (auto _ : state) {
    CEmptyRibbonPage page;
    page.Create(&owner);
    benchmark::DoNotOptimize(page.isVisible());
  }
}
BENCHMARK(EmptyPage)->Unit(benchmark::kMillisecond);

// Every item checked: the walk stops at each top-level item, so this is also the smallest section.
void WriteAllChecked(benchmark::State& state) {
  const CRibbonTree tree = AllChecked();
  for (auto _ : state) {
    cadmira::document::CWriteContext context;
    if (!NewDocument(context, state)) break;
    tree.WriteRibbonSection(context);
    benchmark::DoNotOptimize(context.m_spXmlDoc.get());
  }
}
BENCHMARK(WriteAllChecked)->Unit(benchmark::kMillisecond);

// Only the items without children checked, as Space leaves them: each is written as its own path.
CRibbonTree LeavesChecked() {
  CRibbonTree tree = AllChecked();
  for (CRibbonTree::Node node = 0; node < tree.NodeCount(); ++node) {
    if (tree.FirstChild(node) != CRibbonTree::kNoNode) tree.SetChecked(node, false);
  }
  return tree;
}

void WriteEveryLeaf(benchmark::State& state) {
  const CRibbonTree tree = LeavesChecked();
  for (auto _ : state) {
    cadmira::document::CWriteContext context;
    if (!NewDocument(context, state)) break;
    tree.WriteRibbonSection(context);
    benchmark::DoNotOptimize(context.m_spXmlDoc.get());
  }
  state.counters["paths"] = static_cast<double>(tree.HiddenPaths().size());
}
BENCHMARK(WriteEveryLeaf)->Unit(benchmark::kMillisecond);

void ApplyEveryLeaf(benchmark::State& state) {
  const CRibbonTree written = LeavesChecked();
  cadmira::document::CWriteContext context;
  if (!NewDocument(context, state)) return;
  written.WriteRibbonSection(context);
  const std::vector<unsigned char> bytes = context.m_spXmlDoc->Serialize();
  const XmlTreePtr loaded(ParseDocument(bytes.data(), bytes.size()));
  const XmlTreePtr definition = cadmira::pages::LoadRibbonDefinition(kOrvanta, kChineseLangId);
  CRibbonTree tree;
  tree.Fill(definition.get(), kChineseLangId);
  for (auto _ : state) {
    tree.ClearRibbonChecks();
    tree.ApplyRibbonSection(loaded.get());
    benchmark::DoNotOptimize(tree.Checked(0));
  }
}
BENCHMARK(ApplyEveryLeaf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  bench::BenchApplication application(argc, argv);
  cadmira::framework::StoreLanguage(kChineseLangId);
  cadmira::framework::ScriptedHost host;
  benchmark::Initialize(&argc, argv);
  bench::ShareReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const std::optional<double> page = reporter.Milliseconds("FillPage");
  const std::optional<double> empty = reporter.Milliseconds("EmptyPage");
  if (page && empty) reporter.PrintShare("filling the page's tree", *page - *empty);
  reporter.PrintShares();
  benchmark::Shutdown();
  return 0;
}
