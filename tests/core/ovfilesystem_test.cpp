// COvFileSystemUnCached: opening, routing and the disk operations, on files in a temporary
// directory.
#include "core/ovfilesystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace {

using FS = COvFileSystemUnCached;

class FileSystemTest : public ::testing::Test {
 protected:
  static COvFileHandle* Open(const std::string& path, int mode) {
    COvFileHandle* handle = nullptr;
    FS::Open(handle, path.c_str(), mode, false);
    return handle;
  }
  // Writes bytes through a fresh handle in the given mode; false when anything failed.
  static bool WriteWith(const std::string& path, int mode, const std::string& bytes) {
    COvFileHandle* handle = Open(path, mode);
    int size = static_cast<int>(bytes.size());
    bool written = handle != nullptr && FS::Write(handle, bytes.data(), size) == size;
    return FS::Close(handle) == eOvFileSystemError_None && written;
  }
  static std::string ReadWith(const std::string& path, int mode) {
    COvFileHandle* handle = Open(path, mode);
    std::string content;
    char buffer[64];
    for (int got; (got = FS::Read(handle, buffer, sizeof buffer)) > 0;) content.append(buffer, got);
    FS::Close(handle);
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
  EXPECT_EQ(TextModeBytes("one\ntwo\n"), ReadFileBytes(path));
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
        EXPECT_EQ(row.error, FS::Open(handle, row.path.c_str(), mode, archived));
        EXPECT_EQ(nullptr, handle);
      }
    }
  }
  COvFileHandle* handle = nullptr;
  EXPECT_EQ(eOvFileSystemError_Open, FS::Open(handle, nullptr, eOvFileSystemOpenMode_ReadBinary, true));
}

TEST_F(FileSystemTest, NullHandleAnswers) {
  COvFileHandle* handle = nullptr;
  char buffer[4] = {};
  // Close, Read, Write, GetPos, the three seeks, GetSize, AsyncRead, AsyncWrite.
  EXPECT_EQ((std::vector<int>{eOvFileSystemError_NoHandle, 0, eOvFileSystemError_NoHandle, -1, 0, 0, 0, 0,
                              eOvFileSystemError_NoHandle, eOvFileSystemError_NoHandle}),
            (std::vector<int>{FS::Close(handle), FS::Read(nullptr, buffer, 4), FS::Write(nullptr, buffer, 4),
                              static_cast<int>(FS::GetPos(nullptr)), FS::SeekFromStart(nullptr, 0),
                              FS::SeekFromCurrent(nullptr, 0), FS::SeekFromEnd(nullptr, 0),
                              static_cast<int>(FS::GetSize(nullptr)), FS::AsyncRead(nullptr, buffer, 4),
                              FS::AsyncWrite(nullptr, buffer, 4)}));
}

// Bad buffers and counts read and write nothing; a read-only stream takes no data. On disk a seek
// from the end adds the offset to the end; before the start is refused, the position kept; the
// size leaves the position alone.
TEST_F(FileSystemTest, BadReadAndWriteArgumentsPositionsSeeksAndSize) {
  std::string path = m_dir.WriteFile("file.bin", "0123456789");
  COvFileHandle* handle = Open(path, eOvFileSystemOpenMode_ReadBinary);
  ASSERT_NE(nullptr, handle);
  char c[2] = {};
  EXPECT_EQ((std::vector<int>(7, 0)),
            (std::vector<int>{FS::Read(handle, nullptr, 4), FS::Read(handle, c, 0), FS::Read(handle, c, -3),
                              static_cast<int>(FS::GetPos(handle)), FS::Write(handle, "xy", 2),
                              FS::Write(handle, nullptr, 2), FS::Write(handle, "xy", -2)}));
  EXPECT_TRUE(FS::SeekFromStart(handle, 3) && FS::GetPos(handle) == 3 && FS::SeekFromCurrent(handle, 2));
  EXPECT_TRUE(FS::Read(handle, &c[0], 1) == 1 && FS::SeekFromCurrent(handle, -6) && FS::GetPos(handle) == 0);
  EXPECT_TRUE(FS::SeekFromEnd(handle, -2) && FS::Read(handle, &c[1], 1) == 1);
  EXPECT_EQ(std::string("58"), std::string(c, 2));
  EXPECT_EQ(10, FS::GetSize(handle));
  EXPECT_FALSE(FS::SeekFromStart(handle, -1) || FS::SeekFromEnd(handle, -11));
  EXPECT_EQ(9, FS::GetPos(handle));
  FS::Close(handle);
  EXPECT_EQ("0123456789", ReadFileBytes(path));
}

// Async calls complete at once; they are refused while one is pending.
TEST_F(FileSystemTest, AsyncOperationsCompleteAtOnce) {
  std::string path = m_dir.WriteFile("file.bin", "abc");
  COvFileHandle* handle = Open(path, eOvFileSystemOpenMode_ReadBinary);
  ASSERT_NE(nullptr, handle);
  char buffer[8] = {};
  EXPECT_EQ((std::vector<int>{eOvFileSystemError_None, eOvFileSystemError_Read, eOvFileSystemError_Write}),
            (std::vector<int>{FS::AsyncRead(handle, buffer, 2), FS::AsyncRead(handle, buffer + 2, 4),
                              FS::AsyncWrite(handle, "x", 1)}));
  EXPECT_STREQ("abc", buffer);
  EXPECT_EQ(eOvFileAsyncState_Idle, handle->GetAsyncState());
  handle->SetAsyncState(eOvFileAsyncState_Reading);
  EXPECT_TRUE(FS::AsyncRead(handle, buffer, 1) == eOvFileSystemError_AsyncBusy &&
              FS::AsyncWrite(handle, buffer, 1) == eOvFileSystemError_AsyncBusy);
  EXPECT_EQ(3, FS::GetPos(handle));
  handle->SetAsyncState(eOvFileAsyncState_Idle);
  FS::Close(handle);
  handle = Open(path, eOvFileSystemOpenMode_WriteBinary);
  EXPECT_EQ(eOvFileSystemError_None, FS::AsyncWrite(handle, "xyz", 3));
  FS::Close(handle);
  EXPECT_EQ("xyz", ReadFileBytes(path));
}

// A device that accepts the open but fails every flush: the buffered data is reported lost.
TEST_F(FileSystemTest, CloseReportsDataThatCouldNotBeWritten) {
  if (!FileExists("/dev/full")) GTEST_SKIP() << "no /dev/full on this host";
  COvFileHandle* handle = Open("/dev/full", eOvFileSystemOpenMode_WriteBinary);
  ASSERT_NE(nullptr, handle);
  EXPECT_EQ(3, FS::Write(handle, "abc", 3));  // still buffered
  EXPECT_EQ(eOvFileSystemError_Close, FS::Close(handle));
  EXPECT_EQ(nullptr, handle);
}

}  // namespace
