#include "report/SettingsReport.h"

#include "localization/lookup/UiStrings.h"
#include "pages/view/PageDiff.h"
#include "pages/view/PageWords.h"
#include "resources/ReportStrings.h"

namespace cadmira::report {
namespace {

using pages::CPageWords;

std::vector<ReportedBranch> Branches(const std::vector<pages::ShownRibbonElement>& elements) {
  std::vector<ReportedBranch> branches;
  for (const pages::ShownRibbonElement& element : elements) {
    const std::u16string top = element.titles.empty() ? std::u16string() : element.titles.front();
    if (branches.empty() || branches.back().title != top) branches.push_back({top, {}});
    branches.back().elements.push_back(element);
  }
  return branches;
}

ReportSection SettingsSection(const SettingsReport& report, const CPageWords& words) {
  ReportSection section{words.Text(resources::kPreferencesTab), {}, {}, words.Text(resources::kNoSettingDiffers)};
  if (report.settings.empty()) return section;
  ReportTable table{{words.Text(resources::kSettingColumn), words.Text(resources::kOptionColumn),
                     words.Text(resources::kValueColumn), words.Text(resources::kUntouchedColumn)},
                    {}};
  for (const ReportedSetting& setting : report.settings) {
    table.rows.push_back({setting.row, setting.option, setting.value, setting.untouched});
  }
  section.blocks.push_back({{}, std::move(table)});
  return section;
}

ReportSection RibbonSection(const SettingsReport& report, const CPageWords& words) {
  ReportSection section{words.Text(resources::kHiddenRibbonHeading), {}, {}, words.Text(resources::kNoRibbonHidden)};
  for (const ReportedBranch& branch : report.ribbon) {
    ReportTable table{{words.Text(resources::kRibbonElementColumn), words.Text(resources::kNamePathColumn)}, {}};
    for (const pages::ShownRibbonElement& element : branch.elements) {
      table.rows.push_back({pages::TitlePath(element.titles), element.path});
    }
    section.blocks.push_back({branch.title, std::move(table)});
  }
  return section;
}

ReportSection PluginSection(const SettingsReport& report, const CPageWords& words) {
  ReportSection section{words.Text(resources::kHiddenPluginsHeading), {}, {}, words.Text(resources::kNoPluginHidden)};
  if (report.plugins.empty()) return section;
  ReportTable table{{words.Text(resources::kPluginFileColumn), words.Text(resources::kCaptionColumn)}, {}};
  for (const pages::ShownPlugin& plugin : report.plugins) table.rows.push_back({plugin.fileName, plugin.caption});
  section.blocks.push_back({{}, std::move(table)});
  return section;
}

}  // namespace

SettingsReport MakeSettingsReport(ReportSubject subject, const pages::PageView& view, const CPageWords& words) {
  SettingsReport report;
  report.subject = std::move(subject);
  report.product = view.product;
  report.version = view.version;
  const pages::PageDiff diff = pages::DiffPageViews(view, pages::UntouchedView(view.product));
  for (const pages::PageDiff::Setting& setting : diff.settings) {
    if (!setting.a || !setting.b) continue;
    report.settings.push_back({setting.name, words.RowText(*setting.a->binding), words.Label(*setting.a->binding),
                               words.Value(*setting.a), words.Value(*setting.b)});
  }
  report.ribbon = Branches(view.hiddenRibbon);
  report.plugins = view.hiddenPlugins;
  return report;
}

ReportDocument DocumentOf(const SettingsReport& report, const CPageWords& words) {
  ReportDocument document;
  document.language = LanguageTag(words);
  document.title = words.Text(resources::kReportTitle);
  const ReportSubject& subject = report.subject;
  document.facts.emplace_back(words.Text(resources::kReportFile),
                              subject.path.empty() ? words.Text(resources::kPagesNow) : subject.path);
  if (subject.sealed) {
    document.facts.emplace_back(words.Text(resources::kReportForm),
                                words.Text(*subject.sealed ? resources::kSealedForm : resources::kPlainForm));
  }
  document.facts.emplace_back(words.Text(resources::kReportProduct), words.ProductName(report.product));
  document.facts.emplace_back(words.Text(resources::kReportVersion), report.version);
  document.facts.emplace_back(words.Text(resources::kReportDate), subject.date);
  document.sections.push_back(SettingsSection(report, words));
  document.sections.push_back(RibbonSection(report, words));
  document.sections.push_back(PluginSection(report, words));
  if (!report.findings.empty()) {
    document.sections.push_back({words.Text(resources::kFindingsHeading), {}, report.findings, {}});
  }
  return document;
}

std::u16string LanguageTag(const CPageWords& words) { return words.Strings().Chinese() ? u"zh-CN" : u"en"; }

}  // namespace cadmira::report
