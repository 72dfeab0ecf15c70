#include "base/TextScanner.h"

#include "base/TextWriter.h"
#include "base/XmlCharClass.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

#if defined(__SSE2__)
__m128i Load16(const unsigned char* bytes) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)); }
#endif

// Copies the bytes below 0x80 from `p` as units until `stop`, '&' or a higher byte (returned)
// or `end`, widening 16 at a time.
const unsigned char* WidenAsciiRun(const unsigned char* p, const unsigned char* end, unsigned char stop,
                                   CXML_TextWriter& out) {
#if defined(__SSE2__)
  const __m128i stops = _mm_set1_epi8(static_cast<char>(stop));
  const __m128i ampersands = _mm_set1_epi8('&');
  const __m128i zero = _mm_setzero_si128();
  while (end - p >= 16) {
    char16_t* units = out.Room(16);
    const __m128i bytes = Load16(p);
    // All 16 are stored; only those before the first special byte are taken.
    _mm_storeu_si128(reinterpret_cast<__m128i*>(units), _mm_unpacklo_epi8(bytes, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(units + 8), _mm_unpackhi_epi8(bytes, zero));
    const __m128i special = _mm_or_si128(_mm_cmpeq_epi8(bytes, stops), _mm_cmpeq_epi8(bytes, ampersands));
    const unsigned mask =
        static_cast<unsigned>(_mm_movemask_epi8(special)) | static_cast<unsigned>(_mm_movemask_epi8(bytes));
    if (mask != 0) {
      const unsigned taken = static_cast<unsigned>(std::countr_zero(mask));
      out.Advance(taken);
      return p + taken;
    }
    out.Advance(16);
    p += 16;
  }
#endif
  while (p < end) {
    const unsigned char c = *p;
    if (c >= 0x80 || c == stop || c == '&') {
      break;
    }
    *out.Room(1) = c;
    out.Advance(1);
    ++p;
  }
  return p;
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Decodes the bytes from 0x80 up from `p` until a lower byte or `end`. Whole two- and three-byte
// sequences are decoded at once; anything else goes byte by byte through the writer's decoder.
const unsigned char* DecodeHighRun(const unsigned char* p, const unsigned char* end, CXML_TextWriter& out) {
  while (p < end && *p >= 0x80) {
    const unsigned char c = *p;
    // A lead byte starts a new sequence whatever was pending.
    if (c >= 0xE0 && c < 0xF0 && end - p >= 3 && IsContinuation(p[1]) && IsContinuation(p[2])) {
      const std::uint32_t codePoint = ((c & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
      *out.Room(1) = static_cast<char16_t>(codePoint != 0 ? codePoint : 0xFFFD);
      out.Advance(1);
      out.CancelSequence();
      p += 3;
    } else if (c >= 0xC0 && c < 0xE0 && end - p >= 2 && IsContinuation(p[1])) {
      const std::uint32_t codePoint = ((c & 0x1Fu) << 6) | (p[1] & 0x3Fu);
      *out.Room(1) = static_cast<char16_t>(codePoint != 0 ? codePoint : 0xFFFD);
      out.Advance(1);
      out.CancelSequence();
      p += 2;
    } else {
      out.InputHigh(c);
      ++p;
    }
  }
  return p;
}

}  // namespace

bool CXML_TextScanner::Start() {
  if (!m_reader.NextBlock(false)) {
    return false;
  }
  m_data = m_reader.BlockData();
  m_size = m_reader.BlockLength();
  m_blockStart = m_reader.BlockStart();
  m_index = 0;
  return true;
}

bool CXML_TextScanner::Refill() {
  while (m_index >= m_size) {
    if (m_reader.AtEnd() || !m_reader.NextBlock(false)) {
      return false;
    }
    m_data = m_reader.BlockData();
    m_size = m_reader.BlockLength();
    m_blockStart = m_reader.BlockStart();
    m_index = 0;
  }
  return true;
}

void CXML_TextScanner::SkipWhitespaceRun() {
  while (HasByte()) {
    const unsigned char* p = m_data + m_index;
    const unsigned char* end = m_data + m_size;
#if defined(__SSE2__)
    // White space is 0x00-0x20, 0xFE and 0xFF: a byte is kept as it is by clamping to 0x21-0xFD
    // exactly when it is not white space.
    const __m128i low = _mm_set1_epi8(0x21);
    const __m128i high = _mm_set1_epi8(static_cast<char>(0xFD));
    while (end - p >= 16) {
      const __m128i bytes = Load16(p);
      const __m128i clamped = _mm_min_epu8(_mm_max_epu8(bytes, low), high);
      const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(clamped, bytes)));
      if (mask != 0) {
        m_index = static_cast<std::size_t>(p - m_data) + static_cast<unsigned>(std::countr_zero(mask));
        return;
      }
      p += 16;
    }
#endif
    while (p < end && IsSpace(*p)) {
      ++p;
    }
    m_index = static_cast<std::size_t>(p - m_data);
    if (p < end) {
      return;
    }
  }
}

bool CXML_TextScanner::SkipName(const CZD_StrBlock<char>* name) {
  // Name blocks are readable for 8 bytes past their length, so whole words can be compared.
  const std::size_t length = static_cast<std::size_t>(name->m_nLength);
  if (m_size - m_index < length + 8) {
    return false;
  }
  const unsigned char* p = m_data + m_index;
  const char* expected = name->Data();
  std::size_t i = 0;
  std::uint64_t a = 0;
  std::uint64_t b = 0;
  for (; i + 8 <= length; i += 8) {
    std::memcpy(&a, p + i, 8);
    std::memcpy(&b, expected + i, 8);
    if (a != b) {
      return false;
    }
  }
  if (i < length) {
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(&a, p + i, 8);
      std::memcpy(&b, expected + i, 8);
      if (((a ^ b) & ((std::uint64_t{1} << (8 * (length - i))) - 1)) != 0) {
        return false;
      }
    } else if (std::memcmp(p + i, expected + i, length - i) != 0) {
      return false;
    }
  }
  const unsigned char after = p[length];
  if (after == ':' || xmlchar::Is(after, xmlchar::kNameChar)) {
    return false;
  }
  m_index += length;
  return true;
}

