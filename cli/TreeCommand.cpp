#include "cli/TreeCommand.h"

#include "cli/English.h"
#include "cli/ExitCode.h"
#include "cli/TreeJson.h"
#include "cli/TreeText.h"
#include "document/ReadConfigFile.h"
#include "document/Reader_XmlManager.h"

#include <CLI/CLI.hpp>

#include <ostream>

namespace cadmira::cli {

CLI::App* CTreeCommand::Register(CLI::App& app) {
  CLI::App* command = app.add_subcommand("tree", "Print the element tree of an XML file");
  AddJsonFlag(*command);
  AddInputArgument(*command, "FILE", "The XML file, or - for standard input");
  return command;
}

int CTreeCommand::RunOnInput(std::vector<unsigned char> bytes, CliStreams& streams) {
  const document::CReader_XmlManager tree(document::CReader_XmlManager::LoadConfigBytes(bytes));
  if (!tree.Root() && MemoryRanOut()) {
    streams.err << kOutOfMemory << '\n';
    return kExitUsage;
  }
  if (!tree.Root()) {
    streams.err << English(document::kXmlFormatError) << '\n';
    return kExitBadInput;
  }
  if (JsonWanted()) {
    WriteTreeJson(tree.Root(), streams.out);
  } else {
    WriteTreeText(tree.Root(), streams.out);
  }
  return kExitOk;
}

}  // namespace cadmira::cli
