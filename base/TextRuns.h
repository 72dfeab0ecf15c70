#pragma once

// The XML reader's inner loops over one block of input: each takes the current position and the
// block's end, and returns where it stopped. Where the processor allows it they look at 16 bytes
// at a time, with unaligned loads that never pass `end`.
#include "base/StrBlock.h"
#include "base/TextWriter.h"
#include "base/XmlCharClass.h"

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace xmlrun {

#if defined(__SSE2__)
inline __m128i Load16(const unsigned char* bytes) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)); }
#endif

// Past the white space at `p`.
inline const unsigned char* SkipSpaces(const unsigned char* p, const unsigned char* end) {
#if defined(__SSE2__)
  // White space is 0x00-0x20, 0xFE and 0xFF: a byte is kept as it is by clamping to 0x21-0xFD
  // exactly when it is not white space.
  const __m128i low = _mm_set1_epi8(0x21);
  const __m128i high = _mm_set1_epi8(static_cast<char>(0xFD));
  while (end - p >= 16) {
    const __m128i bytes = Load16(p);
    const __m128i clamped = _mm_min_epu8(_mm_max_epu8(bytes, low), high);
    const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(clamped, bytes)));
    if (mask != 0) {
      return p + std::countr_zero(mask);
    }
    p += 16;
  }
#endif
  while (p < end && xmlchar::Is(*p, xmlchar::kSpace)) {
    ++p;
  }
  return p;
}

// True when the input at `p` is `name` (a block of the name table, readable for 8 bytes past its
// length) followed by a byte that ends a name without prefix. Needs length + 8 bytes before `end`.
inline bool MatchesName(const unsigned char* p, const unsigned char* end, const CZD_StrBlock<char>* name) {
  const std::size_t length = static_cast<std::size_t>(name->m_nLength);
  if (static_cast<std::size_t>(end - p) < length + 8) {
    return false;
  }
  const char* expected = name->Data();
  std::size_t i = 0;
  std::uint64_t a = 0;
  std::uint64_t b = 0;
  if constexpr (std::endian::native == std::endian::little) {
    // Most names have 1-8 bytes: one word, the bytes past the name shifted out.
    if (length - 1 < 8) {
      std::memcpy(&a, p, 8);
      std::memcpy(&b, expected, 8);
      const unsigned char after = p[length];
      return ((a ^ b) << (8 * (8 - length))) == 0 && after != ':' && !xmlchar::Is(after, xmlchar::kNameChar);
    }
    // And most others 9-16: a whole word, then one with the bytes past the name shifted out.
    if (length - 9 < 8) {
      std::uint64_t c = 0;
      std::uint64_t d = 0;
      std::memcpy(&a, p, 8);
      std::memcpy(&b, expected, 8);
      std::memcpy(&c, p + 8, 8);
      std::memcpy(&d, expected + 8, 8);
      const unsigned char after = p[length];
      return a == b && ((c ^ d) << (8 * (16 - length))) == 0 && after != ':' && !xmlchar::Is(after, xmlchar::kNameChar);
    }
  }
  // Whole words while more than one is left; the last 1-8 bytes are compared as one word.
  for (; i + 8 < length; i += 8) {
    std::memcpy(&a, p + i, 8);
    std::memcpy(&b, expected + i, 8);
    if (a != b) {
      return false;
    }
  }
  if (i < length) {
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(&a, p + i, 8);
      std::memcpy(&b, expected + i, 8);
      // The bytes past the name are shifted out.
      if (((a ^ b) << (8 * (8 - (length - i)))) != 0) {
        return false;
      }
    } else if (std::memcmp(p + i, expected + i, length - i) != 0) {
      return false;
    }
  }
  const unsigned char after = p[length];
  return after != ':' && !xmlchar::Is(after, xmlchar::kNameChar);
}

// Copies the bytes below 0x80 as units until `stop`, '&' or a higher byte (returned) or `end`,
// widening 16 at a time.
inline const unsigned char* WidenAscii(const unsigned char* p, const unsigned char* end, unsigned char stop,
                                       CXML_TextWriter& out) {
#if defined(__SSE2__)
  const __m128i stops = _mm_set1_epi8(static_cast<char>(stop));
  const __m128i ampersands = _mm_set1_epi8('&');
  const __m128i zero = _mm_setzero_si128();
  while (end - p >= 16) {
    char16_t* units = out.Room(16);
    const __m128i bytes = Load16(p);
    // All 16 are stored; only those before the first special byte are taken.
    _mm_storeu_si128(reinterpret_cast<__m128i*>(units), _mm_unpacklo_epi8(bytes, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(units + 8), _mm_unpackhi_epi8(bytes, zero));
    const __m128i special = _mm_or_si128(_mm_cmpeq_epi8(bytes, stops), _mm_cmpeq_epi8(bytes, ampersands));
    const unsigned mask =
        static_cast<unsigned>(_mm_movemask_epi8(special)) | static_cast<unsigned>(_mm_movemask_epi8(bytes));
    if (mask != 0) {
      const unsigned taken = static_cast<unsigned>(std::countr_zero(mask));
      out.Advance(taken);
      return p + taken;
    }
    out.Advance(16);
    p += 16;
  }
#endif
  while (p < end) {
    const unsigned char c = *p;
    if (c >= 0x80 || c == stop || c == '&') {
      break;
    }
    *out.Room(1) = c;
    out.Advance(1);
    ++p;
  }
  return p;
}

// How many of the 16 bytes at `p` (all readable) come before the first `stop`, '&' or byte from
// 0x80 up; 16 when there is none.
inline unsigned AsciiRunIn16(const unsigned char* p, unsigned char stop) {
#if defined(__SSE2__)
  const __m128i bytes = Load16(p);
  const __m128i special = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(stop))),
                                       _mm_cmpeq_epi8(bytes, _mm_set1_epi8('&')));
  const unsigned mask =
      static_cast<unsigned>(_mm_movemask_epi8(special)) | static_cast<unsigned>(_mm_movemask_epi8(bytes));
  return static_cast<unsigned>(std::countr_zero(mask | 0x10000u));
