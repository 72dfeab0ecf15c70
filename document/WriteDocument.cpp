#include "document/WriteDocument.h"

#include <new>
#include <utility>

#include "document/DocumentWriter.h"
#include "document/SealedWrite.h"

namespace cadmira::document {

Result<std::vector<unsigned char>> BuildFileBytes(CWriteContext& context, resources::Product product,
                                                  const IDocumentPages& pages) {
  try {
    FillDocument(context, product, pages);
  } catch (const CDomError& error) {
    return Error{error.what()};
  }
  return SerializeDocument(context.m_spXmlDoc.get());
}

WriteResult WriteDocument(CWriteContext& context, resources::Product product, const IDocumentPages& pages,
                          const std::string& path) {
  Result<std::vector<unsigned char>> plain = Error{};
  try {
    plain = BuildFileBytes(context, product, pages);
  } catch (const std::bad_alloc&) {
    return {WriteResult::Outcome::NotBuilt, "out of memory"};
  }
  if (!plain) {
    const auto outcome = context.m_spXmlDoc ? WriteResult::Outcome::NotBuilt : WriteResult::Outcome::DocumentNotCreated;
    return {outcome, plain.error().message};
  }
  const Result<Replaced> written = WriteConfigFile(path, std::move(plain).value());
  if (!written) return {WriteResult::Outcome::NotWritten, written.error().message, written.error().code};
  return {WriteResult::Outcome::Written, written.value().warning};
}

}  // namespace cadmira::document
