// COvMemoryArea: a growing byte image into which aligned blocks are appended, optionally
// byte-swapped to a big-endian target's order. The gaps that alignment leaves are filled with
// 0xED. The area's own alignment is the largest any block asked for (4 for a new area).
#pragma once

#include <cstdint>

class COvFileHandle;

// Byte swap applied to a block's copy (a trailing part shorter than the unit stays as is).
enum EOvBlockSwap { eOvBlockSwap_None = 0, eOvBlockSwap_32 = 1, eOvBlockSwap_16 = 2 };

// What AddBlock returns when the block would take the area past 4 GiB (nothing was added).
constexpr uint32_t kOvInvalidBlockOffset = 0xFFFFFFFFu;

// The value of padding bytes.
constexpr uint8_t kOvPaddingByte = 0xED;

class COvMemoryArea {
 public:
  COvMemoryArea() = default;
  COvMemoryArea(const COvMemoryArea&) = delete;
  COvMemoryArea& operator=(const COvMemoryArea&) = delete;
  ~COvMemoryArea() { delete[] m_pBuffer; }

  // Pads to the alignment (0 counts as 1), copies size bytes of data (null data only with size
  // 0), swaps them as asked (one of EOvBlockSwap) and pads again. Returns the block's offset.
  uint32_t AddBlock(const void* data, uint32_t size, uint32_t alignment, int swap);
  // Appends other's used bytes with other's alignment (other may be this area).
  uint32_t AddBlock(const COvMemoryArea& other, int swap);

  // Writes the used bytes to an open file handle; true when all were written.
  bool WriteToFile(COvFileHandle* handle) const;

  uint32_t GetSize() const { return m_uSize; }
  uint32_t GetAlign() const { return m_uAlign; }
  // The used bytes; null while the area is empty.
  const uint8_t* GetData() const { return m_uSize ? m_pBuffer : nullptr; }

 private:
  // Makes room for size bytes in all (grown to exactly that).
  void Reserve(uint32_t size);

  uint8_t* m_pBuffer = nullptr;
  uint32_t m_uSize = 0;
  uint32_t m_uCapacity = 0;
  uint32_t m_uAlign = 4;
};
