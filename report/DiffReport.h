#pragma once

#include <string>

#include "pages/view/PageDiff.h"
#include "report/ReportDocument.h"

namespace cadmira::pages {
class CPageWords;
}

namespace cadmira::report {

// The differences of two page views in the words of their pages: each differing setting with
// both values, each ribbon element and plug-in hidden on one side only. `a` and `b` name the
// two sides (a file's path, or the pages as they are now).
ReportDocument DiffDocumentOf(const pages::PageDiff& diff, std::u16string a, std::u16string b,
                              const pages::CPageWords& words);

}  // namespace cadmira::report
