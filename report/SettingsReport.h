#pragma once

#include <optional>
#include <string>
#include <vector>

#include "pages/view/PageView.h"
#include "report/ReportDocument.h"
#include "resources/Product.h"

namespace cadmira::pages {
class CPageWords;
}

namespace cadmira::report {

// What a report is about: a file, or in the window the pages as they are now.
struct ReportSubject {
  std::u16string path;         // the file, empty for pages that come from no file
  std::optional<bool> sealed;  // the form the file was read in; none without a file
  std::u16string date;         // the day of the report, YYYY-MM-DD
};

// A setting that differs from an untouched page, in the words of its pages.
struct ReportedSetting {
  std::string name;
  std::u16string row;
  std::u16string option;
  std::u16string value;
  std::u16string untouched;
};

// The hidden ribbon elements below one top-level branch of the tree.
struct ReportedBranch {
  std::u16string title;
  std::vector<pages::ShownRibbonElement> elements;
};

// What the pages show after loading a file, as a reviewer reads it.
struct SettingsReport {
  ReportSubject subject;
  resources::Product product = resources::Product::Orvanta;
  std::u16string version;
  std::vector<ReportedSetting> settings;
  std::vector<ReportedBranch> ribbon;
  std::vector<pages::ShownPlugin> plugins;
  std::vector<std::u16string> findings;  // what the checks of the file found, in words
};

SettingsReport MakeSettingsReport(ReportSubject subject, const pages::PageView& view, const pages::CPageWords& words);

ReportDocument DocumentOf(const SettingsReport& report, const pages::CPageWords& words);

// The language tag of the words: "zh-CN" for Chinese, else "en".
std::u16string LanguageTag(const pages::CPageWords& words);

}  // namespace cadmira::report
