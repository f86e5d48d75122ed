// COvBigFileEntry: one file inside a big-file archive: the CRC-64 of its lower-cased name,
// the name as stored, the absolute position of its data in the archive, its size, and the
// number of handles open on it (bookkeeping only).
#pragma once

#include <cstdint>

#include "core/ovstring.h"

class COvBigFileEntry {
 public:
  // CRC all ones, no name, zeros.
  COvBigFileEntry() = default;
  COvBigFileEntry(uint64_t crc, const char* name, int offset, int size)
      : m_uCRC64(crc), m_strName(name), m_iOffset(offset), m_iSize(size) {}
  COvBigFileEntry(const COvBigFileEntry&) = default;
  COvBigFileEntry& operator=(const COvBigFileEntry&) = default;
  virtual ~COvBigFileEntry() = default;

  uint64_t GetCRC64() const { return m_uCRC64; }
  int GetSize() const { return m_iSize; }
  int GetOffset() const { return m_iOffset; }
  void SetOffset(int offset) { m_iOffset = offset; }
  int GetOpenCount() const { return m_iOpenCount; }
  void AddOpen() { ++m_iOpenCount; }
  void RemoveOpen() { --m_iOpenCount; }

  // The name the identifier registry holds for the CRC, or "CRC<" + 16 upper-case hex digits
  // + ">" when it has none. Not the stored name: see GetStoredName.
  COvString GetName() const;
  const COvString& GetStoredName() const { return m_strName; }

 private:
  uint64_t m_uCRC64 = 0xFFFFFFFFFFFFFFFFull;
  COvString m_strName;
  int m_iOffset = 0;
  int m_iOpenCount = 0;
  int m_iSize = 0;
};
