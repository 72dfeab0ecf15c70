#include "base/CodePageMap.h"

#include <iconv.h>

#include <cerrno>
#include <string>

namespace {

#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr const char* kUtf16 = "UTF-16LE";
#else
constexpr const char* kUtf16 = "UTF-16BE";
#endif

// Runs iconv over the whole input; an input unit that does not convert is replaced by
// `replacement` and skipped.
std::string Convert(const char* to, const char* from, const char* input, std::size_t size, std::size_t unitSize,
                    std::string_view replacement) {
  std::string output;
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    return output;
  }
  char chunk[4096];
  char* in = const_cast<char*>(input);
  std::size_t inLeft = size;
  while (inLeft > 0) {
    char* out = chunk;
    std::size_t outLeft = sizeof chunk;
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    output.append(chunk, static_cast<std::size_t>(out - chunk));
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      output.append(replacement);
      const std::size_t skip = inLeft < unitSize ? inLeft : unitSize;
      in += skip;
      inLeft -= skip;
    }
  }
  char* out = chunk;
  std::size_t outLeft = sizeof chunk;
  iconv(converter, nullptr, nullptr, &out, &outLeft);
  output.append(chunk, static_cast<std::size_t>(out - chunk));
  iconv_close(converter);
  return output;
}

}  // namespace

CZD_WideStr CZD_CodePageMap::ToWide(CZD_ByteStrView bytes) const {
  static constexpr char16_t kReplacement = 0xFFFD;
  const std::string units =
      Convert(kUtf16, m_charset, bytes.data(), static_cast<std::size_t>(bytes.GetLength()), 1,
              std::string_view(reinterpret_cast<const char*>(&kReplacement), sizeof kReplacement));
  return CZD_WideStr(reinterpret_cast<const char16_t*>(units.data()), static_cast<int>(units.size() / 2));
}

CZD_ByteStr CZD_CodePageMap::ToBytes(CZD_WideStrView text) const {
  const std::string bytes = Convert(m_charset, kUtf16, reinterpret_cast<const char*>(text.data()),
                                    static_cast<std::size_t>(text.GetLength()) * 2, 2, "?");
  return CZD_ByteStr(bytes.data(), static_cast<int>(bytes.size()));
}
