#include "cli/CliCommand.h"

#include <CLI/CLI.hpp>

#include "cli/JsonWriter.h"
#include "pages/view/ProductWords.h"

namespace cadmira::cli {

CLI::Option* CCliCommand::AddProductOption(CLI::App& command) {
  return command.add_option("--product", m_strProduct, "The product, reader or orvanta")
      ->check(CLI::IsMember({"reader", "orvanta"}));
}

std::optional<resources::Product> CCliCommand::ChosenProduct() const {
  if (m_strProduct.empty()) return std::nullopt;
  return pages::ProductFromWord(m_strProduct);
}

void CCliCommand::AddJsonFlag(CLI::App& command) { command.add_flag("--json", m_bJson, kJsonFlagHelp); }

}  // namespace cadmira::cli
