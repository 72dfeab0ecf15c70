// Finding and the marks of what changed, at their largest (the OrvantaPDF ribbon, in Chinese, in
// the whole main window): one keystroke in the ribbon page's find field, and one edit of a
// preference with everything that follows it (the changed marks, and the check of the document
// against the last saved one for the title), each against the main window's start-up.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include <string>

#include "app/CadmiraDlg.h"
#include "bench/support/BenchApplication.h"
#include "bench/support/WindowShares.h"
#include "document/MapPageControls.h"
#include "framework/StoredSettings.h"
#include "framework/ScriptedHost.h"
#include "pages/preferences/model/ChangedRows.h"
#include "pages/ribbon/model/RibbonDefinition.h"

namespace {

constexpr cadmira::resources::Product kOrvanta = cadmira::resources::Product::Orvanta;
constexpr int kCheckPage = 172;
constexpr int kStartPageBox = 1052;

BENCHMARK(bench::MainWindow)->Name("MainWindow")->Unit(benchmark::kMillisecond);

// Typing goes back and forth between two texts a letter apart, each one keystroke; the second
// shows one item, the first a few.
void FilterKeystroke(benchmark::State& state) {
  cadmira::app::CCadmiraDlg window;
  window.Create();
  window.show();
  QLineEdit* find = window.RibbonPage().FindEdit();
  const QString texts[] = {QStringLiteral("View_Setting_Stat"), QStringLiteral("View_Setting_Statu")};
  find->setText(texts[0]);
  QApplication::processEvents();
  int next = 1;
  for (auto _ : state) {
    find->setText(texts[next]);
    QApplication::processEvents();
    next = 1 - next;
  }
}
BENCHMARK(FilterKeystroke)->Unit(benchmark::kMillisecond);

// The first letter: the whole tree is built and filtered.
void FirstLetterAndClearing(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto window = std::make_unique<cadmira::app::CCadmiraDlg>();
    window->Create();
    window->show();
    QApplication::processEvents();
    state.ResumeTiming();
    window->RibbonPage().FindEdit()->setText(QStringLiteral("a"));
    QApplication::processEvents();
    window->RibbonPage().FindEdit()->clear();
    QApplication::processEvents();
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(FirstLetterAndClearing)->Unit(benchmark::kMillisecond);

// A tick of a preference in the window: the marks and the title follow at once.
void EditAndMarks(benchmark::State& state) {
  cadmira::app::CCadmiraDlg window;
  window.Create();
  window.show();
  bool checked = false;
  for (auto _ : state) {
    checked = !checked;
    window.PreferencesPage().SetChecked(kCheckPage, kStartPageBox, checked);
    benchmark::DoNotOptimize(window.isWindowModified());
  }
}
BENCHMARK(EditAndMarks)->Unit(benchmark::kMillisecond);

// The changed marks alone, over the page's controls.
void ChangedMarksOnly(benchmark::State& state) {
  cadmira::document::MapPageControls controls;
  controls.SetChecked(kCheckPage, kStartPageBox, true);
  const cadmira::document::MapPageControls untouched;
  for (auto _ : state) benchmark::DoNotOptimize(cadmira::pages::ChangedRowKeys(kOrvanta, controls, untouched));
}
BENCHMARK(ChangedMarksOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  bench::BenchApplication application(argc, argv);
  cadmira::framework::StoreLanguage(cadmira::pages::kChineseLangId);
  cadmira::framework::StoreProduct(kOrvanta);
  cadmira::framework::ScriptedHost host;
  benchmark::Initialize(&argc, argv);
  bench::ShareReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintShares();
  benchmark::Shutdown();
  return 0;
}
