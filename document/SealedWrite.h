#pragma once

#include <string>
#include <vector>

#include "base/ReplaceFileAtomically.h"
#include "base/Result.h"
#include "document/DomDocument.h"
#include "document/FileForm.h"

namespace cadmira::document {

// The one write of a configuration file: the plain bytes are put in the form (sealed, unless a
// plain file is asked for) and replace the file at `path` atomically, so that afterwards the
// path holds either its old content or the whole new one. A result with a warning means the file
// was written, and the warning is worth one line to the user.
Result<Replaced> WriteConfigFile(const std::string& path, std::vector<unsigned char> plain,
                                 FileForm form = FileForm::Sealed);

// The plain bytes of the document; a missing document or one that cannot be serialised is an
// error. Running out of memory raises std::bad_alloc, for the caller to tell apart.
Result<std::vector<unsigned char>> SerializeDocument(const CDomDocument* document);

// Serialises the document and writes it in `form` as WriteConfigFile does.
Result<Replaced> WriteDocumentFile(const CDomDocument* document, const std::string& path,
                                   FileForm form = FileForm::Sealed);

// The bytes of a file in `form`, made from its plain bytes in place.
void PutInForm(std::vector<unsigned char>& plain, FileForm form);

}  // namespace cadmira::document
