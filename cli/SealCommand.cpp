#include "cli/SealCommand.h"

#include "cli/ExitCode.h"
#include "cli/OutputFile.h"
#include "document/ReadConfigFile.h"
#include "document/Seal.h"

#include <CLI/CLI.hpp>

#include <ostream>
#include <utility>

namespace cadmira::cli {

CLI::App* CSealCommand::Register(CLI::App& app) {
  const bool seal = m_direction == Direction::kSeal;
  CLI::App* command =
      app.add_subcommand(seal ? "seal" : "unseal", seal ? "Encipher a plain configuration file into its sealed form"
                                                        : "Decipher a sealed configuration file into plain XML");
  AddInputArgument(*command, "IN", "The file to read, or - for standard input");
  command->add_option("OUT", m_strOutput, "The file to write, or - for standard output")->required();
  command->add_flag("--force", m_bForce,
                    seal ? "Seal IN even when it is not a plain configuration file"
                         : "Unseal IN even when it does not give a configuration file");
  return command;
}

int CSealCommand::RunOnInput(std::vector<unsigned char> data, CliStreams& streams) {
  const bool seal = m_direction == Direction::kSeal;
  // Both directions write what a plain configuration file gives; sealing twice would ship a plain one.
  if (!seal) document::SealBuffer(data.data(), data.size());
  if (!m_bForce && !document::ProductOfPlainBytes(data)) {
    if (MemoryRanOut()) {
      streams.err << kOutOfMemory << '\n';
      return kExitUsage;
    }
    streams.err << (InputPath() == "-" ? std::string("the standard input") : InputPath())
                << (seal ? " is not a plain configuration file of Zandor Reader or Zandor OrvantaPDF"
                         : " does not unseal into a configuration file of Zandor Reader or Zandor OrvantaPDF")
                << "; --force " << (seal ? "seals" : "unseals") << " it all the same\n";
    return kExitBadInput;
  }
  const document::FileForm form = seal ? document::FileForm::Sealed : document::FileForm::Plain;
  const Status written = WriteOutputFile(m_strOutput, std::move(data), form, streams.out, streams.err);
  if (!written) {
    streams.err << written.error().message << '\n';
    return kExitUsage;
  }
  return kExitOk;
}

}  // namespace cadmira::cli
