#include "report/ReportText.h"

#include "document/Utf8Text.h"

namespace cadmira::report {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kControlPictures = 0x2400;
constexpr char32_t kDeletePicture = 0x2421;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

char32_t Shown(char32_t c) {
  if (c == u'\t' || c == u'\n') return c;
  if (c < 0x20) return kControlPictures + c;
  if (c == 0x7F) return kDeletePicture;
  return c;
}

}  // namespace

std::string ReadableUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    char32_t code = c;
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      code = 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      code = kReplacement;
    }
    document::AppendUtf8(Shown(code), out);
  }
  return out;
}

}  // namespace cadmira::report
