// Every CRC-64 code path the processor offers, forced one by one, against the byte loop.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/ovcrc.h"
#include "core/ovcrc64paths.h"

using ovcrc::Crc64Path;

TEST(OvCrc64Paths, EveryPathMatchesTheByteLoopForAllLengthsAndAlignments) {
  std::mt19937 random(99);
  std::vector<uint8_t> buffer(4096 + 64);
  for (auto& byte : buffer) byte = static_cast<uint8_t>(random());
  // Capitals and their neighbours in quantity, so the vector lower-casing meets every border.
  for (size_t i = 0; i < buffer.size(); i += 3) buffer[i] = static_cast<uint8_t>(0x3E + random() % 0x20);
  const uint64_t initial = 0x0123456789ABCDEFull;
  for (Crc64Path path : {Crc64Path::Table, Crc64Path::Clmul, Crc64Path::Clmul512}) {
    if (!ovcrc::Crc64PathAvailable(path)) continue;
    for (bool lower : {false, true}) {
      SCOPED_TRACE(testing::Message() << "path " << static_cast<int>(path) << " lower " << lower);
      for (int offset = 0; offset < 64; ++offset) {
        const uint8_t* p = buffer.data() + offset;
        uint64_t expected = initial;  // the byte loop's CRC of the first `length` bytes
        for (int length = 0; length <= 4096; ++length) {
          ASSERT_EQ(expected, ovcrc::Crc64ByPath(path, p, static_cast<size_t>(length), initial, lower))
              << offset << "/" << length;
          expected = lower ? CreateCrc64_ToLowerBytewise(p + length, 1, expected)
                           : CreateCrc64Bytewise(p + length, 1, expected);
        }
      }
    }
  }
}

// A one followed by zeros: the byte loop's CRC from a zero state of a 1 bit then 8L - 1 zero
// bits is x^(8L + 63) mod the polynomial, reflected. That checks the constants' generator.
TEST(OvCrc64Paths, PowerOfXMatchesTheCrcOfASingleBit) {
  for (int bytes : {1, 2, 16, 64, 129, 256}) {
    std::vector<uint8_t> message(bytes, 0);
    message[0] = 1;
    uint64_t power = ovcrc::Crc64XPowerMod(8 * bytes + 63), reflected = 0;
    for (int i = 0; i < 64; ++i) reflected |= ((power >> i) & 1) << (63 - i);
    EXPECT_EQ(CreateCrc64Bytewise(message.data(), bytes, 0), reflected) << bytes;
  }
}

TEST(OvCrc64Paths, PublicFunctionsAgreeOnLongInputs) {
  std::vector<uint8_t> buffer(1 << 20);
  std::mt19937 random(5);
  for (auto& byte : buffer) byte = static_cast<uint8_t>(random());
  const int length = static_cast<int>(buffer.size()) - 3;
  EXPECT_EQ(CreateCrc64Bytewise(buffer.data() + 3, length, ~0ull), CreateCrc64(buffer.data() + 3, length));
  EXPECT_EQ(CreateCrc64_ToLowerBytewise(buffer.data(), length, 7),
            CreateCrc64_ToLower(buffer.data(), length, 7));
}
