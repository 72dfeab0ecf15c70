#include "document/SealedWrite.h"

#include <new>

#include "base/ReplaceFileAtomically.h"
#include "document/Seal.h"

namespace cadmira::document {

Status WriteConfigBytes(std::vector<unsigned char> bytes, const std::string& path, bool sealed) {
  if (sealed) SealBuffer(bytes.data(), bytes.size());
  return ReplaceFileAtomically(path, bytes);
}

Status WriteSealedFile(const CDomDocument* document, const std::string& path) {
  if (!document) return Error{"There is no document to write"};
  std::vector<unsigned char> bytes;
  try {
    bytes = document->Serialize();
  } catch (const CDomError& error) {
    return Error{std::string("The document could not be serialised: ") + error.what()};
  } catch (const std::bad_alloc&) {
    return Error{"The document could not be serialised: out of memory"};
  }
  return WriteConfigBytes(std::move(bytes), path, true);
}

}  // namespace cadmira::document
