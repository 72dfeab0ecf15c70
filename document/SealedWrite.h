#pragma once

#include <string>
#include <vector>

#include "base/Result.h"
#include "document/DomDocument.h"

namespace cadmira::document {

// Serialises the document, seals the bytes and replaces the file at `path` with them
// atomically: afterwards the path holds either its old content or the whole sealed document.
// Every failure, a missing document included, is reported; nothing is left half written.
Status WriteSealedFile(const CDomDocument* document, const std::string& path);

// The same for bytes that are already serialised; `sealed` false writes them plain.
Status WriteConfigBytes(std::vector<unsigned char> bytes, const std::string& path, bool sealed);

}  // namespace cadmira::document
