#pragma once

#include "document/DomDocument.h"
#include "document/PageControls.h"
#include "document/WriteContext.h"

struct CXML_TreeElement;

namespace cadmira::document {

// The three pages as the load and write sequences see them: the window implements this over its
// Preferences, Ribbon Set and Plugins pages, the command-line tool over the pages' models.
class IDocumentPages {
 public:
  virtual ~IDocumentPages() = default;

  // The option pages and the version box.
  virtual IPageControls& Controls() = 0;
  virtual const IPageControls& Controls() const = 0;

  // 0 when the pages may be written, else the string id of the message that refuses it.
  virtual int ValidateBeforeWrite() const = 0;

  virtual void ClearRibbonChecks() = 0;
  virtual void ApplyRibbonSection(const CXML_TreeElement* root) = 0;
  virtual void ApplyPluginSection(const CXML_TreeElement* root) = 0;

  // The hidden plug-ins (and the Tessadoc ones when that preference is ticked) into the document.
  virtual void WritePluginSection(CDomDocument& document) const = 0;
  // Every hidden ribbon element into the document's RibbonUI section.
  virtual void WriteRibbonSection(CWriteContext& context) const = 0;
};

}  // namespace cadmira::document