void CXML_TextScanner::ReadName(std::string_view& prefix, std::string_view& name) {
  // The common case first: a name without prefix that ends inside the block.
  std::size_t end = m_index;
  while (end < m_size && xmlchar::Is(m_data[end], xmlchar::kNameChar)) {
    ++end;
  }
  if (end < m_size && m_data[end] != ':') {
    prefix = {};
    name = std::string_view(reinterpret_cast<const char*>(m_data + m_index), end - m_index);
    m_index = end;
    return;
  }
  // Within one block the views point into the input; a name cut by a block end is collected.
  prefix = {};
  bool collecting = false;
  m_name.clear();
  while (HasByte()) {
    const std::size_t start = m_index;
    std::size_t segment = start;
    while (m_index < m_size) {
      const unsigned char c = m_data[m_index];
      if (xmlchar::Is(c, xmlchar::kNameChar)) {
        ++m_index;
      } else if (c == ':') {
        if (collecting) {
          m_name.append(reinterpret_cast<const char*>(m_data + segment), m_index - segment);
          m_prefix = m_name;
          m_name.clear();
          prefix = m_prefix;
          collecting = false;
        } else {
          prefix = std::string_view(reinterpret_cast<const char*>(m_data + segment), m_index - segment);
        }
        segment = ++m_index;
      } else {
        break;
      }
    }
    const std::string_view tail(reinterpret_cast<const char*>(m_data + segment), m_index - segment);
    if (m_index < m_size) {
      if (collecting) {
        m_name.append(tail);
        name = m_name;
      } else {
        name = tail;
      }
      return;
    }
    // The block ended inside the name: keep what was read, the prefix too, as the block changes.
    if (prefix.data() != m_prefix.data()) {
      m_prefix.assign(prefix);
      prefix = m_prefix;
    }
    m_name.append(tail);
    collecting = true;
  }
  name = m_name;
}

