// Big-file archives: the generated layout, lookups by name, reads and seeks through the file
// layer, registration, and damaged archives (sizes, offsets, counts and names past the end).
#include "bigfile/ovbigfile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "bigfile/ovbigfilegenerator.h"
#include "core/ovidentifier.h"
#include "packed_test_data.h"
#include "support/temp_dir.h"

namespace {

class BigFileTest : public ::testing::Test {
 protected:
  // An archive of the given (name, content) pairs; returns its path.
  std::string Build(const std::string& archive,
                    std::initializer_list<std::pair<const char*, std::string>> files, bool swapEndian = false,
                    bool fatOnly = false) {
    COvBigFileGenerator generator;
    for (const auto& file : files)
      EXPECT_TRUE(generator.AddFile(m_dir.WriteFile(std::string("s_") + file.first, file.second).c_str(),
                                    file.first));
    EXPECT_TRUE(generator.Save(m_dir.Join(archive).c_str(), swapEndian, fatOnly));
    return m_dir.Join(archive);
  }

  TempDir m_dir;
};

TEST_F(BigFileTest, LayoutAndEntryNames) {
  std::string table = Le32(26) + Le32(1) + Le64(COvIdentifier("a.txt").GetCrc64()) +
                      std::string("a.txt\0", 6) + Le32(30) + Le32(5);
  EXPECT_EQ(table + "hello", ReadFileBytes(Build("one.big", {{"a.txt", "hello"}})));
  EXPECT_EQ(table, ReadFileBytes(Build("fat.big", {{"a.txt", "hello"}}, false, true)));
  EXPECT_EQ(std::string("\0\0\0\x1a\0\0\0\x01", 8),
            ReadFileBytes(Build("sw.big", {{"a.txt", "hello"}}, true)).substr(0, 8));
  COvBigFileGenerator generator;
  EXPECT_FALSE(generator.AddFile(m_dir.Join("missing").c_str(), "x"));
  // GetName is the registry's name for the CRC, not the stored one.
  ASSERT_TRUE(generator.AddFile(m_dir.Join("s_a.txt").c_str(), "unregistered", 0x0123456789ABCDEFull));
  EXPECT_STREQ("CRC<0123456789ABCDEF>", generator.GetFAT().GetEntry(0).GetName().GetBuffer());
}

TEST_F(BigFileTest, LookupReadsAndSeeks) {
  COvBigFile archive;
  ASSERT_EQ(0, archive.Open(Build("ab.big", {{"a.txt", "hello"}, {"dir/b.bin", "0123456789"}}).c_str(), 1));
  EXPECT_EQ(eOvFileSystemError_InvalidMode, COvBigFile().Open(archive.GetPath(), 2));
  EXPECT_EQ(nullptr, archive.FileOpen("c.txt"));
  COvFileHandle* handle = archive.FileOpen("A.TXT");
  EXPECT_EQ(eOvFileSystemError_Close, archive.Close());  // a handle is still open
  char buffer[16] = {};
  EXPECT_EQ(5, COvFileSystemUnCached::Read(handle, buffer, 10));
  EXPECT_EQ(0, COvFileSystemUnCached::Read(handle, buffer, 10));
  EXPECT_TRUE(COvFileSystemUnCached::SeekFromEnd(handle, 2));
  EXPECT_EQ(3, COvFileSystemUnCached::GetPos(handle));
  EXPECT_FALSE(COvFileSystemUnCached::SeekFromCurrent(handle, -4));
  EXPECT_EQ(eOvFileSystemError_Read, COvFileSystemUnCached::AsyncRead(handle, buffer, 3));
  EXPECT_EQ(0, COvFileSystemUnCached::Write(handle, "x", 1));
  EXPECT_EQ(eOvFileSystemError_None, COvFileSystemUnCached::Close(handle));
  COvFileHandleBigFile* second = archive.FileOpenByIndex(1);
  EXPECT_EQ(eOvFileSystemError_WriteNotSupported, archive.AsyncWrite(second, "x", 1));
  ASSERT_TRUE(COvFileSystemUnCached::SeekFromStart(second, 4));
  EXPECT_EQ(eOvFileSystemError_None, COvFileSystemUnCached::AsyncRead(second, buffer, 6));
  EXPECT_EQ("456789", std::string(buffer, 6));
  EXPECT_TRUE(archive.FileClose(second));
}

TEST_F(BigFileTest, ArchivesServeTheFileLayer) {
  std::string first = Build("1.big", {{"routed/shared.txt", "from first"}, {"routed/packed.bin", ""}});
  std::string second = Build("2.big", {{"routed/shared.txt", "from second"}, {"routed/only2.txt", "two"}});
  ASSERT_TRUE(COvFileSystemUnCached::AddBigFile(first.c_str()));
  EXPECT_FALSE(COvFileSystemUnCached::AddBigFile(first.c_str()));
  ASSERT_TRUE(COvFileSystemUnCached::AddBigFile(second.c_str()));
  EXPECT_EQ("from first", ReadEntireAt("ROUTED/shared.txt", true));
  EXPECT_EQ("<closed>", ReadEntireAt("routed/only2.txt"));
  EXPECT_EQ(ReadFileBytes(first), ReadEntireAt(first, true));  // not inside
  // A compressed file stored in an archive is expanded by whole-file reads.
  std::string content = WordySample(40000);
  ASSERT_TRUE(
      COvFileSystemUnCached::AddBigFile(Build("3.big", {{"routed/3.bin", Compress(content, true)}}).c_str()));
  EXPECT_EQ(content, ReadEntireAt("routed/3.bin", true));
}

// A table that cannot be right is refused at open (1); an entry whose data run past the end
// of the file is cut to what the file holds.
TEST_F(BigFileTest, DamagedArchives) {
  // S = 48 at 0, N at 4, the records at 8 and 30 (b.txt: offset at 44, size at 48), data at 52.
  std::string good = ReadFileBytes(Build("good.big", {{"a.txt", "hello"}, {"b.txt", "world!"}}));
  auto patch = [&](size_t offset, uint32_t value) {
    return good.substr(0, offset) + Le32(value) + good.substr(offset + 4);
  };
  // The case, the archive's bytes and what b.txt reads (null when the open fails).
  const std::tuple<const char*, std::string, const char*> cases[] = {
      {"intact", good, "world!"},
      {"empty file", "", nullptr},
      {"table size past the end", patch(0, 1000), nullptr},
      {"table size below 4", patch(0, 2), nullptr},
      {"count beyond the table", patch(4, 1000000), nullptr},
      {"last name without terminator", patch(0, 39), nullptr},
      {"negative size", patch(48, 0xFFFFFFFFu), nullptr},
      {"negative offset", patch(44, 0x80000000u), nullptr},
      {"offset past the end", patch(44, 5000), ""},
      {"size past the end", patch(48, 0x7FFFFFFFu), "world!"},
      {"data cut short", good.substr(0, good.size() - 2), "worl"},
  };
  for (const auto& [name, bytes, second] : cases) {
    SCOPED_TRACE(name);
    COvBigFile archive;
    EOvFileSystemError opened = archive.Open(m_dir.WriteFile("damaged.big", bytes).c_str(), 1);
    EXPECT_EQ(second ? eOvFileSystemError_None : eOvFileSystemError_BigFileOpen, opened);
    COvFileHandleBigFile* handle = archive.FileOpen("b.txt");
    if (!second) continue;
    COvFile file(handle);
    EXPECT_EQ(static_cast<int>(std::strlen(second)), file.GetSize());
    std::string direct(std::strlen(second), '\0');
    EXPECT_EQ(eOvFileSystemError_None, archive.AsyncRead(handle, &direct[0], file.GetSize()));
    EXPECT_EQ(second, direct);
    EXPECT_EQ(second, ReadEntire(file));
    EXPECT_TRUE(archive.FileClose(handle));
  }
}

}  // namespace
