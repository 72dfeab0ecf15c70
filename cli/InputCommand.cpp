#include "cli/InputCommand.h"

#include <CLI/CLI.hpp>

#include <ostream>
#include <utility>

#include "cli/English.h"
#include "cli/ExitCode.h"
#include "cli/InputFile.h"

namespace cadmira::cli {

int CInputCommand::Run(CliStreams& streams) {
  Result<std::vector<unsigned char>> bytes = ReadInputFile(m_strInput, streams.in);
  if (!bytes) {
    streams.err << bytes.error().message << '\n';
    return kExitUsage;
  }
  m_memory.emplace();
  const int status = RunOnInput(std::move(bytes).value(), streams);
  m_memory.reset();
  return status;
}

CLI::Option* CInputCommand::AddInputArgument(CLI::App& command, const std::string& name, const std::string& help) {
  return command.add_option(name, m_strInput, help)->required();
}

Result<document::ConfigFile> CInputCommand::ReadConfig(std::vector<unsigned char> bytes) const {
  document::ConfigFile file = document::ReadConfigBytes(std::move(bytes), document::ReadForms::PlainThenSealed);
  if (!file.Root() && MemoryRanOut()) return Error{kOutOfMemory};
  return file;
}

CInputCommand::ConfigTree CInputCommand::ReadConfigTree(std::vector<unsigned char> bytes, CliStreams& streams) const {
  Result<document::ConfigFile> read = ReadConfig(std::move(bytes));
  if (!read) {
    streams.err << read.error().message << '\n';
    return {std::nullopt, kExitUsage};
  }
  if (!read.value().Root()) {
    streams.err << English(document::kXmlFormatError) << '\n';
    return {std::nullopt, kExitBadInput};
  }
  return {std::move(read).value(), 0};
}

}  // namespace cadmira::cli
