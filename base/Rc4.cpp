#include "base/Rc4.h"

#include <cstring>
#include <utility>

namespace {
constexpr bool IsLittleEndian() { return __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__; }
}  // namespace

void CZD_Rc4::SetKey(const unsigned char* key, std::size_t length) {
  for (std::uint32_t i = 0; i < 256; ++i) {
    m_state[i] = i;
  }
  m_i = 0;
  m_j = 0;
  if (length == 0) {
    return;
  }
  std::uint32_t j = 0;
  for (std::size_t i = 0; i < 256; ++i) {
    j = (j + m_state[i] + key[i % length]) & 0xFF;
    std::swap(m_state[i], m_state[j]);
  }
}

void CZD_Rc4::Crypt(unsigned char* data, std::size_t length) {
  // Locals keep the indices in registers; eight keystream bytes are gathered into one word so
  // that the data is read and written a word at a time.
  std::uint32_t* state = m_state;
  std::uint32_t i = m_i;
  std::uint32_t j = m_j;
  auto next = [&]() -> std::uint64_t {
    i = (i + 1) & 0xFF;
    const std::uint32_t si = state[i];
    j = (j + si) & 0xFF;
    const std::uint32_t sj = state[j];
    state[i] = sj;
    state[j] = si;
    return state[(si + sj) & 0xFF];
  };
  std::size_t n = 0;
  for (; n + 8 <= length; n += 8) {
    std::uint64_t stream = next();
    stream |= next() << 8;
    stream |= next() << 16;
    stream |= next() << 24;
    stream |= next() << 32;
    stream |= next() << 40;
    stream |= next() << 48;
    stream |= next() << 56;
    std::uint64_t word;
    std::memcpy(&word, data + n, 8);
    word ^= IsLittleEndian() ? stream : __builtin_bswap64(stream);
    std::memcpy(data + n, &word, 8);
  }
  for (; n < length; ++n) {
    data[n] ^= static_cast<unsigned char>(next());
  }
  m_i = i;
  m_j = j;
}
