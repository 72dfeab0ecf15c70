#include "base/TextScanner.h"

#include "base/TextRuns.h"
#include "base/TextWriter.h"
#include "base/XmlCharClass.h"

#include <cstring>

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
    const unsigned char* end = m_data + m_size;
    const unsigned char* p = xmlrun::SkipSpaces(m_data + m_index, end);
    m_index = static_cast<std::size_t>(p - m_data);
    if (p < end) {
      return;
    }
  }
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
  // The value stops growing once it is past the last code point, so that a long number cannot
  // wrap round to a character such as '<'; it then appends nothing.
  constexpr std::uint32_t kLastCodePoint = 0x10FFFF;
  std::uint32_t value = 0;
  while (HasByte()) {
    const unsigned char c = Next();
    if (c == ';') {
      break;
    }
    if (value > kLastCodePoint) {
      continue;
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
    const unsigned char* p = xmlrun::WidenAscii(start, end, stop, text);
    if (p != start) {
      text.CancelSequence();
    }
    p = xmlrun::DecodeHigh(p, end, text);
    m_index = static_cast<std::size_t>(p - m_data);
    if (p < end && (*p == stop || *p == '&')) {
      return;
    }
  }
}
