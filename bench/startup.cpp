// Time to build, initialise and show the main window, against a hand-built Qt dialog with the
// same widgets as a reference, in the same run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/CadmiraDlg.h"
#include "framework/ScriptedHost.h"

namespace {

void MainWindow(benchmark::State& state) {
  for (auto _ : state) {
    cadmira::app::CCadmiraDlg window;
    window.Create();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window.isVisible());
  }
}
BENCHMARK(MainWindow)->Unit(benchmark::kMillisecond);

QWidget* ReferencePage(QWidget* parent) {
  auto* page = new QWidget(parent);
  new QLabel(QStringLiteral("Version"), page);
  new QLineEdit(page);
  new QListWidget(page);
  new QTreeWidget(page);
  new QPlainTextEdit(QStringLiteral("Description"), page);
  for (int i = 0; i < 4; ++i) new QPushButton(QStringLiteral("Button"), page);
  return page;
}

void ReferenceQtDialog(benchmark::State& state) {
  for (auto _ : state) {
    QDialog dialog;
    auto* tabs = new QTabWidget(&dialog);
    for (const char* name : {"Preferences", "Ribbon Set", "Plugins"}) tabs->addTab(ReferencePage(tabs), QString::fromLatin1(name));
    for (int i = 0; i < 6; ++i) new QPushButton(QStringLiteral("Command"), &dialog);
    dialog.resize(737, 634);
    tabs->setGeometry(12, 15, 712, 559);
    dialog.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(dialog.isVisible());
  }
}
BENCHMARK(ReferenceQtDialog)->Unit(benchmark::kMillisecond);

// Prints each run as usual, then the main window's time as a multiple of the reference's.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatio() const {
    const auto window = m_times.find("MainWindow");
    const auto reference = m_times.find("ReferenceQtDialog");
    if (window == m_times.end() || reference == m_times.end() || reference->second <= 0) return;
    std::printf("main window: %.2f ms to build and show, %.2f x the hand-built Qt dialog\n", window->second,
                window->second / reference->second);
  }

 private:
  std::map<std::string, double> m_times;
};

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Cadmira"));
  QTemporaryDir profile;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, profile.path());
  cadmira::framework::ScriptedHost host;
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio();
  benchmark::Shutdown();
  return 0;
}
