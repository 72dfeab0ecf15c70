#pragma once

namespace cadmira::cli {

// Notes whether the base library ran out of memory while it lives: the reader then gives no
// tree, which must not be reported as a file in the wrong format. One watch at a time.
class COutOfMemoryWatch {
 public:
  COutOfMemoryWatch();
  COutOfMemoryWatch(const COutOfMemoryWatch&) = delete;
  COutOfMemoryWatch& operator=(const COutOfMemoryWatch&) = delete;
  ~COutOfMemoryWatch();

  bool Happened() const { return m_bHappened; }

 private:
  static void Note(void* watch);

  bool m_bHappened = false;
};

// The message for it, the same for every command.
inline constexpr const char* kOutOfMemory = "out of memory";

}  // namespace cadmira::cli
