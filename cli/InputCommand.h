#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Result.h"
#include "cli/CliCommand.h"
#include "cli/OutOfMemoryWatch.h"
#include "document/ReadConfigFile.h"

namespace cadmira::cli {

// A command that reads an input, a file or standard input for "-". The input is read whole
// once, as every load reads a file, before the command sees its bytes; memory is watched while
// the command runs, so that a reader giving no tree for want of memory is not reported as a file
// in the wrong format.
class CInputCommand : public CCliCommand {
 public:
  int Run(CliStreams& streams) final;

 protected:
  // The positional argument that names the input.
  CLI::Option* AddInputArgument(CLI::App& command, const std::string& name, const std::string& help);
  const std::string& InputPath() const { return m_strInput; }

  // Runs on the input's bytes; the exit status.
  virtual int RunOnInput(std::vector<unsigned char> bytes, CliStreams& streams) = 0;

  // Whether memory ran out since the input was read.
  bool MemoryRanOut() const { return m_memory && m_memory->Happened(); }
  // The bytes read as Import reads a file, plain then sealed. Running out of memory is an error;
  // bytes that do not parse give a file without a tree.
  Result<document::ConfigFile> ReadConfig(std::vector<unsigned char> bytes) const;

  struct ConfigTree {
    std::optional<document::ConfigFile> file;
    int refusal = 0;  // the exit status when there is no file
  };
  // ReadConfig for a command that needs a tree: when there is none, the reason is said on the
  // error stream and the file is empty.
  ConfigTree ReadConfigTree(std::vector<unsigned char> bytes, CliStreams& streams) const;

 private:
  std::string m_strInput;
  std::optional<COutOfMemoryWatch> m_memory;
};

}  // namespace cadmira::cli
