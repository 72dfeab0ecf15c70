#include "document/SealedWrite.h"

#include <new>
#include <utility>

#include "document/Seal.h"

namespace cadmira::document {

void PutInForm(std::vector<unsigned char>& plain, FileForm form) {
  if (form == FileForm::Sealed) SealBuffer(plain.data(), plain.size());
}

Result<Replaced> WriteConfigFile(const std::string& path, std::vector<unsigned char> plain, FileForm form) {
  PutInForm(plain, form);
  return ReplaceFileAtomically(path, plain);
}

Result<std::vector<unsigned char>> SerializeDocument(const CDomDocument* document) {
  if (!document) return Error{"There is no document to write"};
  try {
    return document->Serialize();
  } catch (const CDomError& error) {
    return Error{std::string("The document could not be serialised: ") + error.what()};
  }
}

Result<Replaced> WriteDocumentFile(const CDomDocument* document, const std::string& path, FileForm form) {
  try {
    Result<std::vector<unsigned char>> bytes = SerializeDocument(document);
    if (!bytes) return bytes.error();
    return WriteConfigFile(path, std::move(bytes).value(), form);
  } catch (const std::bad_alloc&) {
    return Error{"The document could not be serialised: out of memory"};
  }
}

}  // namespace cadmira::document
