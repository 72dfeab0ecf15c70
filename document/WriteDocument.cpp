#include "document/WriteDocument.h"

#include <new>

#include "document/DocumentWriter.h"
#include "document/SealedWrite.h"

namespace cadmira::document {

WriteResult WriteDocument(CWriteContext& context, int product, const IDocumentPages& pages, const std::string& path) {
  try {
    FillDocument(context, product, pages);
  } catch (const CDomError& error) {
    const auto outcome = context.m_spXmlDoc ? WriteResult::Outcome::NotBuilt : WriteResult::Outcome::DocumentNotCreated;
    return {outcome, error.what()};
  } catch (const std::bad_alloc&) {
    return {WriteResult::Outcome::NotBuilt, "out of memory"};
  }
  const Result<Replaced> written = WriteSealedFile(context.m_spXmlDoc.get(), path);
  if (!written) return {WriteResult::Outcome::NotWritten, written.error().message};
  return {WriteResult::Outcome::Written, written.value().warning};
}

}  // namespace cadmira::document
