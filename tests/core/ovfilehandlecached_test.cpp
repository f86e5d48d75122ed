// COvFileHandleCached: reads through the slot cache must give the file's bytes whatever the
// order of seeks and the sizes of the reads.
#include "core/ovfilehandlecached.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "bigfile/ovcompressedfilewriter.h"
#include "core/ovfilesystem.h"
#include "core_test_util.h"
#include "support/temp_dir.h"

namespace {

class CachedHandleTest : public ::testing::Test {
 protected:
  static std::string ReadAll(COvFileHandleCached& handle, int chunk) {
    std::string content;
    std::vector<char> buffer(static_cast<size_t>(chunk));
    int got;
    while ((got = handle.Read(buffer.data(), chunk)) > 0)
      content.append(buffer.data(), static_cast<size_t>(got));
    return content;
  }

  TempDir m_dir;
};

// The header holds the first 32 bytes, or zeros for a shorter file; reading starts at 0 and
// goes to the end in any chunk size, and after any seek gives the bytes from there.
TEST_F(CachedHandleTest, HeaderHoldsTheFirstBytesAndReadsInAnyChunkSizeOrAfterRandomSeeksGiveTheFile) {
  const std::string content = Pattern(100000), path = m_dir.WriteFile("data.bin", content);
  for (int chunk : {1, 7, 100, 8191, 8192, 9000, 120000}) {
    SCOPED_TRACE(chunk);
    COvFileHandleCached handle;
    ASSERT_EQ(eOvFileSystemError_None, OpenOnDisk(handle, path));
    EXPECT_EQ(content.substr(0, 32), std::string(reinterpret_cast<const char*>(handle.GetHeader()), 32));
    EXPECT_TRUE(handle.GetSize() == 100000 && handle.FilePos() == 0);
    EXPECT_EQ(content, ReadAll(handle, chunk));
    EXPECT_TRUE(handle.FilePos() == 100000 && handle.EndOfFile() == 0);
  }
  COvFileHandleCached tiny, handle;
  ASSERT_EQ(eOvFileSystemError_None, OpenOnDisk(tiny, m_dir.WriteFile("tiny.bin", "tiny")));
  EXPECT_EQ(std::string(32, '\0'), std::string(reinterpret_cast<const char*>(tiny.GetHeader()), 32));
  EXPECT_EQ("tiny", ReadAll(tiny, 3));
  ASSERT_EQ(eOvFileSystemError_None, OpenOnDisk(handle, path));
  std::mt19937 generator(42);
  char buffer[20000];
  for (int i = 0; i < 500; ++i) {
    int position = static_cast<int>(generator() % 100001);
    int n = static_cast<int>(generator() % (i % 10 == 0 ? 20000 : 300)) + 1;
    SCOPED_TRACE(testing::Message() << "position " << position << " n " << n);
    ASSERT_TRUE(handle.SeekStart(position));
    EXPECT_EQ(position, handle.FilePos());
    int expected = std::min(n, 100000 - position);
    ASSERT_EQ(expected, handle.Read(buffer, n));
    ASSERT_EQ(content.substr(static_cast<size_t>(position), static_cast<size_t>(expected)),
              std::string(buffer, static_cast<size_t>(expected)));
    EXPECT_EQ(100000 - position - expected, handle.EndOfFile());
  }
}

TEST_F(CachedHandleTest, OpenCloseSeekLimitsAndWritesThatGoThrough) {
  std::string path = m_dir.WriteFile("a.bin", "abc");
  COvFileHandleCached handle;
  char buffer[4];
  // Read, SeekStart and Close before any open, then a refused open.
  EXPECT_EQ((std::vector<int>{0, false, eOvFileSystemError_Close, eOvFileSystemError_Open, false}),
            (std::vector<int>{handle.Read(buffer, 4), handle.SeekStart(0), handle.Close(),
                              OpenOnDisk(handle, m_dir.Join("missing")), handle.IsOpened()}));
  ASSERT_EQ(eOvFileSystemError_None, OpenOnDisk(handle, path));
  // Seeks stay inside the file; at its end a read gives nothing.
  EXPECT_FALSE(handle.SeekStart(-1) || handle.SeekStart(4));
  EXPECT_TRUE(handle.SeekStart(3));
  EXPECT_EQ(0, handle.Read(buffer, 1));
  EXPECT_EQ(eOvFileSystemError_AlreadyOpened, OpenOnDisk(handle, path));
  EXPECT_EQ(eOvFileSystemError_None, handle.Close());
  EXPECT_FALSE(handle.IsOpened());
  // Writes go through to the file; the position and the size follow them.
  const std::string written = m_dir.Join("written.bin");
  ASSERT_EQ(eOvFileSystemError_None, OpenOnDisk(handle, written, eOvFileSystemOpenMode_WriteBinary));
  EXPECT_EQ(5, handle.Write("hello", 5));
  EXPECT_TRUE(handle.FilePos() == 5 && handle.GetSize() == 5);
  EXPECT_EQ(eOvFileSystemError_None, handle.Close());
  EXPECT_EQ("hello", ReadFileBytes(written));
  // A file shorter than when it was opened gives the refill error.
  ASSERT_EQ(eOvFileSystemError_None, OpenOnDisk(handle, m_dir.WriteFile("shrinking.bin", Pattern(20000))));
  m_dir.WriteFile("shrinking.bin", Pattern(100));
  ASSERT_TRUE(handle.SeekStart(5000));
  EXPECT_EQ(COvFileHandleCached::kReadShortRefill, handle.Read(buffer, 4));
}

// A compressed file reads as its uncompressed bytes, with seeks both ways; a damaged one
// reads short.
TEST_F(CachedHandleTest, CompressedFileReadsExpanded) {
  std::string content = Pattern(30000), path = m_dir.Join("packed.bin");
  ASSERT_TRUE(OvSaveCompressedFile(path.c_str(), content.data(), static_cast<int>(content.size())));
  std::string image = ReadFileBytes(path), half = image.substr(0, image.size() / 2);
  COvFileHandleCached handle;
  ASSERT_EQ(eOvFileSystemError_None, OpenOnDisk(handle, path));
  EXPECT_EQ(30000, handle.GetSize());
  EXPECT_EQ(content, ReadAll(handle, 777));
  ASSERT_TRUE(handle.SeekStart(100));
  EXPECT_EQ(content.substr(100), ReadAll(handle, 5000));
  EXPECT_EQ(0, handle.Write("x", 1));
  handle.Close();
  ASSERT_EQ(eOvFileSystemError_None, OpenOnDisk(handle, m_dir.WriteFile("cut.bin", half)));
  std::string got = ReadAll(handle, 4096);
  EXPECT_LT(got.size(), content.size());
  EXPECT_EQ(content.substr(0, got.size()), got);
  EXPECT_FALSE(handle.SeekStart(29000));
}

}  // namespace
