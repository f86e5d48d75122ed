// Bounds-checked binary reading and writing over memory buffers.
#include "core/ovbytecursor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

const uint8_t kSample[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09};

TEST(ByteCursorRead, IntegersAreLittleEndian) {
  const uint8_t data[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0xF0, 0xDE,
                          0xBC, 0x9A, 0x78, 0x56, 0x34, 0x12, 0xFF, 0xFE, 0xFF};
  COvByteCursor cursor(data, sizeof data);
  uint8_t u8;
  uint16_t u16;
  uint32_t u32;
  uint64_t u64;
  int8_t s8;
  int16_t s16;
  ASSERT_TRUE(cursor.ReadU8(u8) && cursor.ReadU16(u16) && cursor.ReadU32(u32));
  EXPECT_TRUE(u8 == 0x01 && u16 == 0x0302 && u32 == 0x07060504u);
  EXPECT_TRUE(cursor.GetPosition() == 7 && cursor.GetRemaining() == 11);
  ASSERT_TRUE(cursor.ReadU64(u64) && cursor.ReadS8(s8) && cursor.ReadS16(s16));
  EXPECT_TRUE(u64 == 0x123456789ABCDEF0ull && s8 == -1 && s16 == -2);
  EXPECT_TRUE(cursor.AtEnd() && !cursor.HasFailed());
}

// A short buffer fails without moving (ReadBytes too: all or nothing); the bytes that are there
// can still be read, and the failure stays noted until cleared. Read gives a short count.
TEST(ByteCursorBounds, ShortBufferFailsWithoutMovingAndTheFlagSticksWhileReadGivesAShortCount) {
  COvByteCursor cursor(kSample, 3);
  uint32_t value = 99;
  uint16_t half;
  uint8_t out[8] = {};
  EXPECT_FALSE(cursor.ReadU32(value) || cursor.ReadBytes(out, 4) || cursor.ReadBytes(out, -1));
  EXPECT_TRUE(value == 0u && cursor.GetPosition() == 0 && out[0] == 0);
  EXPECT_TRUE(cursor.ReadU16(half) && half == 0x0201 && cursor.HasFailed());
  cursor.ClearFailure();
  EXPECT_FALSE(cursor.HasFailed());
  EXPECT_TRUE(cursor.Seek(0));
  EXPECT_EQ((std::vector<int>{3, 0, 0, 0}),
            (std::vector<int>{cursor.Read(out, 8), cursor.Read(out, 8), cursor.Read(out, -1),
                              cursor.Read(nullptr, 2)}));
  EXPECT_TRUE(std::memcmp(out, kSample, 3) == 0 && out[3] == 0);
  EXPECT_TRUE(cursor.Seek(0));
  EXPECT_TRUE(cursor.ReadBytes(out + 4, 3));
  EXPECT_EQ(3, out[6]);
}

TEST(ByteCursorBounds, SeekSkipAndTakeStayInsideAndANullOrNegativeBufferIsEmpty) {
  COvByteCursor cursor(kSample, sizeof kSample);
  EXPECT_TRUE(cursor.Seek(9) && !cursor.Seek(10) && !cursor.Seek(-1));
  EXPECT_EQ(9, cursor.GetPosition());
  EXPECT_TRUE(cursor.Seek(2) && !cursor.Skip(8) && !cursor.Skip(-1) && cursor.Skip(7) && cursor.AtEnd());
  EXPECT_TRUE(cursor.Seek(1));
  const uint8_t* bytes = cursor.Take(2);
  ASSERT_NE(nullptr, bytes);
  EXPECT_EQ(0x02, bytes[0]);
  EXPECT_EQ(nullptr, cursor.Take(7));
  COvByteCursor nothing(nullptr, 100), negative(kSample, -5);
  uint8_t value;
  COvString text("x");
  EXPECT_TRUE(nothing.GetSize() == 0 && negative.GetSize() == 0);
  EXPECT_FALSE(nothing.ReadU8(value) || negative.ReadU8(value) || nothing.ReadString(text));
  EXPECT_TRUE(text.IsEmpty());
}

TEST(ByteCursorString, ReadsUpToTheTerminatorOrTheLimit) {
  const char data[] = "abc\0\0de";
  COvByteCursor cursor(data, 7);
  COvString text;
  ASSERT_TRUE(cursor.ReadString(text));
  EXPECT_EQ(COvString("abc"), text);
  EXPECT_EQ(4, cursor.GetPosition());
  ASSERT_TRUE(cursor.ReadString(text));
  EXPECT_EQ(nullptr, text.GetRawBuffer());  // the empty text is the null string
  EXPECT_FALSE(cursor.ReadString(text));    // "de" has no terminator
  EXPECT_EQ(COvString("de"), text);
  EXPECT_TRUE(cursor.AtEnd());
  // An over-long text is cut and skipped up to its terminator.
  COvByteCursor longer("abcdef\0Z", 9);
  EXPECT_FALSE(longer.ReadString(text, 4));
  EXPECT_EQ(COvString("abcd"), text);
  EXPECT_EQ(7, longer.GetPosition());
  EXPECT_TRUE(longer.ReadString(text, 4));
  EXPECT_EQ(COvString("Z"), text);
}

TEST(ByteWriter, WritesLittleEndianOrSwappedBigEndianAndNeverPastTheCapacity) {
  uint8_t buffer[15] = {};
  COvByteWriter writer(buffer, sizeof buffer);
  EXPECT_TRUE(writer.WriteU16(0x0102) && writer.WriteU32(0x03040506) &&
              writer.WriteU64(0x0708090A0B0C0D0Eull) && writer.WriteU8(0x0F));
  const uint8_t expected[] = {2, 1, 6, 5, 4, 3, 0x0E, 0x0D, 0x0C, 0x0B, 0x0A, 9, 8, 7, 0x0F};
  EXPECT_EQ(0, std::memcmp(expected, buffer, sizeof expected));
  EXPECT_EQ(15, writer.GetSize());
  COvByteWriter swapped(buffer, sizeof buffer, true);
  EXPECT_TRUE(swapped.WriteS32(0x01020304) && swapped.WriteU16(0x0506));
  const uint8_t big[] = {1, 2, 3, 4, 5, 6};
  EXPECT_EQ(0, std::memcmp(big, buffer, sizeof big));
  std::memset(buffer, 0xAA, sizeof buffer);
  COvByteWriter small(buffer, 5);
  EXPECT_TRUE(small.WriteU32(0));
  EXPECT_FALSE(small.WriteU16(0) || small.WriteString("ab") || small.WriteBytes("xy", 2));
  EXPECT_TRUE(small.WriteString(nullptr) && small.HasFailed());
  EXPECT_TRUE(small.GetSize() == 5 && buffer[5] == 0xAA);
}

}  // namespace
