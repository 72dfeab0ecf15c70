#pragma once

#include <cstddef>
#include <cstdint>

// The RC4 (ARC4) stream cipher; the same pass enciphers and deciphers.
class CZD_Rc4 {
 public:
  void SetKey(const unsigned char* key, std::size_t length);
  // XORs the next `length` bytes of the keystream over `data`.
  void Crypt(unsigned char* data, std::size_t length);

 private:
  // Whole words rather than bytes: the swaps then avoid partial-register merges.
  std::uint32_t m_state[256] = {};
  std::uint32_t m_i = 0;
  std::uint32_t m_j = 0;
};
