// The CRC functions and classes against published check values; every CRC-64 code path is
// compared with the byte loop in ovcrc_paths_test.cpp.
#include "core/ovcrc.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const char kCheck[] = "123456789";

}  // namespace

// The lower-casing form folds only ASCII capitals.
TEST(OvCrc64, CheckValuesEmptyInputChainingAndLowerCasing) {
  EXPECT_EQ(0xCAA717168609F281ull, CreateCrc64(kCheck, 9));
  // Nothing to read: the initial value.
  EXPECT_EQ((std::vector<uint64_t>{0xFFFFFFFFFFFFFFFFull, 0xFFFFFFFFFFFFFFFFull, 0x1234, 0x1234}),
            (std::vector<uint64_t>{CreateCrc64("", 0), CreateCrc64(nullptr, 5),
                                   CreateCrc64_ToLower("abc", 0, 0x1234),
                                   CreateCrc64_ToLower(nullptr, 3, 0x1234)}));
  // Pieces chain through the initial value.
  uint64_t first = CreateCrc64_ToLower("Hello, ", 7, ~0ull);
  EXPECT_EQ(CreateCrc64_ToLower("hello, world", 12, ~0ull), CreateCrc64_ToLower("WORLD", 5, first));
  EXPECT_EQ(0xF10896EFC03E0514ull, CreateCrc64_ToLower("ABC", 3, ~0ull));
  EXPECT_EQ(CreateCrc64("abc", 3), CreateCrc64_ToLower("aBc", 3, ~0ull));
  // '@' and '[' sit beside the capitals; bytes above 0x7F are not letters.
  const char border[] = "@[`{\xC0\xC1\xDA\xE0";
  EXPECT_EQ(CreateCrc64(border, 8), CreateCrc64_ToLower(border, 8, ~0ull));
}

// CreateCRC32 gives 0 when there is nothing to read.
TEST(OvCRC32Class, DefaultPolynomialMatchesCreateCRC32AndOthersBuildTheirTable) {
  EXPECT_EQ((std::vector<uint32_t>{0xCBF43926u, 0, 0}),
            (std::vector<uint32_t>{CreateCRC32(kCheck, 9), CreateCRC32(kCheck, 0), CreateCRC32(nullptr, 9)}));
  COvCRC32 crc;
  EXPECT_EQ(0xCBF43926u, crc.CrcAdd(kCheck, 9));
  EXPECT_TRUE(crc == 0xCBF43926u);
  crc.CrcReset();
  crc.CrcAdd("1234", 4);
  EXPECT_EQ(0xCBF43926u, crc.CrcAdd("56789", 5));
  EXPECT_EQ(0x77073096u, crc.CrcTableIndex(1));
  EXPECT_EQ(0u, crc.CrcAdd(nullptr, 4));
  EXPECT_EQ(0xCBF43926u, crc.CrcGet());
  // Reflected CRC-32C (Castagnoli): check value 0xE3069283.
  COvCRC32 castagnoli(0x82F63B78u);
  EXPECT_EQ(0xE3069283u, castagnoli.CrcAdd(kCheck, 9));
  castagnoli.CrcInitialize(COvCRC32::DEFAULT_POLYNOMIAL);
  EXPECT_EQ(0xCBF43926u, castagnoli.CrcAdd(kCheck, 9));
}

TEST(OvCRC16Class, TableIsBuiltMostSignificantBitFirstAndAddShiftsRight) {
  COvCRC16 crc;
  const std::pair<int, unsigned> table[] = {{0, 0}, {1, 0x1021}, {2, 0x2042}, {255, 0x1EF0}, {256, 0}};
  for (const auto& entry : table) EXPECT_EQ(entry.second, crc.CrcTableIndex(entry.first)) << entry.first;
  EXPECT_EQ(0xFFFFu, static_cast<uint16_t>(~crc.CrcGet()));
  // One byte 0x00 from 0xFFFF: (0xFFFF >> 8) ^ table[0xFF] = 0x00FF ^ 0x1EF0 = 0x1E0F, inverted.
  uint8_t zero = 0;
  EXPECT_EQ(static_cast<uint16_t>(~0x1E0Fu), crc.CrcAdd(&zero, 1));
  EXPECT_EQ(0x8005u, COvCRC16(0x8005).CrcTableIndex(1));
  COvCRC16 same(0x1021);
  uint16_t a = crc.CrcAdd(kCheck, 9);
  same.CrcAdd(&zero, 1);
  EXPECT_EQ(a, same.CrcAdd(kCheck, 9));
}
