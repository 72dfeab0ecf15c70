#include "cli/Commands.h"

#include "cli/ApplyCommand.h"
#include "cli/DiffCommand.h"
#include "cli/LintCommand.h"
#include "cli/NewCommand.h"
#include "cli/ReportCommand.h"
#include "cli/SealCommand.h"
#include "cli/SetCommand.h"
#include "cli/SettingsCommand.h"
#include "cli/ShowCommand.h"
#include "cli/TreeCommand.h"

namespace cadmira::cli {

std::vector<std::unique_ptr<CCliCommand>> MakeCommands() {
  std::vector<std::unique_ptr<CCliCommand>> commands;
  commands.push_back(std::make_unique<CTreeCommand>());
  commands.push_back(std::make_unique<CSealCommand>(CSealCommand::Direction::kSeal));
  commands.push_back(std::make_unique<CSealCommand>(CSealCommand::Direction::kUnseal));
  commands.push_back(std::make_unique<CShowCommand>());
  commands.push_back(std::make_unique<CNewCommand>());
  commands.push_back(std::make_unique<CSettingsCommand>());
  commands.push_back(std::make_unique<CSetCommand>());
  commands.push_back(std::make_unique<CApplyCommand>());
  commands.push_back(std::make_unique<CDiffCommand>());
  commands.push_back(std::make_unique<CLintCommand>());
  commands.push_back(std::make_unique<CReportCommand>());
  return commands;
}

}  // namespace cadmira::cli
