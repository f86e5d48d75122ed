// COvFileSystemUnCached: opening, routing and the disk operations, on files in a temporary
// directory.
#include "core/ovfilesystem.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace {

class FileSystemTest : public ::testing::Test {
 protected:
  void TearDown() override { COvFileSystemUnCached::SetSwapDWORDOnWrite(false); }

  // Writes bytes through a fresh handle in the given mode; false when anything failed.
  static bool WriteWith(const std::string& path, int mode, const std::string& bytes) {
    COvFileHandle* handle = nullptr;
    if (COvFileSystemUnCached::Open(handle, path.c_str(), mode, false) != eOvFileSystemError_None)
      return false;
    int size = static_cast<int>(bytes.size());
    bool written = COvFileSystemUnCached::Write(handle, bytes.data(), size) == size;
    return COvFileSystemUnCached::Close(handle) == eOvFileSystemError_None && written;
  }

  static std::string ReadWith(const std::string& path, int mode) {
    COvFileHandle* handle = nullptr;
    if (COvFileSystemUnCached::Open(handle, path.c_str(), mode, false) != eOvFileSystemError_None)
      return "<none>";
    std::string content;
    char buffer[64];
    int got;
    while ((got = COvFileSystemUnCached::Read(handle, buffer, sizeof buffer)) > 0)
      content.append(buffer, got);
    COvFileSystemUnCached::Close(handle);
    return content;
  }

  TempDir m_dir;
};

TEST_F(FileSystemTest, ModesWriteAppendAndReadBinaryOrWithTheHostLineEnd) {
  std::string path = m_dir.Join("data.bin");
  ASSERT_TRUE(WriteWith(path, eOvFileSystemOpenMode_WriteBinary, std::string("a\0b\n", 4)));
  ASSERT_TRUE(WriteWith(path, eOvFileSystemOpenMode_AppendBinary, "cd"));
  EXPECT_EQ(std::string("a\0b\ncd", 6), ReadWith(path, eOvFileSystemOpenMode_ReadBinary));
  EXPECT_EQ(std::string("a\0b\ncd", 6), ReadFileBytes(path));
  // "wb" truncates.
  ASSERT_TRUE(WriteWith(path, eOvFileSystemOpenMode_WriteBinary, "x"));
  EXPECT_EQ("x", ReadFileBytes(path));
  // Text modes use the host's line end.
  path = m_dir.Join("lines.txt");
  ASSERT_TRUE(WriteWith(path, eOvFileSystemOpenMode_WriteText, "one\n"));
  ASSERT_TRUE(WriteWith(path, eOvFileSystemOpenMode_AppendText, "two\n"));
#ifdef _WIN32
  EXPECT_EQ("one\r\ntwo\r\n", ReadFileBytes(path));
#else
  EXPECT_EQ("one\ntwo\n", ReadFileBytes(path));
#endif
  EXPECT_EQ("one\ntwo\n", ReadWith(path, eOvFileSystemOpenMode_ReadText));
}

// Invalid modes, missing files or directories, directories and empty names: no handle.
TEST_F(FileSystemTest, RefusedOpensGiveNoHandle) {
  struct Row {
    std::string path;
    std::vector<int> modes;
    EOvFileSystemError error;
  };
  const Row rows[] = {
      {m_dir.WriteFile("file.bin", "z"), {0, 7, -1, 100}, eOvFileSystemError_InvalidMode},
      {m_dir.Join("missing"), {eOvFileSystemOpenMode_ReadBinary}, eOvFileSystemError_Open},
      {m_dir.Join("no/such/dir/file"), {eOvFileSystemOpenMode_WriteBinary}, eOvFileSystemError_Open},
      {m_dir.Path(), {1, 2, 3, 4, 5, 6}, eOvFileSystemError_Open},
      {"", {eOvFileSystemOpenMode_WriteBinary}, eOvFileSystemError_Open},
  };
  int marker = 0;
  for (const Row& row : rows) {
    for (int mode : row.modes) {
      for (bool archived : {false, true}) {
        SCOPED_TRACE(testing::Message() << row.path << " mode " << mode << " archived " << archived);
        // A refused open clears the handle; an invalid mode is refused before it is touched.
        COvFileHandle* handle =
            row.error == eOvFileSystemError_Open ? reinterpret_cast<COvFileHandle*>(&marker) : nullptr;
        EXPECT_EQ(row.error, COvFileSystemUnCached::Open(handle, row.path.c_str(), mode, archived));
        EXPECT_EQ(nullptr, handle);
      }
    }
  }
  COvFileHandle* handle = nullptr;
  EXPECT_EQ(eOvFileSystemError_Open,
            COvFileSystemUnCached::Open(handle, nullptr, eOvFileSystemOpenMode_ReadBinary, true));
}