#else
  unsigned i = 0;
  while (i < 16 && p[i] < 0x80 && p[i] != stop && p[i] != '&') {
    ++i;
  }
  return i;
#endif
}

// How many of the 16 bytes at `p` (all readable) come before the first `stop` or '&'; 16 when
// there is none.
inline unsigned StopIn16(const unsigned char* p, unsigned char stop) {
#if defined(__SSE2__)
  const __m128i bytes = Load16(p);
  const __m128i special = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(stop))),
                                       _mm_cmpeq_epi8(bytes, _mm_set1_epi8('&')));
  return static_cast<unsigned>(std::countr_zero(static_cast<unsigned>(_mm_movemask_epi8(special)) | 0x10000u));
#else
  unsigned i = 0;
  while (i < 16 && p[i] != stop && p[i] != '&') {
    ++i;
  }
  return i;
#endif
}

// Stores the 16 bytes at `p` as 16 units at `units`.
inline void Widen16(const unsigned char* p, char16_t* units) {
#if defined(__SSE2__)
  const __m128i bytes = Load16(p);
  const __m128i zero = _mm_setzero_si128();
  _mm_storeu_si128(reinterpret_cast<__m128i*>(units), _mm_unpacklo_epi8(bytes, zero));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(units + 8), _mm_unpackhi_epi8(bytes, zero));
#else
  for (int i = 0; i < 16; ++i) {
    units[i] = p[i];
  }
#endif
}

inline bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Decodes the bytes from 0x80 up until a lower byte or `end`. Whole two- and three-byte sequences
// are decoded at once; anything else goes byte by byte through the writer's decoder.
inline const unsigned char* DecodeHigh(const unsigned char* p, const unsigned char* end, CXML_TextWriter& out) {
  while (p < end && *p >= 0x80) {
    const unsigned char c = *p;
    // A lead byte starts a new sequence whatever was pending.
    if (c >= 0xE0 && c < 0xF0 && end - p >= 3 && IsContinuation(p[1]) && IsContinuation(p[2])) {
      const std::uint32_t codePoint = ((c & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
      *out.Room(1) = static_cast<char16_t>(codePoint != 0 ? codePoint : 0xFFFD);
      out.Advance(1);
      out.CancelSequence();
      p += 3;
    } else if (c >= 0xC0 && c < 0xE0 && end - p >= 2 && IsContinuation(p[1])) {
      const std::uint32_t codePoint = ((c & 0x1Fu) << 6) | (p[1] & 0x3Fu);
      *out.Room(1) = static_cast<char16_t>(codePoint != 0 ? codePoint : 0xFFFD);
      out.Advance(1);
      out.CancelSequence();
      p += 2;
    } else {
      out.InputHigh(c);
      ++p;
    }
  }
  return p;
}

// Decodes the bytes from `p` to `end` into `units` (room for one unit a byte) when they are ASCII
// and whole two- and three-byte sequences, exactly as WidenAscii and DecodeHigh would; returns the
// number of units, or -1 for anything else, having then written only scratch.
inline std::ptrdiff_t DecodeWhole(const unsigned char* p, const unsigned char* end, char16_t* units) {
  char16_t* out = units;
  while (p < end) {
    const unsigned char c = *p;
    std::uint32_t codePoint = c;
    if (c < 0x80) {
      ++p;
    } else if (c >= 0xE0 && c < 0xF0 && end - p >= 3 && IsContinuation(p[1]) && IsContinuation(p[2])) {
      codePoint = ((c & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
      codePoint = codePoint != 0 ? codePoint : 0xFFFD;
      p += 3;
    } else if (c >= 0xC0 && c < 0xE0 && end - p >= 2 && IsContinuation(p[1])) {
      codePoint = ((c & 0x1Fu) << 6) | (p[1] & 0x3Fu);
      codePoint = codePoint != 0 ? codePoint : 0xFFFD;
      p += 2;
    } else {
      return -1;
    }
    *out++ = static_cast<char16_t>(codePoint);
  }
  return out - units;
}

}  // namespace xmlrun
