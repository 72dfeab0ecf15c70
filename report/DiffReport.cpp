#include "report/DiffReport.h"

#include "pages/view/PageWords.h"
#include "report/SettingsReport.h"
#include "resources/ReportStrings.h"

namespace cadmira::report {
namespace {

using pages::CPageWords;
using pages::PageDiff;

std::u16string ValueOf(const std::optional<pages::ShownSetting>& setting, const CPageWords& words) {
  return setting ? words.Value(*setting) : words.Text(resources::kNoneWord);
}

ReportSection PreferencesSection(const PageDiff& diff, const CPageWords& words) {
  ReportSection section{words.Text(resources::kPreferencesTab), {}, {}, {}};
  ReportTable table{{words.Text(resources::kSettingColumn), words.Text(resources::kOptionColumn), u"A", u"B"}, {}};
  if (diff.product) {
    table.rows.push_back({words.Text(resources::kReportProduct),
                          {},
                          words.ProductName(diff.product->first),
                          words.ProductName(diff.product->second)});
  }
  if (diff.version) {
    table.rows.push_back({words.Text(resources::kReportVersion), {}, diff.version->first, diff.version->second});
  }
  for (const PageDiff::Setting& setting : diff.settings) {
    const pages::ShownSetting& either = setting.a ? *setting.a : *setting.b;
    table.rows.push_back({words.RowText(*either.binding), words.Label(*either.binding), ValueOf(setting.a, words),
                          ValueOf(setting.b, words)});
  }
  if (!table.rows.empty()) section.blocks.push_back({{}, std::move(table)});
  return section;
}

// One row per item hidden on one side: its texts, then "hidden" on that side, "shown" on the other.
template <typename Item, typename Cells>
ReportTable ListTable(const PageDiff::Lists<Item>& lists, std::vector<std::u16string> header, Cells cells,
                      const CPageWords& words) {
  ReportTable table{std::move(header), {}};
  const std::u16string hidden = words.Text(resources::kHiddenWord);
  const std::u16string shown = words.Text(resources::kShownWord);
  for (const auto& [items, hiddenInA] : {std::pair{&lists.onlyA, true}, std::pair{&lists.onlyB, false}}) {
    for (const Item& item : *items) {
      std::vector<std::u16string> row = cells(item);
      row.push_back(hiddenInA ? hidden : shown);
      row.push_back(hiddenInA ? shown : hidden);
      table.rows.push_back(std::move(row));
    }
  }
  return table;
}

}  // namespace

ReportDocument DiffDocumentOf(const PageDiff& diff, std::u16string a, std::u16string b, const CPageWords& words) {
  ReportDocument document;
  document.language = LanguageTag(words);
  document.title = words.Text(resources::kDifferencesTitle);
  document.facts.emplace_back(u"A", a);
  document.facts.emplace_back(u"B", b);
  if (diff.Same()) {
    document.sections.push_back({{}, {}, {words.Text(resources::kBothSame)}, {}});
    return document;
  }
  ReportSection preferences = PreferencesSection(diff, words);
  if (!preferences.blocks.empty()) document.sections.push_back(std::move(preferences));
  ReportTable ribbon = ListTable(
      diff.hiddenRibbon,
      {words.Text(resources::kRibbonElementColumn), words.Text(resources::kNamePathColumn), u"A", u"B"},
      [](const pages::ShownRibbonElement& element) {
        return std::vector<std::u16string>{pages::TitlePath(element.titles), element.path};
      },
      words);
  if (!ribbon.rows.empty()) {
    document.sections.push_back({words.Text(resources::kRibbonTab), {{{}, std::move(ribbon)}}, {}, {}});
  }
  ReportTable plugins = ListTable(
      diff.hiddenPlugins, {words.Text(resources::kPluginFileColumn), words.Text(resources::kCaptionColumn), u"A", u"B"},
      [](const pages::ShownPlugin& plugin) {
        return std::vector<std::u16string>{plugin.fileName, plugin.caption};
      },
      words);
  if (!plugins.rows.empty()) {
    document.sections.push_back({words.Text(resources::kPluginsTab), {{{}, std::move(plugins)}}, {}, {}});
  }
  return document;
}

}  // namespace cadmira::report
