#include "cli/ReportJson.h"

#include <ostream>

#include "cli/JsonWriter.h"
#include "pages/view/ProductWords.h"

namespace cadmira::cli {
namespace {

void WriteFile(const report::SettingsReport& report, CJsonWriter& json) {
  json.BeginObject();
  json.Key("path");
  json.Utf16(report.subject.path);
  json.Key("form");
  json.ByteName(report.subject.sealed.value_or(false) ? "sealed" : "plain");
  json.Key("product");
  json.ByteName(pages::ProductWord(report.product));
  json.Key("version");
  json.Utf16(report.version);
  json.Key("date");
  json.Utf16(report.subject.date);
  json.EndObject();
}

void WriteSetting(const report::ReportedSetting& setting, CJsonWriter& json) {
  json.BeginObject();
  json.Key("name");
  json.ByteName(setting.name);
  for (const auto& [key, text] : {std::pair{"row", &setting.row}, std::pair{"option", &setting.option},
                                  std::pair{"value", &setting.value}, std::pair{"untouched", &setting.untouched}}) {
    json.Key(key);
    json.Utf16(*text);
  }
  json.EndObject();
}

}  // namespace

void WriteSettingsReportJson(const report::SettingsReport& report, std::ostream& out) {
  CJsonWriter json(out);
  json.BeginObject();
  json.Key("file");
  WriteFile(report, json);
  json.Key("settings");
  json.BeginArray();
  for (const report::ReportedSetting& setting : report.settings) WriteSetting(setting, json);
  json.EndArray();
  json.Key("hiddenRibbon");
  json.BeginArray();
  for (const report::ReportedBranch& branch : report.ribbon) {
    for (const pages::ShownRibbonElement& element : branch.elements) {
      json.BeginObject();
      json.Key("titles");
      json.Utf16Array(element.titles);
      json.Key("path");
      json.Utf16(element.path);
      json.EndObject();
    }
  }
  json.EndArray();
  json.Key("hiddenPlugins");
  json.BeginArray();
  for (const pages::ShownPlugin& plugin : report.plugins) {
    json.BeginObject();
    json.Key("fileName");
    json.Utf16(plugin.fileName);
    json.Key("caption");
    json.Utf16(plugin.caption);
    json.EndObject();
  }
  json.EndArray();
  json.Key("findings");
  json.Utf16Array(report.findings);
  json.EndObject();
  out << '\n';
}

}  // namespace cadmira::cli
