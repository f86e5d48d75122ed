// COvMemoryArea: aligned, optionally byte-swapped blocks in one growing buffer.
#include "engine/asset/ovmemoryarea.h"

#include <cstring>
#include <vector>

#include "core/ovfilesystem.h"

namespace {

uint64_t AlignUp(uint64_t value, uint32_t alignment) {
  return (value + alignment - 1) / alignment * alignment;
}

void SwapUnits(uint8_t* bytes, uint32_t size, uint32_t unit) {
  for (uint32_t start = 0; start + unit <= size; start += unit) {
    for (uint32_t i = 0; i < unit / 2; ++i) {
      const uint8_t kept = bytes[start + i];
      bytes[start + i] = bytes[start + unit - 1 - i];
      bytes[start + unit - 1 - i] = kept;
    }
  }
}

}  // namespace

void COvMemoryArea::Reserve(uint32_t size) {
  if (size <= m_uCapacity) return;
  uint8_t* larger = new uint8_t[size];
  if (m_uSize) std::memcpy(larger, m_pBuffer, m_uSize);
  delete[] m_pBuffer;
  m_pBuffer = larger;
  m_uCapacity = size;
}

uint32_t COvMemoryArea::AddBlock(const void* data, uint32_t size, uint32_t alignment, int swap) {
  if (alignment == 0) alignment = 1;
  if (!data) size = 0;
  const uint64_t start = AlignUp(m_uSize, alignment);
  const uint64_t end = AlignUp(start + size, alignment);
  if (end > UINT32_MAX) return kOvInvalidBlockOffset;
  Reserve(static_cast<uint32_t>(end));
  std::memset(m_pBuffer + m_uSize, kOvPaddingByte, static_cast<size_t>(start - m_uSize));
  if (size) std::memcpy(m_pBuffer + start, data, size);
  if (swap == eOvBlockSwap_32) SwapUnits(m_pBuffer + start, size, 4);
  if (swap == eOvBlockSwap_16) SwapUnits(m_pBuffer + start, size, 2);
  std::memset(m_pBuffer + start + size, kOvPaddingByte, static_cast<size_t>(end - start - size));
  if (alignment > m_uAlign) m_uAlign = alignment;
  m_uSize = static_cast<uint32_t>(end);
  return static_cast<uint32_t>(start);
}

uint32_t COvMemoryArea::AddBlock(const COvMemoryArea& other, int swap) {
  if (&other == this) {
    // Growing the buffer would pull the source away from under the copy.
    const std::vector<uint8_t> copy(m_pBuffer, m_pBuffer + m_uSize);
    return AddBlock(copy.data(), m_uSize, m_uAlign, swap);
  }
  return AddBlock(other.m_pBuffer, other.m_uSize, other.m_uAlign, swap);
}

bool COvMemoryArea::WriteToFile(COvFileHandle* handle) const {
  if (!handle) return false;
  if (m_uSize == 0) return true;
  if (m_uSize > INT32_MAX) return false;
  return COvFileSystemUnCached::Write(handle, m_pBuffer, static_cast<int>(m_uSize)) ==
         static_cast<int>(m_uSize);
}
