#include "cli/JsonWriter.h"

#include "document/Utf8Text.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace cadmira::cli {

namespace {

constexpr char kHex[] = "0123456789abcdef";

void AppendUnitEscape(std::uint32_t unit, std::string& out) {
  out += "\\u";
  out += kHex[(unit >> 12) & 0xF];
  out += kHex[(unit >> 8) & 0xF];
  out += kHex[(unit >> 4) & 0xF];
  out += kHex[unit & 0xF];
}

// The escapes every JSON string needs: quote, backslash and control characters.
bool AppendSimpleEscape(std::uint32_t c, std::string& out) {
  switch (c) {
    case '"':
      out += "\\\"";
      return true;
    case '\\':
      out += "\\\\";
      return true;
    case '\b':
      out += "\\b";
      return true;
    case '\f':
      out += "\\f";
      return true;
    case '\n':
      out += "\\n";
      return true;
    case '\r':
      out += "\\r";
      return true;
    case '\t':
      out += "\\t";
      return true;
    default:
      break;
  }
  if (c < 0x20) {
    AppendUnitEscape(c, out);
    return true;
  }
  return false;
}

}  // namespace

void CJsonWriter::EscapeBytes(std::string_view bytes, std::string& out) {
  const bool valid = document::IsValidUtf8(bytes);
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (AppendSimpleEscape(c, out)) {
      continue;
    }
    if (c >= 0x80 && !valid) {
      AppendUnitEscape(c, out);
    } else {
      out += ch;
    }
  }
}

void CJsonWriter::EscapeUtf16(std::u16string_view text, std::string& out) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::uint32_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      document::AppendUtf8(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00u), out);
      ++i;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      document::AppendUtf8(0xFFFD, out);
    } else if (unit == 0) {
      AppendUnitEscape(unit, out);
    } else if (!AppendSimpleEscape(unit, out)) {
      document::AppendUtf8(unit, out);
    }
  }
}

void CJsonWriter::Null() {
  BeforeValue();
  m_out << "null";
}

void CJsonWriter::Bool(bool value) {
  BeforeValue();
  m_out << (value ? "true" : "false");
}

void CJsonWriter::BeforeValue() {
  if (m_afterKey) {
    m_afterKey = false;
    return;
  }
  if (!m_hasMember.empty()) {
    if (m_hasMember.back()) {
      m_out << ", ";
    }
    m_hasMember.back() = true;
  }
}

void CJsonWriter::BeginObject() {
  BeforeValue();
  m_out << '{';
  m_hasMember.push_back(false);
}

void CJsonWriter::EndObject() {
  m_hasMember.pop_back();
  m_out << '}';
}

void CJsonWriter::BeginArray() {
  BeforeValue();
  m_out << '[';
  m_hasMember.push_back(false);
}

void CJsonWriter::EndArray() {
  m_hasMember.pop_back();
  m_out << ']';
}

void CJsonWriter::Key(std::string_view key) {
  BeforeValue();
  std::string text = "\"";
  EscapeBytes(key, text);
  text += "\": ";
  m_out << text;
  m_afterKey = true;
}

void CJsonWriter::ByteName(std::string_view bytes) {
  BeforeValue();
  m_out << QuotedBytes(bytes);
}

void CJsonWriter::Utf16(std::u16string_view value) {
  BeforeValue();
  m_out << Quoted(value);
}

void CJsonWriter::Utf16Array(const std::vector<std::u16string>& items) {
  BeginArray();
  for (const std::u16string& item : items) Utf16(item);
  EndArray();
}

std::string CJsonWriter::Quoted(std::u16string_view text) {
  std::string out = "\"";
  EscapeUtf16(text, out);
  return out + '"';
}

std::string CJsonWriter::QuotedBytes(std::string_view bytes) {
  std::string out = "\"";
  EscapeBytes(bytes, out);
  return out + '"';
}

void CJsonWriter::Integer(long long value) {
  BeforeValue();
  m_out << value;
}

}  // namespace cadmira::cli
