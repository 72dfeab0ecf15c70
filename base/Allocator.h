#pragma once

#include <cstddef>

// A caller's own memory source; base objects given one allocate through it instead of the
// process-wide memory manager.
class IZD_Allocator {
 public:
  virtual void* Allocate(std::size_t size) = 0;
  virtual void* Reallocate(void* block, std::size_t size) = 0;
  virtual void Free(void* block) = 0;

 protected:
  ~IZD_Allocator() = default;
};
