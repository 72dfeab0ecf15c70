#include "cli/TreeCommand.h"

#include "cli/ExitCode.h"
#include "cli/InputFile.h"
#include "cli/JsonWriter.h"
#include "cli/OutOfMemoryWatch.h"
#include "cli/TreeJson.h"
#include "cli/TreeText.h"
#include "document/ReadConfigFile.h"
#include "document/Reader_XmlManager.h"
#include "document/Utf8Text.h"
#include "resources/StringTable.h"

#include <CLI/CLI.hpp>

#include <ostream>

namespace cadmira::cli {

CLI::App* CTreeCommand::Register(CLI::App& app) {
  CLI::App* command = app.add_subcommand("tree", "Print the element tree of an XML file");
  command->add_flag("--json", m_bJson, kJsonFlagHelp);
  command->add_option("FILE", m_strPath, "The XML file, or - for standard input")->required();
  return command;
}

int CTreeCommand::Run(CliStreams& streams) {
  const Result<std::vector<unsigned char>> bytes = ReadInputFile(m_strPath, streams.in);
  if (!bytes) {
    streams.err << bytes.error().message << '\n';
    return kExitUsage;
  }
  const COutOfMemoryWatch memory;
  const document::CReader_XmlManager tree(document::CReader_XmlManager::LoadConfigBytes(bytes.value()));
  if (!tree.Root() && memory.Happened()) {
    streams.err << kOutOfMemory << '\n';
    return kExitUsage;
  }
  if (!tree.Root()) {
    streams.err << document::ToUtf8(resources::EnglishString(document::kXmlFormatError)) << '\n';
    return kExitBadInput;
  }
  if (m_bJson) {
    WriteTreeJson(tree.Root(), streams.out);
  } else {
    WriteTreeText(tree.Root(), streams.out);
  }
  return kExitOk;
}

}  // namespace cadmira::cli
