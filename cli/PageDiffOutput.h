#pragma once

#include <iosfwd>

#include "pages/view/PageDiff.h"

namespace cadmira::cli {

// The differences in the command line's names and words, one per line.
void WritePageDiffText(const pages::PageDiff& diff, std::ostream& out);
void WritePageDiffJson(const pages::PageDiff& diff, std::ostream& out);

}  // namespace cadmira::cli
