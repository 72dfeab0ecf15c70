#include "document/SealedWrite.h"

#include <new>

#include "document/Seal.h"

namespace cadmira::document {

void PutInForm(std::vector<unsigned char>& plain, FileForm form) {
  if (form == FileForm::Sealed) SealBuffer(plain.data(), plain.size());
}

Result<Replaced> WriteConfigFile(const std::string& path, std::vector<unsigned char> plain, FileForm form) {
  PutInForm(plain, form);
  return ReplaceFileAtomically(path, plain);
}

Result<Replaced> WriteSealedFile(const CDomDocument* document, const std::string& path, FileForm form) {
  if (!document) return Error{"There is no document to write"};
  std::vector<unsigned char> bytes;
  try {
    bytes = document->Serialize();
  } catch (const CDomError& error) {
    return Error{std::string("The document could not be serialised: ") + error.what()};
  } catch (const std::bad_alloc&) {
    return Error{"The document could not be serialised: out of memory"};
  }
  return WriteConfigFile(path, std::move(bytes), form);
}

}  // namespace cadmira::document
