#include "cli/SealCommand.h"

#include "cli/ExitCode.h"
#include "cli/InputFile.h"
#include "cli/OutputFile.h"
#include "document/Seal.h"

#include <CLI/CLI.hpp>

#include <ostream>

namespace cadmira::cli {

CLI::App* CSealCommand::Register(CLI::App& app) {
  const bool seal = m_direction == Direction::kSeal;
  CLI::App* command = app.add_subcommand(seal ? "seal" : "unseal",
                                         seal ? "Encipher a plain configuration file into its sealed form"
                                              : "Decipher a sealed configuration file into plain XML");
  command->add_option("IN", m_strInput, "The file to read, or - for standard input")->required();
  command->add_option("OUT", m_strOutput, "The file to write, or - for standard output")->required();
  return command;
}

int CSealCommand::Run(CliStreams& streams) {
  Result<std::vector<unsigned char>> bytes = ReadInputFile(m_strInput, streams.in);
  if (!bytes) {
    streams.err << bytes.error().message << '\n';
    return kExitUsage;
  }
  std::vector<unsigned char>& data = bytes.value();
  document::SealBuffer(data.data(), data.size());
  const Status written = WriteOutputFile(m_strOutput, data, streams.out);
  if (!written) {
    streams.err << written.error().message << '\n';
    return kExitUsage;
  }
  return kExitOk;
}

}  // namespace cadmira::cli
