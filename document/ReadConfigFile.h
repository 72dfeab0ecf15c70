#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/Result.h"
#include "document/FileForm.h"
#include "document/ReadWholeFile.h"
#include "document/Reader_XmlManager.h"
#include "resources/ResourceIds.h"
#include "resources/Product.h"

namespace cadmira::document {

// Which forms of a file a load accepts: dropped files and the file named at start are read
// plain only; Import and the command-line tool also try the unsealed form.
enum class ReadForms { PlainOnly, PlainThenSealed };

// The message of a file that gives no tree: "The format of xml is error."
using resources::kXmlFormatError;

struct ConfigFile {
  CReader_XmlManager tree;  // empty when no accepted form parsed
  FileForm form = FileForm::Plain;
  std::optional<resources::Product> product;  // empty when the root names neither

  CXML_TreeElement* Root() const { return tree.Root(); }
};

// Parses the bytes of a file in the accepted forms. With PlainThenSealed the form whose root
// names one of the two products wins (the plain one when both do); when neither does, the plain
// tree if it parsed, else the unsealed one, and `form` says which of them `tree` holds. When
// no form parsed, the tree is empty and the form is Plain.
ConfigFile ReadConfigBytes(std::vector<unsigned char> bytes, ReadForms forms);

// The product whose plain configuration file the bytes are; empty when they do not parse or
// their root names neither product.
std::optional<resources::Product> ProductOfPlainBytes(std::span<const unsigned char> bytes);

// Whether plain bytes end before their root element is closed, as a file cut short does. The
// reader closes whatever is open at the end of data, so the tree alone cannot tell: with one
// byte more, a parse that stops only at the end never reached the root's end.
bool EndsBeforeRootCloses(std::vector<unsigned char> plain);

// Reads the file once (a file of `kinds`, at most what the reader takes) and parses it as
// ReadConfigBytes does. The error says why the file could not be read; a file that was read but
// did not parse gives an empty tree instead.
Result<ConfigFile> ReadConfigFile(const std::string& path, ReadForms forms, FileKinds kinds = FileKinds::AnyStream);

}  // namespace cadmira::document
