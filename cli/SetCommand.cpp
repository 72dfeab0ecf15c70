#include "cli/SetCommand.h"

#include <ostream>
#include <utility>

#include <CLI/CLI.hpp>

#include "cli/ExitCode.h"
#include "cli/LintCommand.h"
#include "cli/Linter.h"
#include "cli/PagesInput.h"
#include "cli/PagesOutput.h"
#include "document/Utf8Text.h"
#include "pages/view/ProductWords.h"
#include "pages/view/Vocabulary.h"

namespace cadmira::cli {

CLI::App* CSetCommand::Register(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "set", "Change settings, hidden plug-ins and hidden ribbon elements of a file, as the editor's pages would");
  AddInputArgument(*command, "FILE", "The configuration file (plain or sealed); replaced unless -o");
  command->add_option("NAME=VALUE", m_assignments, "A setting and its value (cadmira-cli settings lists them)");
  // Each of these takes one value and may be repeated, so that NAME=VALUE after one stays a setting.
  command
      ->add_option("--hide-plugin", m_hidePlugins,
                   "Hide a plug-in by its file name (NAME.zpi); one the product does not have by default is "
                   "hidden too, with a note")
      ->allow_extra_args(false);
  command->add_option("--show-plugin", m_showPlugins, "Show a plug-in again (after every --hide-plugin)")
      ->allow_extra_args(false);
  command->add_option("--hide-ribbon", m_hideRibbon, "Hide a ribbon element and everything under it (Name/Name/...)")
      ->allow_extra_args(false);
  command->add_option("--show-ribbon", m_showRibbon, "Show a ribbon element again (after every --hide-ribbon)")
      ->allow_extra_args(false);
  command->add_option("--doc-version", m_version, "The document's version text");
  AddProductOption(*command);
  command->add_option("-o,--output", m_strOutput, "Write here instead of replacing FILE");
  return command;
}

Status CSetCommand::Edit(pages::CModelPages& pages) const {
  const pages::CVocabulary vocabulary(pages.Product());
  for (const std::string& assignment : m_assignments) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string::npos) return Error{"expected NAME=VALUE, not \"" + assignment + '"'};
    if (Status set = pages.SetSetting(vocabulary, assignment.substr(0, equals), assignment.substr(equals + 1)); !set) {
      return set;
    }
  }
  if (m_version) {
    if (Status set = pages.SetVersion(*m_version); !set) return set;
  }
  // Hiding comes first, so that an element can be shown again inside a hidden one.
  for (const std::string& name : m_hidePlugins) {
    if (Status hidden = pages.SetPluginHidden(name, true); !hidden) return hidden;
  }
  for (const std::string& name : m_showPlugins) {
    if (Status shown = pages.SetPluginHidden(name, false); !shown) return shown;
  }
  for (const std::string& path : m_hideRibbon) {
    if (Status hidden = pages.SetRibbonHidden(path, true); !hidden) return hidden;
  }
  for (const std::string& path : m_showRibbon) {
    if (Status shown = pages.SetRibbonHidden(path, false); !shown) return shown;
  }
  return {};
}

int CSetCommand::RunOnInput(std::vector<unsigned char> bytes, CliStreams& streams) {
  std::vector<unsigned char> read = bytes;
  PagesInput input = LoadPagesInput(InputPath(), ReadConfig(std::move(bytes)), ChosenProduct());
  if (!input.pages) {
    streams.err << input.message << '\n';
    return input.exitCode;
  }
  if (Status edited = Edit(*input.pages); !edited) {
    streams.err << edited.error().message << '\n';
    return kExitBadInput;
  }
  const int written = WritePages(*input.pages, m_strOutput.empty() ? InputPath() : m_strOutput, true, streams);
  if (written != kExitOk) return written;
  // What the file held that the pages could not show is gone now; say so, once each. A hidden
  // plug-in the product lacks is kept, so it is no such loss.
  if (EndsBeforeRootCloses(input.file, std::move(read))) {
    const Finding truncation = TruncationFinding(input.file);
    streams.err << "note: " << truncation.where << ": " << truncation.message << '\n';
  }
  const pages::CVocabulary vocabulary(input.pages->Product());
  CLinter(input.file.Root(), vocabulary, *input.pages).Run([&](const Finding& finding) {
    if (finding.code == kUnknownPluginCode) return;
    streams.err << "note: " << finding.where << ": " << finding.message << '\n';
  });
  // It may be a plug-in added on the workstations, so it is hidden as asked, with a word.
  for (const std::string& name : m_hidePlugins) {
    if (input.pages->IsDefaultPlugin(document::FromUtf8(name))) continue;
    streams.err << "note: " << name << " is not a default plug-in of " << pages::ProductName(input.pages->Product())
                << "; it is hidden as given\n";
  }
  return kExitOk;
}

}  // namespace cadmira::cli
