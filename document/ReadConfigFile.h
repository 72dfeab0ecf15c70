#pragma once

#include <optional>
#include <string>

#include "base/XmlTree.h"

namespace cadmira::document {

// Which forms of a file a load accepts: dropped files and the file named at start are read
// plain only; Import and the command-line tool also try the unsealed form.
enum class ReadForms { PlainOnly, PlainThenSealed };

enum class FileForm { Plain, Sealed };

struct ConfigFile {
  XmlTreePtr tree;              // null when no form parsed
  FileForm form = FileForm::Plain;
  std::optional<int> product;   // 1 Reader, 0 Orvanta, empty when the root names neither
};

// Reads the whole file and parses it in the accepted forms. With PlainThenSealed, the form
// whose root names one of the two products wins (the plain one when both do); when neither
// does, the plain tree if it parsed, else the unsealed one.
ConfigFile ReadConfigFile(const std::string& path, ReadForms forms);

}  // namespace cadmira::document