TEST_F(FileSystemTest, NullHandleAnswers) {
  COvFileHandle* handle = nullptr;
  char buffer[4] = {};
  EXPECT_EQ(eOvFileSystemError_NoHandle, COvFileSystemUnCached::Close(handle));
  EXPECT_EQ(0, COvFileSystemUnCached::Read(nullptr, buffer, 4));
  EXPECT_EQ(eOvFileSystemError_NoHandle, COvFileSystemUnCached::Write(nullptr, buffer, 4));
  EXPECT_EQ(-1, COvFileSystemUnCached::GetPos(nullptr));
  EXPECT_FALSE(COvFileSystemUnCached::SeekFromStart(nullptr, 0));
  EXPECT_FALSE(COvFileSystemUnCached::SeekFromCurrent(nullptr, 0));
  EXPECT_FALSE(COvFileSystemUnCached::SeekFromEnd(nullptr, 0));
  EXPECT_EQ(0, COvFileSystemUnCached::GetSize(nullptr));
  EXPECT_EQ(eOvFileSystemError_NoHandle, COvFileSystemUnCached::AsyncRead(nullptr, buffer, 4));
  EXPECT_EQ(eOvFileSystemError_NoHandle, COvFileSystemUnCached::AsyncWrite(nullptr, buffer, 4));
}

TEST_F(FileSystemTest, ReadAndWriteIgnoreBadArguments) {
  std::string path = m_dir.WriteFile("file.bin", "abcd");
  COvFileHandle* handle = nullptr;
  ASSERT_EQ(eOvFileSystemError_None,
            COvFileSystemUnCached::Open(handle, path.c_str(), eOvFileSystemOpenMode_ReadBinary, false));
  char buffer[4] = {};
  EXPECT_EQ(0, COvFileSystemUnCached::Read(handle, nullptr, 4));
  EXPECT_EQ(0, COvFileSystemUnCached::Read(handle, buffer, 0));
  EXPECT_EQ(0, COvFileSystemUnCached::Read(handle, buffer, -3));
  EXPECT_EQ(0, COvFileSystemUnCached::GetPos(handle));
  // A read-only stream takes no data.
  EXPECT_EQ(0, COvFileSystemUnCached::Write(handle, "xy", 2));
  EXPECT_EQ(0, COvFileSystemUnCached::Write(handle, nullptr, 2));
  EXPECT_EQ(0, COvFileSystemUnCached::Write(handle, "xy", -2));
  COvFileSystemUnCached::Close(handle);
  EXPECT_EQ("abcd", ReadFileBytes(path));
}

