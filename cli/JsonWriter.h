#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace cadmira::cli {

// The help of every --json flag: what the output promises.
inline constexpr const char* kJsonFlagHelp =
    "Print JSON instead of text: valid UTF-8, with U+FFFD in place of a lone surrogate";

// Writes JSON as it goes, keeping only one flag per open container, so that documents of any
// depth print without recursion. Separators are ", " and ": ".
class CJsonWriter {
 public:
  explicit CJsonWriter(std::ostream& out) : m_out(out) {}

  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // An object key, given in UTF-8.
  void Key(std::string_view key);
  // Raw bytes of a name: as they are when valid UTF-8, else every byte from 0x80 up as \u00XX.
  void ByteName(std::string_view bytes);
  // UTF-16 text; an unpaired surrogate becomes U+FFFD, which JSON readers accept, and U+0000 \u0000.
  void Utf16(std::u16string_view text);
  // An array of UTF-16 texts, each as Utf16 writes it.
  void Utf16Array(const std::vector<std::u16string>& items);
  void Integer(long long value);
  void Null();
  void Bool(bool value);

  // Appends the UTF-16 text, JSON-escaped without quotes, to `out`.
  static void EscapeUtf16(std::u16string_view text, std::string& out);
  // Appends the bytes, JSON-escaped without quotes, to `out` (see ByteName).
  static void EscapeBytes(std::string_view bytes, std::string& out);
  // The text, or the bytes, JSON-escaped in double quotes, as a string of its own.
  static std::string Quoted(std::u16string_view text);
  static std::string QuotedBytes(std::string_view bytes);

 private:
  void BeforeValue();

  std::ostream& m_out;
  // For each open container: whether it has a member yet.
  std::vector<bool> m_hasMember;
  bool m_afterKey = false;
};

}  // namespace cadmira::cli
