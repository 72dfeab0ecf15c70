#include "cli/PagesInput.h"

#include "cli/English.h"
#include "cli/ExitCode.h"
#include "pages/view/ProductWords.h"
#include "document/CheckProduct.h"
#include "document/LoadDocument.h"

namespace cadmira::cli {
namespace {

PagesInput Refused(int exitCode, std::string message) {
  PagesInput input;
  input.exitCode = exitCode;
  input.message = std::move(message);
  return input;
}

}  // namespace

PagesInput LoadPagesInput(const std::string& path, Result<document::ConfigFile> read,
                          std::optional<resources::Product> product, int langid) {
  if (!read) return Refused(kExitUsage, read.error().message);
  document::ConfigFile file = std::move(read).value();
  if (!file.Root()) return Refused(kExitBadInput, path + ": " + English(document::kXmlFormatError));
  if (!file.product) return Refused(kExitBadInput, path + ": " + English(document::kNotAConfigurationFile));
  if (product && *product != *file.product) {
    return Refused(kExitBadInput, path + ": a file of " + pages::ProductName(*file.product) + ", not of " +
                                      pages::ProductName(*product));
  }
  PagesInput input;
  input.pages = std::make_unique<pages::CModelPages>(*file.product, langid);
  document::ApplyDocument(file.Root(), *input.pages);
  input.file = std::move(file);
  return input;
}

}  // namespace cadmira::cli
