#include "document/DocumentBytes.h"

#include <new>

#include "document/DocumentWriter.h"

namespace cadmira::document {

std::optional<std::vector<unsigned char>> DocumentBytes(resources::Product product, const IDocumentPages& pages) {
  CWriteContext context;
  try {
    FillDocument(context, product, pages);
    return context.m_spXmlDoc->Serialize();
  } catch (const CDomError&) {
    return std::nullopt;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace cadmira::document
