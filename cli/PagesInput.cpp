#include "cli/PagesInput.h"

#include "cli/ConfigInput.h"
#include "cli/ExitCode.h"
#include "cli/ProductWords.h"
#include "document/CheckProduct.h"
#include "document/LoadDocument.h"
#include "document/Utf8Text.h"
#include "resources/StringTable.h"

namespace cadmira::cli {
namespace {

PagesInput Refused(int exitCode, std::string message) {
  PagesInput input;
  input.exitCode = exitCode;
  input.message = std::move(message);
  return input;
}

std::string English(int id) { return document::ToUtf8(resources::EnglishString(id)); }

}  // namespace

PagesInput LoadPagesInput(const std::string& path, std::optional<int> product, std::istream& in) {
  Result<document::ConfigFile> read = ReadConfigInput(path, in);
  if (!read) return Refused(kExitUsage, read.error().message);
  document::ConfigFile file = std::move(read).value();
  if (!file.Root()) return Refused(kExitBadInput, path + ": " + English(document::kXmlFormatError));
  if (!file.product) return Refused(kExitBadInput, path + ": " + English(document::kNotAConfigurationFile));
  if (product && *product != *file.product) {
    return Refused(kExitBadInput,
                   path + ": a file of " + ProductName(*file.product) + ", not of " + ProductName(*product));
  }
  PagesInput input;
  input.pages = std::make_unique<CCliPages>(*file.product);
  document::ApplyDocument(file.Root(), *input.pages);
  input.file = std::move(file);
  return input;
}

}  // namespace cadmira::cli
