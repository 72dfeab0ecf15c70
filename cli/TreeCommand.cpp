#include "cli/TreeCommand.h"

#include "base/XmlTree.h"
#include "cli/ExitCode.h"
#include "cli/InputFile.h"
#include "cli/TreeJson.h"
#include "cli/TreeText.h"
#include "document/Utf8Text.h"
#include "resources/StringTable.h"

#include <CLI/CLI.hpp>

#include <ostream>

namespace cadmira::cli {

namespace {
constexpr int kXmlFormatError = 246;
}

CLI::App* CTreeCommand::Register(CLI::App& app) {
  CLI::App* command = app.add_subcommand("tree", "Print the element tree of an XML file");
  command->add_flag("--json", m_bJson, "Print the tree as JSON");
  command->add_option("FILE", m_strPath, "The XML file, or - for standard input")->required();
  return command;
}

int CTreeCommand::Run(CliStreams& streams) {
  const Result<std::vector<unsigned char>> bytes = ReadInputFile(m_strPath, streams.in);
  if (!bytes) {
    streams.err << bytes.error().message << '\n';
    return kExitUsage;
  }
  const XmlTreePtr tree(ParseDocument(bytes.value().data(), bytes.value().size()));
  if (!tree) {
    streams.err << document::ToUtf8(resources::EnglishString(kXmlFormatError)) << '\n';
    return kExitBadInput;
  }
  if (m_bJson) {
    WriteTreeJson(tree.get(), streams.out);
  } else {
    WriteTreeText(tree.get(), streams.out);
  }
  return kExitOk;
}

}  // namespace cadmira::cli
