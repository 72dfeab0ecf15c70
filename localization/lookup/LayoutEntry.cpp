#include "localization/lookup/LayoutEntry.h"

#include <array>
#include <climits>
#include <cstdint>

namespace cadmira::localization {
namespace {

constexpr std::u16string_view kSeparator = u"|||";

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

std::optional<int> Accepted(std::u16string_view piece, int minimum) {
  if (piece.empty()) return std::nullopt;
  const int value = ReadLenientInt(piece);
  if (value < minimum) return std::nullopt;
  return value;
}

}  // namespace

std::u16string JoinLayoutEntry(std::u16string_view text, std::u16string_view left, std::u16string_view top,
                               std::u16string_view width, std::u16string_view height) {
  std::u16string joined;
  for (const std::u16string_view piece : {text, left, top, width, height}) {
    joined.append(piece);
    joined.append(kSeparator);
  }
  return joined;
}

LayoutEntry ParseLayoutEntry(std::u16string_view joined) {
  std::array<std::u16string_view, 5> pieces{};
  std::size_t count = 0;
  std::size_t start = 0;
  while (count < pieces.size()) {
    const std::size_t separator = joined.find(kSeparator, start);
    if (separator == std::u16string_view::npos) break;
    pieces[count++] = joined.substr(start, separator - start);
    start = separator + kSeparator.size();
  }
  LayoutEntry entry;
  entry.text = std::u16string(pieces[0]);
  entry.left = Accepted(pieces[1], 0);
  entry.top = Accepted(pieces[2], 0);
  entry.width = Accepted(pieces[3], 1);
  entry.height = Accepted(pieces[4], 1);
  return entry;
}

int ReadLenientInt(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  std::int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - u'0');
    if (magnitude > std::int64_t{INT_MAX} + 1) magnitude = std::int64_t{INT_MAX} + 1;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > INT_MAX) return INT_MAX;
  return static_cast<int>(value);
}

int ScaleToDpi(int value, int dpi) {
  const std::int64_t scaled = std::int64_t{value} * dpi / 96;
  if (scaled > INT_MAX) return INT_MAX;
  if (scaled < INT_MIN) return INT_MIN;
  return static_cast<int>(scaled);
}

}  // namespace cadmira::localization
