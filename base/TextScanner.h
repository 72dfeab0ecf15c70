#pragma once

#include "base/StrBlock.h"
#include "base/StreamRead.h"
#include "base/TextRuns.h"
#include "base/XmlCharClass.h"

#include <cstdint>
#include <string>
#include <string_view>

class CXML_TextWriter;

// Reads the input of the XML reader across the blocks of its reader. Runs inside one block are
// scanned 16 bytes at a time where the processor allows it; every rule also holds byte by byte.
class CXML_TextScanner {
 public:
  explicit CXML_TextScanner(IZD_BufferRead& reader) : m_reader(reader) {}

  // Reads the first block; false when there is none.
  bool Start();
  bool HasByte() { return m_index < m_size || Refill(); }
  // The current byte; only after HasByte() returned true.
  unsigned char Peek() const { return m_data[m_index]; }
  unsigned char Next() { return m_data[m_index++]; }
  std::uint64_t Offset() const { return m_blockStart + m_index; }

  void SkipWhitespace() {
    if (m_index < m_size) {
      if (!IsSpace(m_data[m_index])) {
        return;
      }
      // Mostly the run ends inside the block: only the end of the block needs the call.
      const unsigned char* end = m_data + m_size;
      const unsigned char* p = xmlrun::SkipSpaces(m_data + m_index, end);
      m_index = static_cast<std::size_t>(p - m_data);
      if (p < end) {
        return;
      }
    }
    SkipWhitespaceRun();
  }
  // Collects name characters, a ':' turning what came before it into the prefix. The views stay
  // valid until the next call.
  void ReadName(std::string_view& prefix, std::string_view& name);
  // When the input is `name` (a block of the name table) without prefix, consumes it and
  // returns true, as ReadName would have read it; otherwise consumes nothing.
  bool SkipName(const CZD_StrBlock<char>* name) {
    if (!xmlrun::MatchesName(m_data + m_index, m_data + m_size, name)) {
      return false;
    }
    m_index += static_cast<std::size_t>(name->m_nLength);
    return true;
  }
  // The current block from the current byte on, for loops that run inside it.
  const unsigned char* Cursor() const { return m_data + m_index; }
  const unsigned char* BlockEnd() const { return m_data + m_size; }
  // Moves to `p`, a position between Cursor() and BlockEnd().
  void MoveTo(const unsigned char* p) { m_index = static_cast<std::size_t>(p - m_data); }
  // Stops just after the first occurrence of `literal` (at most 4 bytes), or at the end.
  void SkipLiteral(std::string_view literal);
  // The same for a one-byte literal.
  void SkipPast(unsigned char c) {
    if (m_index < m_size && m_data[m_index] == c) {
      ++m_index;
      return;
    }
    SkipPastRun(c);
  }
  // Reads a character reference after its '&', up to and including the next ';'.
  std::uint32_t ReadCharRef();
  // Decodes the rest of a quoted attribute value and consumes its closing quote.
  void ReadQuoted(unsigned char quote, CXML_TextWriter& value);
  // Decodes bytes up to the next `stop` or '&' (not consumed), or the end of the data.
  void ReadText(unsigned char stop, CXML_TextWriter& text);

 private:
  static bool IsSpace(unsigned char c) { return xmlchar::Is(c, xmlchar::kSpace); }
  void SkipWhitespaceRun();
  void SkipPastRun(unsigned char c);
  bool Refill();
  std::uint32_t ReadNumber(unsigned base);
  std::uint32_t ReadEntityName();

  IZD_BufferRead& m_reader;
  const unsigned char* m_data = nullptr;
  std::size_t m_size = 0;
  std::uint64_t m_blockStart = 0;
  std::size_t m_index = 0;
  std::string m_prefix;
  std::string m_name;
};