void CXML_TextScanner::SkipLiteral(std::string_view literal) {
  if (literal.size() == 1) {
    SkipPast(static_cast<unsigned char>(literal[0]));
    return;
  }
  const std::size_t length = literal.size();
  std::uint32_t wanted = 0;
  for (const char c : literal) {
    wanted = (wanted << 8) | static_cast<unsigned char>(c);
  }
  const std::uint32_t mask = length >= 4 ? 0xFFFFFFFFu : (1u << (8 * length)) - 1;
  const unsigned char last = static_cast<unsigned char>(literal.back());
  std::uint32_t window = 0;
  std::size_t seen = 0;
  while (HasByte()) {
    const unsigned char c = Next();
    window = (window << 8) | c;
    ++seen;
    if (c == last && seen >= length && (window & mask) == wanted) {
      return;
    }
  }
}

void CXML_TextScanner::SkipPastRun(unsigned char c) {
  while (HasByte()) {
    const void* found = std::memchr(m_data + m_index, c, m_size - m_index);
    if (found != nullptr) {
      m_index = static_cast<std::size_t>(static_cast<const unsigned char*>(found) - m_data) + 1;
      return;
    }
    m_index = m_size;
  }
}

std::uint32_t CXML_TextScanner::ReadNumber(unsigned base) {
  // Unsigned arithmetic: an overlong number wraps instead of overflowing.
  std::uint32_t value = 0;
  while (HasByte()) {
    const unsigned char c = Next();
    if (c == ';') {
      break;
    }
    if (base == 16 && xmlchar::Is(c, xmlchar::kHexDigit)) {
      value = value * 16 + xmlchar::HexValue(c);
    } else if (base == 10 && xmlchar::Is(c, xmlchar::kDigit)) {
      value = value * 10 + (c - '0');
    }
  }
  return value;
}

std::uint32_t CXML_TextScanner::ReadEntityName() {
  char name[5];
  std::size_t length = 0;
  while (HasByte()) {
    const unsigned char c = Next();
    if (c == ';') {
      break;
    }
    if (length < sizeof name) {
      name[length] = static_cast<char>(c);
    }
    ++length;
  }
  if (length > sizeof name) {
    return 0;
  }
  const std::string_view entity(name, length);
  if (entity == "gt") return 62;
  if (entity == "lt") return 60;
  if (entity == "amp") return 38;
  if (entity == "apos") return 39;
  if (entity == "quot") return 34;
  return 0;
}

std::uint32_t CXML_TextScanner::ReadCharRef() {
  if (!HasByte()) {
    return 0;
  }
  if (Peek() != '#') {
    return ReadEntityName();
  }
  ++m_index;
  if (HasByte() && Peek() == 'x') {
    ++m_index;
    return ReadNumber(16);
  }
  return ReadNumber(10);
}

void CXML_TextScanner::ReadQuoted(unsigned char quote, CXML_TextWriter& value) {
  for (;;) {
    ReadText(quote, value);
    if (!HasByte()) {
      return;
    }
    if (Next() == quote) {
      return;
    }
    // A reference in a value leaves a pending UTF-8 sequence as it is.
    value.AppendCodePoint(ReadCharRef());
  }
}

void CXML_TextScanner::ReadText(unsigned char stop, CXML_TextWriter& text) {
  while (HasByte()) {
    const unsigned char* start = m_data + m_index;
    const unsigned char* end = m_data + m_size;
    const unsigned char* p = WidenAsciiRun(start, end, stop, text);
    if (p != start) {
      text.CancelSequence();
    }
    p = DecodeHighRun(p, end, text);
    m_index = static_cast<std::size_t>(p - m_data);
    if (p < end && (*p == stop || *p == '&')) {
      return;
    }
  }
}
