// CRC implementations. The 64-bit CRC runs slice-by-16 over constant tables built at compile
// time, so it is usable from any static initializer (identifiers are often globals); long
// buffers go to the carry-less multiply path when the processor has one.
#include "core/ovcrc.h"

#include <cstddef>

#include "core/ovcrc64paths.h"

namespace {

constexpr uint64_t kCrc64ReflectedPolynomial = 0x95AC9329AC4BC9B5ull;

struct Crc64Tables {
  // t[k][i]: CRC contribution of byte i followed by k zero bytes.
  uint64_t t[16][256];
};

constexpr Crc64Tables MakeCrc64Tables() {
  Crc64Tables tables{};
  for (int i = 0; i < 256; ++i) {
    uint64_t v = static_cast<uint64_t>(i);
    for (int bit = 0; bit < 8; ++bit) v = (v & 1) ? (v >> 1) ^ kCrc64ReflectedPolynomial : v >> 1;
    tables.t[0][i] = v;
  }
  for (int k = 1; k < 16; ++k) {
    for (int i = 0; i < 256; ++i) {
      uint64_t previous = tables.t[k - 1][i];
      tables.t[k][i] = (previous >> 8) ^ tables.t[0][previous & 0xFF];
    }
  }
  return tables;
}

constexpr Crc64Tables kCrc64 = MakeCrc64Tables();

struct Crc32Table {
  uint32_t t[256];
};

constexpr Crc32Table MakeCrc32Table(uint32_t polynomial) {
  Crc32Table table{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t v = i;
    for (int bit = 0; bit < 8; ++bit) v = (v & 1) ? (v >> 1) ^ polynomial : v >> 1;
    table.t[i] = v;
  }
  return table;
}

struct Crc16Table {
  uint16_t t[256];
};

constexpr Crc16Table MakeCrc16Table(uint16_t polynomial) {
  Crc16Table table{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t v = i << 8;
    for (int bit = 0; bit < 8; ++bit) v = (v & 0x8000) ? ((v << 1) ^ polynomial) & 0xFFFF : (v << 1) & 0xFFFF;
    table.t[i] = static_cast<uint16_t>(v);
  }
  return table;
}

constexpr Crc32Table kCrc32 = MakeCrc32Table(COvCRC32::DEFAULT_POLYNOMIAL);
constexpr Crc16Table kCrc16 = MakeCrc16Table(COvCRC16::DEFAULT_POLYNOMIAL);

inline uint8_t FoldByte(uint8_t c) { return (c >= 'A' && c <= 'Z') ? static_cast<uint8_t>(c + 32) : c; }

// Little-endian load written byte by byte: one plain load on little-endian hosts, and still
// correct on big-endian ones.
inline uint64_t Load64(const uint8_t* p) {
  return static_cast<uint64_t>(p[0]) | static_cast<uint64_t>(p[1]) << 8 | static_cast<uint64_t>(p[2]) << 16 |
         static_cast<uint64_t>(p[3]) << 24 | static_cast<uint64_t>(p[4]) << 32 |
         static_cast<uint64_t>(p[5]) << 40 | static_cast<uint64_t>(p[6]) << 48 |
         static_cast<uint64_t>(p[7]) << 56;
}

// Adds 0x20 to every byte of v in 'A'..'Z'; bytes at or above 0x80 stay as they are.
inline uint64_t FoldWord(uint64_t v) {
  constexpr uint64_t kOnes = 0x0101010101010101ull;
  constexpr uint64_t kHigh = 0x8080808080808080ull;
  uint64_t low7 = v & ~kHigh;
  uint64_t aboveZ = low7 + kOnes * (0x7F - 'Z');    // high bit set where low7 > 'Z'
  uint64_t atLeastA = low7 + kOnes * (0x80 - 'A');  // high bit set where low7 >= 'A'
  uint64_t upper = (atLeastA ^ aboveZ) & ~v & kHigh;
  return v | (upper >> 2);
}

template <bool kFold>
uint64_t Crc64Sliced(const uint8_t* p, size_t n, uint64_t crc) {
  const auto& t = kCrc64.t;
  while (n >= 16) {
    uint64_t a = Load64(p);
    uint64_t b = Load64(p + 8);
    if (kFold) {
      a = FoldWord(a);
      b = FoldWord(b);
    }
    a ^= crc;
    crc = t[15][a & 0xFF] ^ t[14][(a >> 8) & 0xFF] ^ t[13][(a >> 16) & 0xFF] ^ t[12][(a >> 24) & 0xFF] ^
          t[11][(a >> 32) & 0xFF] ^ t[10][(a >> 40) & 0xFF] ^ t[9][(a >> 48) & 0xFF] ^ t[8][a >> 56] ^
          t[7][b & 0xFF] ^ t[6][(b >> 8) & 0xFF] ^ t[5][(b >> 16) & 0xFF] ^ t[4][(b >> 24) & 0xFF] ^
          t[3][(b >> 32) & 0xFF] ^ t[2][(b >> 40) & 0xFF] ^ t[1][(b >> 48) & 0xFF] ^ t[0][b >> 56];
    p += 16;
    n -= 16;
  }
  if (n >= 8) {
    uint64_t a = Load64(p);
    if (kFold) a = FoldWord(a);
    a ^= crc;
    crc = t[7][a & 0xFF] ^ t[6][(a >> 8) & 0xFF] ^ t[5][(a >> 16) & 0xFF] ^ t[4][(a >> 24) & 0xFF] ^
          t[3][(a >> 32) & 0xFF] ^ t[2][(a >> 40) & 0xFF] ^ t[1][(a >> 48) & 0xFF] ^ t[0][a >> 56];
    p += 8;
    n -= 8;
  }
  while (n--) {
    uint8_t c = kFold ? FoldByte(*p++) : *p++;
    crc = (crc >> 8) ^ t[0][(crc ^ c) & 0xFF];
  }
  return crc;
}

// Below this length the table beats setting up the folding.
constexpr int kFoldingThreshold = 256;

}  // namespace