TEST_F(FileSystemTest, PositionsSeeksAndSize) {
  std::string path = m_dir.WriteFile("file.bin", "0123456789");
  COvFileHandle* handle = nullptr;
  ASSERT_EQ(eOvFileSystemError_None,
            COvFileSystemUnCached::Open(handle, path.c_str(), eOvFileSystemOpenMode_ReadBinary, false));
  char c;
  EXPECT_TRUE(COvFileSystemUnCached::SeekFromStart(handle, 3));
  EXPECT_EQ(3, COvFileSystemUnCached::GetPos(handle));
  EXPECT_TRUE(COvFileSystemUnCached::SeekFromCurrent(handle, 2));
  ASSERT_EQ(1, COvFileSystemUnCached::Read(handle, &c, 1));
  EXPECT_EQ('5', c);
  EXPECT_TRUE(COvFileSystemUnCached::SeekFromCurrent(handle, -6));
  EXPECT_EQ(0, COvFileSystemUnCached::GetPos(handle));
  // On disk the offset is added to the end.
  EXPECT_TRUE(COvFileSystemUnCached::SeekFromEnd(handle, -2));
  ASSERT_EQ(1, COvFileSystemUnCached::Read(handle, &c, 1));
  EXPECT_EQ('8', c);
  EXPECT_EQ(10, COvFileSystemUnCached::GetSize(handle));
  EXPECT_EQ(9, COvFileSystemUnCached::GetPos(handle));  // size leaves the position alone
  // Before the start: refused, the position kept.
  EXPECT_FALSE(COvFileSystemUnCached::SeekFromStart(handle, -1));
  EXPECT_FALSE(COvFileSystemUnCached::SeekFromEnd(handle, -11));
  EXPECT_EQ(9, COvFileSystemUnCached::GetPos(handle));
  COvFileSystemUnCached::Close(handle);
}

TEST_F(FileSystemTest, AsyncOperationsCompleteAtOnce) {
  std::string path = m_dir.WriteFile("file.bin", "abc");
  COvFileHandle* handle = nullptr;
  ASSERT_EQ(eOvFileSystemError_None,
            COvFileSystemUnCached::Open(handle, path.c_str(), eOvFileSystemOpenMode_ReadBinary, false));
  char buffer[8] = {};
  EXPECT_EQ(eOvFileSystemError_None, COvFileSystemUnCached::AsyncRead(handle, buffer, 2));
  EXPECT_EQ(eOvFileSystemError_Read, COvFileSystemUnCached::AsyncRead(handle, buffer + 2, 4));
  EXPECT_STREQ("abc", buffer);
  EXPECT_EQ(eOvFileSystemError_Write, COvFileSystemUnCached::AsyncWrite(handle, "x", 1));
  EXPECT_EQ(eOvFileAsyncState_Idle, handle->GetAsyncState());
  // Refused while one is pending.
  handle->SetAsyncState(eOvFileAsyncState_Reading);
  EXPECT_EQ(eOvFileSystemError_AsyncBusy, COvFileSystemUnCached::AsyncRead(handle, buffer, 1));
  EXPECT_EQ(eOvFileSystemError_AsyncBusy, COvFileSystemUnCached::AsyncWrite(handle, buffer, 1));
  EXPECT_EQ(3, COvFileSystemUnCached::GetPos(handle));
  handle->SetAsyncState(eOvFileAsyncState_Idle);
  COvFileSystemUnCached::Close(handle);

  ASSERT_EQ(eOvFileSystemError_None,
            COvFileSystemUnCached::Open(handle, path.c_str(), eOvFileSystemOpenMode_WriteBinary, false));
  EXPECT_EQ(eOvFileSystemError_None, COvFileSystemUnCached::AsyncWrite(handle, "xyz", 3));
  COvFileSystemUnCached::Close(handle);
  EXPECT_EQ("xyz", ReadFileBytes(path));
}

TEST_F(FileSystemTest, CloseReportsDataThatCouldNotBeWritten) {
  // A device that accepts the open but fails every flush.
  if (!FileExists("/dev/full")) GTEST_SKIP() << "no /dev/full on this host";
  COvFileHandle* handle = nullptr;
  ASSERT_EQ(eOvFileSystemError_None,
            COvFileSystemUnCached::Open(handle, "/dev/full", eOvFileSystemOpenMode_WriteBinary, false));
  EXPECT_EQ(3, COvFileSystemUnCached::Write(handle, "abc", 3));  // still buffered
  EXPECT_EQ(eOvFileSystemError_Close, COvFileSystemUnCached::Close(handle));
  EXPECT_EQ(nullptr, handle);
}

}  // namespace
