#pragma once

#include <cstddef>

// The RC4 (ARC4) stream cipher; the same pass enciphers and deciphers.
class CZD_Rc4 {
 public:
  void SetKey(const unsigned char* key, std::size_t length);
  // XORs the next `length` bytes of the keystream over `data`.
  void Crypt(unsigned char* data, std::size_t length);

 private:
  unsigned char m_state[256] = {};
  unsigned char m_i = 0;
  unsigned char m_j = 0;
};
