#include "pages/preferences/model/ValidateBeforeWrite.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <limits>

namespace cadmira::pages {
namespace {

// The C library's white space, and the no-break and ideographic spaces an input method may type.
bool IsWhiteSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r') || c == u'\u00A0' || c == u'\u3000'; }

}  // namespace

bool IsBlankText(std::u16string_view text) { return std::all_of(text.begin(), text.end(), IsWhiteSpace); }

int LeadingInteger(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsWhiteSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  // Accumulated as a negative number, whose range is the wider one.
  constexpr long long kLowest = std::numeric_limits<int>::min();
  long long value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = std::max(kLowest - 1, value * 10 - (text[i] - u'0'));
  }
  if (negative) return static_cast<int>(std::max(value, kLowest));
  return static_cast<int>(std::min(-value, static_cast<long long>(std::numeric_limits<int>::max())));
}

bool RollingTimeAccepted(std::u16string_view text) {
  if (text.empty()) return true;
  const int seconds = LeadingInteger(text);
  return seconds >= kMinRollingTime && seconds <= kMaxRollingTime;
}

WriteRefusal CheckBeforeWrite(const document::IPageControls& controls) {
  if (IsBlankText(controls.Text(document::kPreferencesDialog, document::kVersionEdit))) {
    return WriteRefusal::EmptyVersion;
  }
  if (!RollingTimeAccepted(controls.Text(document::kAdvertiseDialog, document::kRollingTimeEdit))) {
    return WriteRefusal::RollingTimeOutOfRange;
  }
  return WriteRefusal::None;
}

int RefusalMessageId(WriteRefusal refusal) {
  switch (refusal) {
    case WriteRefusal::EmptyVersion:
      return resources::kEmptyVersionMessage;
    case WriteRefusal::RollingTimeOutOfRange:
      return resources::kRollingTimeMessage;
    case WriteRefusal::None:
      break;
  }
  return 0;
}

}  // namespace cadmira::pages
