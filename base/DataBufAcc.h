#pragma once

#include "base/StreamRead.h"

class IZD_Allocator;

// Serves one memory buffer, which it does not own, as a single block.
class CXML_DataBufAcc final : public IZD_BufferRead {
 public:
  // Null when memory is short.
  static CXML_DataBufAcc* Create(const unsigned char* buffer, std::uint32_t size, IZD_Allocator* allocator = nullptr);

  void Destroy() override;
  bool AtEnd() const override { return m_position >= m_size; }
  std::uint64_t Position() const override { return m_position; }
  std::size_t ReadBytes(void*, std::size_t) override { return 0; }
  bool NextBlock(bool restart) override;
  const unsigned char* BlockData() const override { return m_pBuffer; }
  std::size_t BlockLength() const override { return m_size; }
  std::uint64_t BlockStart() const override { return 0; }

 private:
  CXML_DataBufAcc(IZD_Allocator* allocator, const unsigned char* buffer, std::uint32_t size)
      : m_pAllocator(allocator), m_pBuffer(buffer), m_size(size) {}

  IZD_Allocator* m_pAllocator;
  const unsigned char* m_pBuffer;
  std::uint32_t m_size;
  std::uint32_t m_position = 0;
};
