#include "engine/serializer/ovserializer.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/serializer/ovserialloader.h"
#include "engine/serializer/ovserialsaver.h"

namespace {

// One field of each kind; its layout is 4 + 3 + 4 + 4 + 4 + 1 + 1 = 21 bytes.
struct Record {
  TOvString<char> text = "abc";
  float f = 1.5f;
  int i = -5;
  unsigned int u = 0xDEADBEEF;
  char c = 'x';
  unsigned char b = 0xFE;
  // The result of each call, in order.
  std::vector<int> Serialize(IOvSerializer& s) {
    return {s.Serialize(text), s.Serialize(f), s.Serialize(i), s.Serialize(u), s.Serialize(c), s.Serialize(b)};
  }
};

TEST(SerialTest, SizerSaverAndLoaderAgree) {
  Record record;
  COvSerialSizer sizer;
  record.Serialize(sizer);
  ASSERT_EQ(sizer.GetLength(), 21u);
  std::vector<unsigned char> bytes(21);
  COvSerialSaver saver(bytes.data(), 21);
  record.Serialize(saver);
  EXPECT_EQ(saver.getFlow(), 0u);
  EXPECT_FALSE(saver.hasOverflowed());
  const std::vector<unsigned char> expected = {3,    0,    0,    0,    'a',  'b',  'c',  0x00, 0x00, 0xC0, 0x3F,
                                               0xFB, 0xFF, 0xFF, 0xFF, 0xEF, 0xBE, 0xAD, 0xDE, 'x',  0xFE};
  EXPECT_EQ(bytes, expected);
  Record loaded{"", 0, 0, 0, 0, 0};
  COvSerialLoader loader(bytes.data(), 21);
  loaded.Serialize(loader);
  EXPECT_FALSE(loader.hasOverflowed());
  EXPECT_STREQ(loaded.text.GetBuffer(), "abc");
  EXPECT_EQ(loaded.f, 1.5f);
  EXPECT_EQ(loaded.i, -5);
  EXPECT_EQ(loaded.u, 0xDEADBEEFu);
  EXPECT_EQ(loaded.c, 'x');
  EXPECT_EQ(loaded.b, 0xFE);
}

TEST(SerialTest, EmptyTextIsFourZeroBytes) {
  TOvString<char> empty;
  unsigned char bytes[5] = {9, 9, 9, 9, 9};
  COvSerialSaver saver(bytes, 5);
  EXPECT_EQ(saver.Serialize(empty), 1);
  EXPECT_EQ(saver.getFlow(), 1u);
  const unsigned char expected[5] = {0, 0, 0, 0, 9};
  EXPECT_EQ(0, memcmp(bytes, expected, 5));
  TOvString<char> loaded("old");
  COvSerialLoader loader(bytes, 4);
  EXPECT_EQ(loader.Serialize(loaded), 1);
  EXPECT_TRUE(loaded.IsEmpty());
}

// A buffer too short fails at the field that does not fit, and every later call fails too,
// even a one-byte field that would still fit.
TEST(SerialTest, ShortBufferFailsAtItsFieldAndKeepsFailing) {
  const struct {
    unsigned int length;
    size_t firstFailing;
  } rows[] = {{0, 0}, {3, 0}, {6, 0}, {7, 1}, {10, 1}, {14, 2}, {18, 3}, {19, 4}, {20, 5}};
  Record source;
  std::vector<unsigned char> bytes(21);
  COvSerialSaver full(bytes.data(), 21);
  source.Serialize(full);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.length);
    Record loaded;
    COvSerialLoader loader(bytes.data(), row.length);
    std::vector<unsigned char> out(row.length + 1);
    COvSerialSaver saver(out.data(), row.length);
    for (const std::vector<int>& results : {loaded.Serialize(loader), source.Serialize(saver)}) {
      for (size_t field = 0; field < results.size(); ++field) EXPECT_EQ(results[field], field < row.firstFailing);
    }
    EXPECT_TRUE(loader.hasOverflowed());
    EXPECT_TRUE(saver.hasOverflowed());
    char c = 0;
    EXPECT_EQ(loader.Serialize(c), 0);
  }
}

}  // namespace
