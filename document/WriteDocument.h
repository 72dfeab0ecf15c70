#pragma once

#include <string>
#include <vector>

#include "base/Result.h"
#include "document/DocumentPages.h"
#include "document/WriteContext.h"
#include "resources/ResourceIds.h"
#include "resources/Product.h"

namespace cadmira::document {

// The message of a write that failed.
using resources::kDocumentNotSaved;

struct WriteResult {
  enum class Outcome {
    Written,
    // The DOM document could not be created; nothing was written.
    DocumentNotCreated,
    // A DOM call failed while the document was built; nothing was written.
    NotBuilt,
    // The sealed file could not replace the target, which keeps what it held.
    NotWritten,
  };
  Outcome outcome = Outcome::Written;
  // Why it failed, or what could not be done after the file was written, in words for a log or a
  // terminal; empty for a write that went through whole.
  std::string detail;
  // The system's error number behind a failed write, when the system gave the reason; else 0.
  int systemCode = 0;

  bool Written() const { return outcome == Outcome::Written; }
};

// Builds a fresh document of `product` from the pages into the context and serialises it: the
// plain bytes of every file the window and cadmira-cli write from pages. A DOM failure is an
// error (the context holds no document when none could be created); running out of memory
// raises std::bad_alloc.
Result<std::vector<unsigned char>> BuildFileBytes(CWriteContext& context, resources::Product product,
                                                  const IDocumentPages& pages);

// Builds the file's bytes as BuildFileBytes does and writes them sealed to `path`. The target
// is replaced whole or not at all; a document that cannot be built writes nothing. The pages' validation is the
// caller's, as Export asks before its file dialog.
WriteResult WriteDocument(CWriteContext& context, resources::Product product, const IDocumentPages& pages,
                          const std::string& path);

}  // namespace cadmira::document
