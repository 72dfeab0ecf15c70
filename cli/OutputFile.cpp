#include "cli/OutputFile.h"

#include "document/SealedWrite.h"

#include <ostream>
#include <utility>

namespace cadmira::cli {

Status WriteOutputFile(const std::string& path, std::vector<unsigned char> plain, document::FileForm form,
                       std::ostream& out, std::ostream& err) {
  if (path != "-") {
    Result<Replaced> written = document::WriteConfigFile(path, std::move(plain), form);
    if (!written) return written.error();
    if (!written.value().warning.empty()) err << "warning: " << written.value().warning << '\n';
    return {};
  }
  document::PutInForm(plain, form);
  out.write(reinterpret_cast<const char*>(plain.data()), static_cast<std::streamsize>(plain.size()));
  out.flush();
  if (!out) return Error{"cannot write the standard output"};
  return {};
}

}  // namespace cadmira::cli
