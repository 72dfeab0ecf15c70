#include "cli/English.h"

#include "document/Utf8Text.h"
#include "resources/StringTable.h"

namespace cadmira::cli {

std::string English(int id) { return document::ToUtf8(resources::EnglishString(id)); }

}  // namespace cadmira::cli