uint64_t ovcrc::Crc64Table(const uint8_t* p, size_t n, uint64_t crc, bool toLower) {
  return toLower ? Crc64Sliced<true>(p, n, crc) : Crc64Sliced<false>(p, n, crc);
}

uint64_t CreateCrc64(const void* data, int length) {
  if (!data || length <= 0) return 0xFFFFFFFFFFFFFFFFull;
  if (length >= kFoldingThreshold)
    return ovcrc::Crc64ByPath(ovcrc::Crc64BestPath(), data, static_cast<size_t>(length), ~0ull, false);
  return Crc64Sliced<false>(static_cast<const uint8_t*>(data), static_cast<size_t>(length),
                            0xFFFFFFFFFFFFFFFFull);
}

uint64_t CreateCrc64_ToLower(const void* data, int length, uint64_t initial) {
  if (!data || length <= 0) return initial;
  if (length >= kFoldingThreshold)
    return ovcrc::Crc64ByPath(ovcrc::Crc64BestPath(), data, static_cast<size_t>(length), initial, true);
  return Crc64Sliced<true>(static_cast<const uint8_t*>(data), static_cast<size_t>(length), initial);
}

uint64_t CreateCrc64Bytewise(const void* data, int length, uint64_t initial) {
  const uint8_t* p = static_cast<const uint8_t*>(data);
  uint64_t crc = initial;
  for (int i = 0; p && i < length; ++i) crc = (crc >> 8) ^ kCrc64.t[0][(crc ^ p[i]) & 0xFF];
  return crc;
}

uint64_t CreateCrc64_ToLowerBytewise(const void* data, int length, uint64_t initial) {
  const uint8_t* p = static_cast<const uint8_t*>(data);
  uint64_t crc = initial;
  for (int i = 0; p && i < length; ++i) crc = (crc >> 8) ^ kCrc64.t[0][(crc ^ FoldByte(p[i])) & 0xFF];
  return crc;
}

uint32_t CreateCRC32(const void* data, int length) {
  if (!data || length <= 0) return 0;
  const uint8_t* p = static_cast<const uint8_t*>(data);
  uint32_t crc = 0xFFFFFFFFu;
  for (int i = 0; i < length; ++i) crc = (crc >> 8) ^ kCrc32.t[(crc ^ p[i]) & 0xFF];
  return ~crc;
}

COvCRC16::COvCRC16() { CrcInitialize(DEFAULT_POLYNOMIAL); }
COvCRC16::COvCRC16(uint16_t polynomial) { CrcInitialize(polynomial); }
COvCRC16::~COvCRC16() { delete[] m_pOwnedTable; }

void COvCRC16::CrcInitialize(uint16_t polynomial) {
  m_uCrc = 0xFFFF;
  delete[] m_pOwnedTable;
  m_pOwnedTable = nullptr;
  if (polynomial == DEFAULT_POLYNOMIAL) {
    m_pTable = kCrc16.t;
    return;
  }
  Crc16Table built = MakeCrc16Table(polynomial);
  m_pOwnedTable = new uint16_t[256];
  for (int i = 0; i < 256; ++i) m_pOwnedTable[i] = built.t[i];
  m_pTable = m_pOwnedTable;
}

uint16_t COvCRC16::CrcAdd(const void* data, int length) {
  if (!data) return 0;
  const uint8_t* p = static_cast<const uint8_t*>(data);
  for (int i = 0; i < length; ++i)
    m_uCrc = static_cast<uint16_t>((m_uCrc >> 8) ^ m_pTable[(p[i] ^ m_uCrc) & 0xFF]);
  return CrcGet();
}

uint16_t COvCRC16::CrcTableIndex(int i) const { return (m_pTable && i >= 0 && i < 256) ? m_pTable[i] : 0; }

COvCRC32::COvCRC32() { CrcInitialize(DEFAULT_POLYNOMIAL); }
COvCRC32::COvCRC32(uint32_t polynomial) { CrcInitialize(polynomial); }
COvCRC32::~COvCRC32() { delete[] m_pOwnedTable; }

void COvCRC32::CrcInitialize(uint32_t polynomial) {
  m_uCrc = 0xFFFFFFFFu;
  delete[] m_pOwnedTable;
  m_pOwnedTable = nullptr;
  if (polynomial == DEFAULT_POLYNOMIAL) {
    m_pTable = kCrc32.t;
    return;
  }
  Crc32Table built = MakeCrc32Table(polynomial);
  m_pOwnedTable = new uint32_t[256];
  for (int i = 0; i < 256; ++i) m_pOwnedTable[i] = built.t[i];
  m_pTable = m_pOwnedTable;
}

uint32_t COvCRC32::CrcAdd(const void* data, int length) {
  if (!data) return 0;
  const uint8_t* p = static_cast<const uint8_t*>(data);
  for (int i = 0; i < length; ++i) m_uCrc = (m_uCrc >> 8) ^ m_pTable[(p[i] ^ m_uCrc) & 0xFF];
  return CrcGet();
}

uint32_t COvCRC32::CrcTableIndex(int i) const { return (m_pTable && i >= 0 && i < 256) ? m_pTable[i] : 0; }
