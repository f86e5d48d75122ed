// Checksums: the 64-bit CRC that names identifiers (Jones polynomial, reflected, no final
// XOR), the standard CRC-32, and the small table-driven CRC-16 / CRC-32 accumulators.
#pragma once

#include <cstdint>

// 64-bit CRC of length bytes starting from all ones; length 0 (or null data) gives
// 0xFFFFFFFFFFFFFFFF.
uint64_t CreateCrc64(const void* data, int length);
// Same CRC with 'A'..'Z' folded to lower case before each byte enters it, continuing from
// initial. With no final XOR, the CRC of a first piece passed as initial for the second piece
// gives the CRC of the whole text. Length 0 (or null data) returns initial.
uint64_t CreateCrc64_ToLower(const void* data, int length, uint64_t initial);
// Standard CRC-32 (ISO 3309, reflected, initial value and final XOR all ones); length 0 gives 0.
uint32_t CreateCRC32(const void* data, int length);

// The plain byte-at-a-time forms of the two 64-bit CRCs: the reference that the sliced
// implementation must match, kept for tests and benchmarks.
uint64_t CreateCrc64Bytewise(const void* data, int length, uint64_t initial);
uint64_t CreateCrc64_ToLowerBytewise(const void* data, int length, uint64_t initial);

// Running CRC-16 over the CCITT polynomial by default (table built most-significant-bit
// first, updated with the right-shifting rule). A non-default polynomial gets an owned table.
class COvCRC16 {
 public:
  static constexpr uint16_t DEFAULT_POLYNOMIAL = 0x1021;

  COvCRC16();
  explicit COvCRC16(uint16_t polynomial);
  virtual ~COvCRC16();
  COvCRC16(const COvCRC16&) = delete;
  COvCRC16& operator=(const COvCRC16&) = delete;

  // Resets the value to all ones and selects (default) or builds the table.
  void CrcInitialize(uint16_t polynomial);
  void CrcReset() { m_uCrc = 0xFFFF; }
  uint16_t CrcGet() const { return static_cast<uint16_t>(~m_uCrc); }
  // Returns the inverted running value; null data returns 0 and changes nothing.
  uint16_t CrcAdd(const void* data, int length);
  // Table entry i; 0 when there is no table or i is out of range.
  uint16_t CrcTableIndex(int i) const;
  bool operator==(uint16_t value) const { return CrcGet() == value; }

 private:
  uint16_t* m_pOwnedTable = nullptr;
  const uint16_t* m_pTable = nullptr;
  uint16_t m_uCrc = 0xFFFF;
};

// Running reflected CRC-32, polynomial 0xEDB88320 by default.
class COvCRC32 {
 public:
  static constexpr uint32_t DEFAULT_POLYNOMIAL = 0xEDB88320u;

  COvCRC32();
  explicit COvCRC32(uint32_t polynomial);
  virtual ~COvCRC32();
  COvCRC32(const COvCRC32&) = delete;
  COvCRC32& operator=(const COvCRC32&) = delete;

  void CrcInitialize(uint32_t polynomial);
  void CrcReset() { m_uCrc = 0xFFFFFFFFu; }
  uint32_t CrcGet() const { return ~m_uCrc; }
  uint32_t CrcAdd(const void* data, int length);
  uint32_t CrcTableIndex(int i) const;
  bool operator==(uint32_t value) const { return CrcGet() == value; }

 private:
  uint32_t* m_pOwnedTable = nullptr;
  const uint32_t* m_pTable = nullptr;
  uint32_t m_uCrc = 0xFFFFFFFFu;
};
