// COvFile: ownership of its handle, typed values, NUL-terminated texts and whole-file reads.
#include "core/ovfile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core_test_util.h"
#include "support/temp_dir.h"

namespace {

class FileTest : public ::testing::Test {
 protected:
  void TearDown() override { COvFileSystemUnCached::SetSwapDWORDOnWrite(false); }
  // A text or null, told apart.
  static std::string Shown(const char* text) { return text ? "\"" + std::string(text) + "\"" : "null"; }

  TempDir m_dir;
};

// A refused open (each reason is the file system's) leaves the file closed: every call answers as
// on a closed file, and the next open works.
TEST_F(FileTest, RefusedOpensLeaveTheFileAsItWasAndAClosedFileAnswers) {
  std::string first = m_dir.WriteFile("first.txt", "1st");
  std::string second = m_dir.WriteFile("second.txt", "2nd");
  COvFile file, closed;
  ASSERT_EQ(eOvFileSystemError_None, OpenOnDisk(file, first));
  EXPECT_EQ(eOvFileSystemError_AlreadyOpened, OpenOnDisk(file, second));
  char buffer[4] = {};
  EXPECT_EQ(3, file.Read(buffer, 3));
  EXPECT_STREQ("1st", buffer);
  EXPECT_EQ(eOvFileSystemError_Open, OpenOnDisk(closed, m_dir.Join("missing.bin")));
  COvString text("kept");
  int size = 5;
  EXPECT_TRUE(!closed.IsOpened() && closed.GetHandle() == nullptr && closed.GetOpenMode() == 0);
  EXPECT_EQ(0, closed.Read(buffer, 4));
  // Close, ReadString, AsyncRead, AsyncWrite, AsyncWait, WriteS8, WriteString in turn.
  EXPECT_EQ((std::vector<int>{eOvFileSystemError_Close, eOvFileSystemError_Read, eOvFileSystemError_Read,
                              eOvFileSystemError_Write, eOvFileSystemError_None, eOvFileSystemError_Write,
                              eOvFileSystemError_Write}),
            (std::vector<int>{closed.Close(), closed.ReadString(text), closed.AsyncRead(buffer, 4),
                              closed.AsyncWrite(buffer, 4), closed.AsyncWait(), closed.WriteS8(1),
                              closed.WriteString("x")}));
  EXPECT_TRUE(text.IsEmpty());
  EXPECT_EQ(nullptr, closed.ReadEntireFile(size));
  EXPECT_EQ(0, size);
  EXPECT_EQ(eOvFileSystemError_None, OpenOnDisk(closed, second));
}

TEST_F(FileTest, WrappedHandleStaysOpen) {
  std::string path = m_dir.WriteFile("shared.bin", "wxyz");
  COvFileHandle* handle = nullptr;
  ASSERT_EQ(eOvFileSystemError_None,
            COvFileSystemUnCached::Open(handle, path.c_str(), eOvFileSystemOpenMode_ReadBinary, false));
  {
    COvFile wrapper(handle);
    EXPECT_TRUE(wrapper.IsOpened());
    EXPECT_EQ(4, wrapper.GetSize());
    char c;
    EXPECT_EQ(1, wrapper.Read(&c, 1));
  }
  EXPECT_EQ(1, COvFileSystemUnCached::GetPos(handle));
  EXPECT_EQ(eOvFileSystemError_None, COvFileSystemUnCached::Close(handle));
}

// Typed writes round-trip; with the swap flag whole 32-bit words are written byte-swapped.
TEST_F(FileTest, TypedValuesRoundTripAndTheSwapFlagTurnsWholeWords) {
  std::string path = m_dir.Join("values.bin");
  const int ok = eOvFileSystemError_None;
  COvFile out, in;
  ASSERT_EQ(ok, OpenOnDisk(out, path, eOvFileSystemOpenMode_WriteBinary));
  // S16 keeps only the low two bytes.
  EXPECT_EQ((std::vector<int>{ok, ok, ok, ok, ok}),
            (std::vector<int>{out.WriteS8(-2), out.WriteS16(0x12345), out.WriteS32(-70000),
                              out.WriteF32(1.5f), out.WriteS64(-1234567890123ll)}));
  out.Close();
  ASSERT_EQ(ok, OpenOnDisk(in, path));
  EXPECT_EQ(19, in.GetSize());
  int8_t s8;
  int16_t s16;
  int32_t s32;
  float f32;
  int64_t s64 = 42;
  EXPECT_EQ(
      (std::vector<int>{ok, ok, ok, ok, ok}),
      (std::vector<int>{in.ReadS8(s8), in.ReadS16(s16), in.ReadS32(s32), in.ReadF32(f32), in.ReadS64(s64)}));
  EXPECT_TRUE(s8 == -2 && s16 == 0x2345 && s32 == -70000 && f32 == 1.5f && s64 == -1234567890123ll);
  // Cut short: a read error and a zero value.
  in.SeekFromStart(16);
  EXPECT_EQ(eOvFileSystemError_Read, in.ReadS64(s64));
  EXPECT_EQ(0, s64);
  in.Close();
  COvFileSystemUnCached::SetSwapDWORDOnWrite(true);
  // A closed file opens again.
  ASSERT_EQ(ok, OpenOnDisk(out, path, eOvFileSystemOpenMode_WriteBinary));
  EXPECT_TRUE(out.WriteS32(0x01020304) == ok && out.WriteS16(0x0506) == ok);
  out.Close();
  EXPECT_EQ("\x01\x02\x03\x04\x06\x05", ReadFileBytes(path));
}

// ReadEntireFile reads from the start, wherever the position is.
TEST_F(FileTest, WriteStringAddsTheTerminatorNeedsAWritableFileAndTheWholeFileReadsBack) {
  std::string path = m_dir.Join("text.bin");
  {
    COvFile out;
    ASSERT_EQ(eOvFileSystemError_None, OpenOnDisk(out, path, eOvFileSystemOpenMode_WriteBinary));
    EXPECT_TRUE(out.WriteString("abc") == eOvFileSystemError_None &&
                out.WriteString(COvString()) == eOvFileSystemError_None);
  }
  COvFile in;
  ASSERT_EQ(eOvFileSystemError_None, OpenOnDisk(in, path));
  EXPECT_TRUE(in.WriteString("x") == eOvFileSystemError_Write && in.WriteS16(1) == eOvFileSystemError_Write);
  in.SeekFromStart(3);
  int size = 0;
  std::unique_ptr<uint8_t[]> data(in.ReadEntireFile(size));
  ASSERT_NE(nullptr, data);
  EXPECT_EQ(std::string("abc\0\0", 5), std::string(reinterpret_cast<char*>(data.get()), size));
}

// Each read's result, text (null: the empty text is the null string) and position after it.
TEST_F(FileTest, ReadStringStopsAtTheTerminatorOrTheEnd) {
  const int max = COvFile::kMaxStringLength;
  const std::string longest(max, 'q');
  struct Step {
    EOvFileSystemError error;
    const char* text;
    int position;
  };
  struct Row {
    std::string bytes;
    std::vector<Step> steps;
  };
  const EOvFileSystemError ok = eOvFileSystemError_None, fail = eOvFileSystemError_Read;
  const Row rows[] = {
      {std::string("abc\0\0", 5), {{ok, "abc", 4}, {ok, nullptr, 5}, {fail, nullptr, 5}}},
      // No terminator before the end: what was there, and a read error.
      {"ab", {{fail, "ab", 2}, {fail, nullptr, 2}}},
      {longest + std::string("\0z", 3), {{ok, longest.c_str(), max + 1}, {ok, "z", max + 3}}},
      // One character too many: the longest text, a read error, the rest left for the next read.
      {longest + std::string("q\0", 2), {{fail, longest.c_str(), max}, {ok, "q", max + 2}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.bytes.substr(0, 8));
    COvFile file;
    ASSERT_EQ(eOvFileSystemError_None, OpenOnDisk(file, m_dir.WriteFile("text.bin", row.bytes)));
    for (const Step& step : row.steps) {
      COvString text("stale");
      EXPECT_EQ(step.error, file.ReadString(text));
      EXPECT_EQ(Shown(step.text), Shown(text.GetRawBuffer()));
      EXPECT_EQ(step.position, file.GetPos());
    }
  }
}

}  // namespace
