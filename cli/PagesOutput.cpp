#include "cli/PagesOutput.h"

#include <new>
#include <ostream>
#include <utility>
#include <vector>

#include "pages/view/ModelPages.h"
#include "cli/English.h"
#include "cli/ExitCode.h"
#include "cli/OutputFile.h"
#include "document/WriteDocument.h"

namespace cadmira::cli {

int WritePages(const pages::CModelPages& pages, const std::string& path, bool sealed, CliStreams& streams) {
  if (const int refusal = pages.ValidateBeforeWrite(); refusal != 0) {
    streams.err << English(refusal) << '\n';
    return kExitBadInput;
  }
  document::CWriteContext context;
  Result<std::vector<unsigned char>> plain = Error{};
  try {
    plain = document::BuildFileBytes(context, pages.Product(), pages);
  } catch (const std::bad_alloc&) {
    streams.err << "cannot build the document: out of memory\n";
    return kExitUsage;
  }
  if (!plain) {
    // A value XML cannot carry, for one: the pages hold what cannot be written.
    streams.err << "cannot build the document: " << plain.error().message << '\n';
    return kExitBadInput;
  }
  const document::FileForm form = sealed ? document::FileForm::Sealed : document::FileForm::Plain;
  if (Status written = WriteOutputFile(path, std::move(plain).value(), form, streams.out, streams.err); !written) {
    streams.err << written.error().message << '\n';
    return kExitUsage;
  }
  return kExitOk;
}

}  // namespace cadmira::cli
