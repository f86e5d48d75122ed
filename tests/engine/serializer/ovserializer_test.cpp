#include "engine/serializer/ovserializer.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/serializer/ovserialloader.h"
#include "engine/serializer/ovserialsaver.h"

namespace {

using Bytes = std::vector<unsigned char>;

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
    return {s.Serialize(text), s.Serialize(f), s.Serialize(i),
            s.Serialize(u),    s.Serialize(c), s.Serialize(b)};
  }
  Bytes Saved() {
    Bytes bytes(4 + text.GetLength() + 14);
    COvSerialSaver saver(bytes.data(), static_cast<unsigned int>(bytes.size()));
    Serialize(saver);
    EXPECT_EQ(saver.getFlow(), 0u);
    return bytes;
  }
};

// The sizer counts what the saver writes, and the loader reads it back; the empty text is
// four zero bytes.
TEST(SerialTest, SizerSaverAndLoaderAgree) {
  const Bytes rest = {0x00, 0x00, 0xC0, 0x3F, 0xFB, 0xFF, 0xFF, 0xFF, 0xEF, 0xBE, 0xAD, 0xDE, 'x', 0xFE};
  const std::pair<const char*, Bytes> rows[] = {{"abc", {3, 0, 0, 0, 'a', 'b', 'c'}}, {"", {0, 0, 0, 0}}};
  for (const auto& [text, start] : rows) {
    Record record;
    record.text = text;
    Bytes expected = start;
    expected.insert(expected.end(), rest.begin(), rest.end());
    COvSerialSizer sizer;
    record.Serialize(sizer);
    Record loaded{"old", 0, 0, 0, 0, 0};
    COvSerialLoader loader(expected.data(), static_cast<unsigned int>(expected.size()));
    loaded.Serialize(loader);
    EXPECT_TRUE(sizer.GetLength() == expected.size() && !loader.hasOverflowed());
    EXPECT_TRUE(record.Saved() == expected && loaded.Saved() == expected);
  }
}

// A buffer too short fails at the field that does not fit, and every later call fails too,
// even a one-byte field that would still fit.
TEST(SerialTest, ShortBufferFailsAtItsFieldAndKeepsFailing) {
  // The buffer's length and the first field that fails.
  const std::pair<unsigned int, size_t> rows[] = {{0, 0},  {3, 0},  {6, 0},  {7, 1}, {10, 1},
                                                  {14, 2}, {18, 3}, {19, 4}, {20, 5}};
  Record source;
  const Bytes bytes = source.Saved();
  for (const auto& [length, firstFailing] : rows) {
    SCOPED_TRACE(length);
    Record loaded;
    COvSerialLoader loader(bytes.data(), length);
    Bytes out(length + 1);
    COvSerialSaver saver(out.data(), length);
    for (const std::vector<int>& results : {loaded.Serialize(loader), source.Serialize(saver)})
      for (size_t field = 0; field < results.size(); ++field) EXPECT_EQ(results[field], field < firstFailing);
    char c = 0;
    EXPECT_TRUE(loader.hasOverflowed() && saver.hasOverflowed() && loader.Serialize(c) == 0);
  }
}

}  // namespace
