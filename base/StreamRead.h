#pragma once

#include "base/Object.h"

#include <cstddef>
#include <cstdint>

// Sequential reading of an input.
class IZD_StreamRead : public CZD_Object {
 public:
  virtual void Destroy() = 0;
  virtual bool AtEnd() const = 0;
  virtual std::uint64_t Position() const = 0;
  virtual std::size_t ReadBytes(void* buffer, std::size_t size) = 0;
};

// Reading an input block by block, each block in memory.
class IZD_BufferRead : public IZD_StreamRead {
 public:
  // True when a new block is available; `restart` rewinds to the first block first.
  virtual bool NextBlock(bool restart) = 0;
  virtual const unsigned char* BlockData() const = 0;
  virtual std::size_t BlockLength() const = 0;
  virtual std::uint64_t BlockStart() const = 0;
};
