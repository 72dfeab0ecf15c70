#include "base/Rc4.h"

#include <utility>

void CZD_Rc4::SetKey(const unsigned char* key, std::size_t length) {
  for (int i = 0; i < 256; ++i) {
    m_state[i] = static_cast<unsigned char>(i);
  }
  m_i = 0;
  m_j = 0;
  if (length == 0) {
    return;
  }
  unsigned char j = 0;
  for (std::size_t i = 0; i < 256; ++i) {
    j = static_cast<unsigned char>(j + m_state[i] + key[i % length]);
    std::swap(m_state[i], m_state[j]);
  }
}

void CZD_Rc4::Crypt(unsigned char* data, std::size_t length) {
  // Locals keep the indices in registers; the state table stays in the first-level cache.
  unsigned char* state = m_state;
  unsigned int i = m_i;
  unsigned int j = m_j;
  for (std::size_t n = 0; n < length; ++n) {
    i = (i + 1) & 0xFF;
    const unsigned int si = state[i];
    j = (j + si) & 0xFF;
    const unsigned int sj = state[j];
    state[i] = static_cast<unsigned char>(sj);
    state[j] = static_cast<unsigned char>(si);
    data[n] ^= state[(si + sj) & 0xFF];
  }
  m_i = static_cast<unsigned char>(i);
  m_j = static_cast<unsigned char>(j);
}
