#include "cli/DiffCommand.h"

#include <istream>
#include <ostream>
#include <utility>

#include <CLI/CLI.hpp>

#include "cli/ExitCode.h"
#include "cli/InputFile.h"
#include "cli/PageDiffOutput.h"
#include "cli/PagesInput.h"
#include "document/Utf8Text.h"
#include "localization/lookup/UiStrings.h"
#include "pages/view/ModelPages.h"
#include "pages/view/PageWords.h"
#include "report/DiffReport.h"
#include "report/ReportWriter.h"

namespace cadmira::cli {

CLI::App* CDiffCommand::Register(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "diff", "Report what differs between two files as the editor's pages show them (exit 1 if anything)");
  AddJsonFlag(*command);
  command->add_option("--format", m_strFormat, "Print in the pages' own words: text, markdown or html")
      ->check(CLI::IsMember({"text", "markdown", "html"}))
      ->excludes("--json");
  command->add_option("--lang", m_strLanguage, "The interface language of --format: en (the default) or zh")
      ->check(CLI::IsMember({"en", "zh"}));
  AddInputArgument(*command, "A", "The first configuration file (plain or sealed), or - for standard input");
  command->add_option("B", m_strB, "The second configuration file (plain or sealed)")->required();
  return command;
}

// The second file, read as the first.
Result<document::ConfigFile> CDiffCommand::ReadSecond(std::istream& in) const {
  Result<std::vector<unsigned char>> bytes = ReadInputFile(m_strB, in);
  if (!bytes) return bytes.error();
  return ReadConfig(std::move(bytes).value());
}

int CDiffCommand::RunOnInput(std::vector<unsigned char> bytes, CliStreams& streams) {
  const int langid = m_strLanguage == "zh" ? resources::kChineseLangId : resources::kEnglishLangId;
  const PagesInput a = LoadPagesInput(InputPath(), ReadConfig(std::move(bytes)), std::nullopt, langid);
  const PagesInput b = a.pages ? LoadPagesInput(m_strB, ReadSecond(streams.in), std::nullopt, langid) : PagesInput{};
  for (const PagesInput* input : {&a, &b}) {
    if (!input->pages) {
      streams.err << input->message << '\n';
      // 1 would read as "they differ".
      return kExitUsage;
    }
  }
  const pages::PageDiff diff = pages::DiffPageViews(pages::ViewOfPages(*a.pages), pages::ViewOfPages(*b.pages));
  if (JsonWanted()) {
    WritePageDiffJson(diff, streams.out);
  } else if (m_strFormat.empty()) {
    WritePageDiffText(diff, streams.out);
  } else {
    const localization::CUiStrings strings(langid);
    const pages::CPageWords words(a.pages->Product(), strings);
    const report::ReportFormat format = m_strFormat == "html"       ? report::ReportFormat::Html
                                        : m_strFormat == "markdown" ? report::ReportFormat::Markdown
                                                                    : report::ReportFormat::Text;
    report::WriteReport(
        report::DiffDocumentOf(diff, document::FromUtf8(InputPath()), document::FromUtf8(m_strB), words), format,
        streams.out);
  }
  return diff.Same() ? kExitOk : kExitBadInput;
}

}  // namespace cadmira::cli
