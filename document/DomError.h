#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace cadmira::document {

// The failure codes a DOM call reports, with the values the Windows DOM gives them.
inline constexpr std::uint32_t kE_POINTER = 0x80004003u;
inline constexpr std::uint32_t kE_OUTOFMEMORY = 0x8007000Eu;
inline constexpr std::uint32_t kE_FAIL = 0x80004005u;

// Raised by every failing call of the write-side DOM; travels up to the command that writes.
class CDomError : public std::runtime_error {
 public:
  CDomError(std::uint32_t code, const std::string& what) : std::runtime_error(what), m_code(code) {}
  std::uint32_t Code() const { return m_code; }

 private:
  std::uint32_t m_code;
};

}  // namespace cadmira::document
