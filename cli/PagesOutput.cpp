#include "cli/PagesOutput.h"

#include <new>
#include <ostream>
#include <vector>

#include "cli/CliPages.h"
#include "cli/ExitCode.h"
#include "cli/OutputFile.h"
#include "document/DocumentWriter.h"
#include "document/Utf8Text.h"
#include "resources/StringTable.h"

namespace cadmira::cli {

int WritePages(const CCliPages& pages, const std::string& path, bool sealed, CliStreams& streams) {
  if (const int refusal = pages.ValidateBeforeWrite(); refusal != 0) {
    streams.err << document::ToUtf8(resources::EnglishString(refusal)) << '\n';
    return kExitBadInput;
  }
  document::CWriteContext context;
  std::vector<unsigned char> plain;
  try {
    document::FillDocument(context, pages.Product(), pages);
    plain = context.m_spXmlDoc->Serialize();
  } catch (const document::CDomError& error) {
    // A value XML cannot carry, for one: the pages hold what cannot be written.
    streams.err << "cannot build the document: " << error.what() << '\n';
    return kExitBadInput;
  } catch (const std::bad_alloc&) {
    streams.err << "cannot build the document: out of memory\n";
    return kExitUsage;
  }
  const document::FileForm form = sealed ? document::FileForm::Sealed : document::FileForm::Plain;
  if (Status written = WriteOutputFile(path, std::move(plain), form, streams.out, streams.err); !written) {
    streams.err << written.error().message << '\n';
    return kExitUsage;
  }
  return kExitOk;
}

}  // namespace cadmira::cli
