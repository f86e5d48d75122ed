#include "core/ovcrc.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

const char kCheck[] = "123456789";

}  // namespace

TEST(OvCrc64, PublishedCheckValue) {
  EXPECT_EQ(0xCAA717168609F281ull, CreateCrc64(kCheck, 9));
  EXPECT_EQ(0xCAA717168609F281ull, CreateCrc64Bytewise(kCheck, 9, ~0ull));
}

TEST(OvCrc64, EmptyInputGivesTheInitialValue) {
  EXPECT_EQ(0xFFFFFFFFFFFFFFFFull, CreateCrc64("", 0));
  EXPECT_EQ(0xFFFFFFFFFFFFFFFFull, CreateCrc64(nullptr, 5));
  EXPECT_EQ(0x1234ull, CreateCrc64_ToLower("abc", 0, 0x1234));
  EXPECT_EQ(0x1234ull, CreateCrc64_ToLower(nullptr, 3, 0x1234));
}

TEST(OvCrc64, ToLowerFoldsOnlyAsciiCapitals) {
  EXPECT_EQ(0xF10896EFC03E0514ull, CreateCrc64_ToLower("abc", 3, ~0ull));
  EXPECT_EQ(0xF10896EFC03E0514ull, CreateCrc64_ToLower("ABC", 3, ~0ull));
  EXPECT_EQ(CreateCrc64("abc", 3), CreateCrc64_ToLower("aBc", 3, ~0ull));
  // '@' and '[' sit beside the capitals; bytes above 0x7F are not letters.
  const char border[] = "@[`{\xC0\xC1\xDA\xE0";
  EXPECT_EQ(CreateCrc64(border, 8), CreateCrc64_ToLower(border, 8, ~0ull));
}

TEST(OvCrc64, PiecesChainThroughTheInitialValue) {
  uint64_t first = CreateCrc64_ToLower("Hello, ", 7, ~0ull);
  EXPECT_EQ(CreateCrc64_ToLower("hello, world", 12, ~0ull), CreateCrc64_ToLower("WORLD", 5, first));
}

TEST(OvCrc64, SlicedMatchesByteLoopForAllLengthsAndAlignments) {
  std::mt19937 random(1234);
  std::vector<uint8_t> buffer(4096 + 32);
  for (auto& byte : buffer) byte = static_cast<uint8_t>(random());
  // Plenty of capitals and their neighbours so the word-wide folding is exercised.
  for (size_t i = 0; i < buffer.size(); i += 3) buffer[i] = static_cast<uint8_t>(0x3F + random() % 0x1E);
  for (int offset = 0; offset < 16; ++offset) {
    for (int length = 0; length <= 300; ++length) {
      const uint8_t* p = buffer.data() + offset;
      ASSERT_EQ(CreateCrc64Bytewise(p, length, ~0ull), CreateCrc64(p, length)) << offset << "/" << length;
      ASSERT_EQ(CreateCrc64_ToLowerBytewise(p, length, 0x0123456789ABCDEFull),
                CreateCrc64_ToLower(p, length, 0x0123456789ABCDEFull))
          << offset << "/" << length;
    }
  }
  for (int round = 0; round < 50; ++round) {
    int offset = static_cast<int>(random() % 32);
    int length = static_cast<int>(random() % 4096);
    const uint8_t* p = buffer.data() + offset;
    ASSERT_EQ(CreateCrc64Bytewise(p, length, ~0ull), CreateCrc64(p, length));
    ASSERT_EQ(CreateCrc64_ToLowerBytewise(p, length, ~0ull), CreateCrc64_ToLower(p, length, ~0ull));
  }
}

TEST(OvCrc64, EveryByteValueFoldsLikeTheByteLoop) {
  std::vector<uint8_t> all(256 * 16);
  for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<uint8_t>(i * 7 + i / 256);
  EXPECT_EQ(CreateCrc64_ToLowerBytewise(all.data(), static_cast<int>(all.size()), ~0ull),
            CreateCrc64_ToLower(all.data(), static_cast<int>(all.size()), ~0ull));
}

TEST(OvCrc32, PublishedCheckValue) {
  EXPECT_EQ(0xCBF43926u, CreateCRC32(kCheck, 9));
  EXPECT_EQ(0u, CreateCRC32(kCheck, 0));
  EXPECT_EQ(0u, CreateCRC32(nullptr, 9));
}

TEST(OvCRC32Class, DefaultPolynomialMatchesCreateCRC32) {
  COvCRC32 crc;
  EXPECT_EQ(0xCBF43926u, crc.CrcAdd(kCheck, 9));
  EXPECT_TRUE(crc == 0xCBF43926u);
  crc.CrcReset();
  crc.CrcAdd("1234", 4);
  EXPECT_EQ(0xCBF43926u, crc.CrcAdd("56789", 5));
  EXPECT_EQ(0x77073096u, crc.CrcTableIndex(1));
  EXPECT_EQ(0u, crc.CrcAdd(nullptr, 4));
  EXPECT_EQ(0xCBF43926u, crc.CrcGet());
}

TEST(OvCRC32Class, OtherPolynomialBuildsItsOwnTable) {
  // Reflected CRC-32C (Castagnoli): check value 0xE3069283.
  COvCRC32 crc(0x82F63B78u);
  EXPECT_EQ(0xE3069283u, crc.CrcAdd(kCheck, 9));
  crc.CrcInitialize(COvCRC32::DEFAULT_POLYNOMIAL);
  EXPECT_EQ(0xCBF43926u, crc.CrcAdd(kCheck, 9));
}

TEST(OvCRC16Class, TableIsBuiltMostSignificantBitFirst) {
  COvCRC16 crc;
  EXPECT_EQ(0x0000u, crc.CrcTableIndex(0));
  EXPECT_EQ(0x1021u, crc.CrcTableIndex(1));
  EXPECT_EQ(0x2042u, crc.CrcTableIndex(2));
  EXPECT_EQ(0x1EF0u, crc.CrcTableIndex(255));
  EXPECT_EQ(0u, crc.CrcTableIndex(256));
  EXPECT_EQ(0xFFFFu, static_cast<uint16_t>(~crc.CrcGet()));
}

TEST(OvCRC16Class, AddUsesTheRightShiftingRule) {
  COvCRC16 crc;
  // One byte 0x00 from 0xFFFF: (0xFFFF >> 8) ^ table[0xFF] = 0x00FF ^ 0x1EF0 = 0x1E0F, inverted.
  uint8_t zero = 0;
  EXPECT_EQ(static_cast<uint16_t>(~0x1E0Fu), crc.CrcAdd(&zero, 1));
  COvCRC16 custom(0x8005);
  EXPECT_EQ(0x8005u, custom.CrcTableIndex(1));
  COvCRC16 same(0x1021);
  uint16_t a = crc.CrcAdd(kCheck, 9);
  same.CrcAdd(&zero, 1);
  EXPECT_EQ(a, same.CrcAdd(kCheck, 9));
}
