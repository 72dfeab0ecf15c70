#include "cli/NewCommand.h"

#include <ostream>
#include <utility>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/ExitCode.h"
#include "document/DocumentWriter.h"
#include "document/MapPageControls.h"
#include "document/ProductTable.h"
#include "document/SealedWrite.h"
#include "document/Utf8Text.h"
#include "resources/StringTable.h"

namespace cadmira::cli {
namespace {

constexpr int kEnterTheVersion = 235;

// The version box refuses text that is only white space, as the window does.
bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos;
}

}  // namespace

CLI::App* CNewCommand::Register(CLI::App& app) {
  CLI::App* command = app.add_subcommand("new", "Write the configuration file that untouched pages give");
  command->add_option("--product", m_strProduct, "The product the file is for")
      ->required()
      ->check(CLI::IsMember({"reader", "orvanta"}));
  command->add_option("--doc-version", m_strVersion, "The document's version text")->required();
  command->add_flag("--plain", m_bPlain, "Write the plain XML instead of the sealed form");
  command->add_option("OUT", m_strOutput, "The file to write")->required();
  return command;
}

int CNewCommand::Run(CliStreams& streams) {
  if (!document::IsValidUtf8(m_strVersion)) {
    streams.err << "the version text is not valid UTF-8\n";
    return kExitBadInput;
  }
  if (IsBlank(m_strVersion)) {
    streams.err << document::ToUtf8(resources::EnglishString(kEnterTheVersion)) << '\n';
    return kExitBadInput;
  }
  document::MapPageControls untouched;
  untouched.SetText(document::kPreferencesDialog, document::kVersionEdit, document::FromUtf8(m_strVersion));
  document::CWriteContext context;
  try {
    const int product = m_strProduct == "reader" ? document::kReaderProduct : document::kOrvantaProduct;
    document::FillDocument(context, product, untouched, {}, {});
  } catch (const document::CDomError& error) {
    streams.err << "cannot build the document: " << error.what() << '\n';
    return kExitBadInput;
  }
  const Result<Replaced> written = document::WriteSealedFile(
      context.m_spXmlDoc.get(), m_strOutput, m_bPlain ? document::FileForm::Plain : document::FileForm::Sealed);
  if (!written) {
    streams.err << written.error().message << '\n';
    return kExitUsage;
  }
  if (!written.value().warning.empty()) streams.err << "warning: " << written.value().warning << '\n';
  return kExitOk;
}

}  // namespace cadmira::cli
