#include "cli/ReportCommand.h"

#include <cstdlib>
#include <ctime>
#include <sstream>

#include <CLI/CLI.hpp>

#include "base/ReplaceFileAtomically.h"
#include "cli/PageViewOutput.h"
#include "pages/view/ModelPages.h"
#include "cli/English.h"
#include "cli/ExitCode.h"
#include "cli/LintCommand.h"
#include "cli/ReportJson.h"
#include "document/CheckProduct.h"
#include "document/LoadDocument.h"
#include "document/Utf8Text.h"
#include "localization/lookup/UiStrings.h"
#include "pages/view/PageWords.h"
#include "report/ReportDate.h"
#include "report/ReportWriter.h"

namespace cadmira::cli {
namespace {

// The report's day: that of SOURCE_DATE_EPOCH when it holds a number, for output that does not
// change from one day to the next, else today's.
std::u16string TodayOrSourceDate() {
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
    char* end = nullptr;
    const long long seconds = std::strtoll(epoch, &end, 10);
    if (end != epoch && *end == '\0') return report::ReportDate(static_cast<std::time_t>(seconds));
  }
  return report::ReportDate(std::time(nullptr));
}

std::vector<std::u16string> FindingLines(const document::ConfigFile& file) {
  std::vector<std::u16string> lines;
  LintConfigFile(file, std::nullopt, [&](const Finding& finding) {
    lines.push_back(document::FromUtf8(finding.message + " (" + finding.where + ")"));
  });
  return lines;
}

Status WriteOut(const std::string& path, const std::string& text, std::ostream& out, std::ostream& err) {
  if (path == "-") {
    out << text;
    out.flush();
    if (!out) return Error{"cannot write the standard output"};
    return {};
  }
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  Result<Replaced> written = ReplaceFileAtomically(path, {bytes, text.size()});
  if (!written) return written.error();
  if (!written.value().warning.empty()) err << "warning: " << written.value().warning << '\n';
  return {};
}

}  // namespace

CLI::App* CReportCommand::Register(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "report", "Describe what the editor's pages show after loading a file, for a person to review");
  AddInputArgument(*command, "FILE", "The configuration file (plain or sealed), or - for standard input");
  command->add_option("--format", m_strFormat, "text (the default), markdown, html or json")
      ->check(CLI::IsMember({"text", "markdown", "html", "json"}));
  command->add_option("--lang", m_strLanguage, "The interface language of the texts: en (the default) or zh")
      ->check(CLI::IsMember({"en", "zh"}));
  command->add_option("-o", m_strOutput, "Write the report to OUT (replaced whole) instead of standard output");
  return command;
}

int CReportCommand::RunOnInput(std::vector<unsigned char> bytes, CliStreams& streams) {
  const ConfigTree input = ReadConfigTree(std::move(bytes), streams);
  if (!input.file) return input.refusal;
  const document::ConfigFile& file = *input.file;
  if (!file.product) {
    streams.err << English(document::kNotAConfigurationFile) << '\n';
    return kExitBadInput;
  }
  const int langid = m_strLanguage == "zh" ? resources::kChineseLangId : resources::kEnglishLangId;
  pages::CModelPages pages(*file.product, langid);
  document::ApplyDocument(file.Root(), pages);
  const localization::CUiStrings strings(langid);
  const pages::CPageWords words(*file.product, strings);
  report::ReportSubject subject{document::FromUtf8(InputPath()), file.form == document::FileForm::Sealed,
                                TodayOrSourceDate()};
  report::SettingsReport content = report::MakeSettingsReport(std::move(subject), pages::ViewOfPages(pages), words);
  content.findings = FindingLines(file);

  std::ostringstream text;
  if (m_strFormat == "json") {
    WriteSettingsReportJson(content, text);
  } else {
    const report::ReportFormat format = m_strFormat == "html"       ? report::ReportFormat::Html
                                        : m_strFormat == "markdown" ? report::ReportFormat::Markdown
                                                                    : report::ReportFormat::Text;
    report::WriteReport(report::DocumentOf(content, words), format, text);
  }
  if (const Status written = WriteOut(m_strOutput, text.str(), streams.out, streams.err); !written) {
    streams.err << written.error().message << '\n';
    return kExitUsage;
  }
  return kExitOk;
}

}  // namespace cadmira::cli
