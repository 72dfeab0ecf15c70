#include "resources/StringTable.h"

#include <algorithm>
#include <iterator>

namespace cadmira::resources {
namespace {

struct StringEntry {
  int id;
  std::u16string_view text;
};

// Sorted by id.
constexpr StringEntry kEnglishStrings[] = {
    {126, u"Notice"},
    {232, u"The document could not be saved. The file may be read-only, or opened by another user. "
          u"Please save the document with a different name or in different folder."},
    {235, u"Please enter the version!"},
    {236, u"Both Zandor Reader and Zandor OrvantaPDF have this configuration tool, Please go to \u201CInterface\u201D "
          u"to choose the product Reader or Orvanta firstly. "},
    {237, u"Both Zandor Reader and Zandor OrvantaPDF have this configuration tool, Please go to \u201CInterface\u201D "
          u"to choose the product Reader or Orvanta firstly. "},
    {238, u"This XML is not used in Zandor OrvantaPDF and Zandor Reader, please use the right one and try again."},
    {246, u"The format of xml is error."},
};

static_assert(std::is_sorted(std::begin(kEnglishStrings), std::end(kEnglishStrings),
                             [](const StringEntry& a, const StringEntry& b) { return a.id < b.id; }));

}  // namespace

std::u16string_view EnglishString(int id) {
  const auto found = std::lower_bound(std::begin(kEnglishStrings), std::end(kEnglishStrings), id,
                                      [](const StringEntry& e, int wanted) { return e.id < wanted; });
  if (found == std::end(kEnglishStrings) || found->id != id) return {};
  return found->text;
}

}  // namespace cadmira::resources
