#pragma once

#include "base/StreamRead.h"
#include "base/XmlCharClass.h"

#include <cstdint>
#include <string>
#include <string_view>

class CZD_Utf8Reader;

// Reads the input of the XML reader byte by byte across the blocks of its reader.
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
    if (m_index < m_size && !IsSpace(m_data[m_index])) {
      return;
    }
    SkipWhitespaceRun();
  }
  // Collects name characters, a ':' turning what came before it into the prefix. The views stay
  // valid until the next call.
  void ReadName(std::string_view& prefix, std::string_view& name);
  // Stops just after the first occurrence of `literal` (at most 4 bytes), or at the end.
  void SkipLiteral(std::string_view literal);
  // Reads a character reference after its '&', up to and including the next ';'.
  std::uint32_t ReadCharRef();
  // The bytes up to the closing quote when they lie in the current block and are all plain
  // ASCII without '&': consumes them with the quote and returns true. Otherwise consumes nothing.
  bool ReadPlainQuoted(unsigned char quote, std::string_view& value);
  // Decodes the rest of a quoted attribute value and consumes its closing quote.
  void ReadQuoted(unsigned char quote, CZD_Utf8Reader& value);
  // Decodes text content up to the next '<' or '&' (not consumed).
  void ReadText(CZD_Utf8Reader& text);

 private:
  static bool IsSpace(unsigned char c) { return xmlchar::Is(c, xmlchar::kSpace); }
  void SkipWhitespaceRun();
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
