// Big-file archives: the generated layout, lookups by name, reads and seeks through the file
// layer, registration, and damaged archives (sizes, offsets, counts and names past the end).
#include "bigfile/ovbigfile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "bigfile/ovbigfilegenerator.h"
#include "bigfile/ovcompressedfilewriter.h"
#include "core/ovfilesystem.h"
#include "core/ovidentifier.h"
#include "support/temp_dir.h"

namespace {

std::string Le32(uint32_t v) {
  std::string s;
  for (int i = 0; i < 4; ++i) s += static_cast<char>(v >> (8 * i));
  return s;
}

class BigFileTest : public ::testing::Test {
 protected:
  // An archive of the given (name, content) pairs; returns its path.
  std::string Build(const std::string& archive,
                    std::initializer_list<std::pair<const char*, std::string>> files,
                    bool swapEndian = false) {
    COvBigFileGenerator generator;
    for (const auto& file : files) {
      std::string source = m_dir.WriteFile(std::string("src_") + file.first, file.second);
      EXPECT_TRUE(generator.AddFile(source.c_str(), file.first));
    }
    std::string path = m_dir.Join(archive);
    EXPECT_TRUE(generator.Save(path.c_str(), swapEndian, false));
    return path;
  }

  TempDir m_dir;
};

TEST_F(BigFileTest, OneEntryLayout) {
  std::string path = Build("one.big", {{"a.txt", "hello"}});
  uint64_t crc = COvIdentifier("a.txt").GetCrc64();
  std::string expected = Le32(26) + Le32(1) + Le32(static_cast<uint32_t>(crc)) +
                         Le32(static_cast<uint32_t>(crc >> 32)) + std::string("a.txt\0", 6) + Le32(30) +
                         Le32(5) + "hello";
  EXPECT_EQ(expected, ReadFileBytes(path));
  std::string swapped = ReadFileBytes(Build("swapped.big", {{"a.txt", "hello"}}, true));
  EXPECT_EQ(std::string("\0\0\0\x1a\0\0\0\x01", 8), swapped.substr(0, 8));
  EXPECT_EQ(std::string("\0\0\0\x1e\0\0\0\x05hello", 13), swapped.substr(swapped.size() - 13));

  COvBigFileGenerator fatOnly;
  fatOnly.AddFile(m_dir.Join("src_a.txt").c_str(), "a.txt");
  ASSERT_TRUE(fatOnly.Save(m_dir.Join("fat.big").c_str(), false, true));
  EXPECT_EQ(expected.substr(0, 30), ReadFileBytes(m_dir.Join("fat.big")));
  EXPECT_FALSE(fatOnly.AddFile(m_dir.Join("missing").c_str(), "x"));
}

TEST_F(BigFileTest, LookupReadsAndSeeks) {
  COvBigFile archive;
  ASSERT_EQ(eOvFileSystemError_None,
            archive.Open(Build("ab.big", {{"a.txt", "hello"}, {"dir/b.bin", "0123456789"}}).c_str(), 1));
  EXPECT_EQ(2, archive.GetNumFiles());
  EXPECT_EQ("dir/b.bin", std::string(archive.GetFileNameByIndex(1).GetBuffer()));
  EXPECT_EQ(nullptr, archive.FileOpen("c.txt"));
  EXPECT_EQ(nullptr, archive.FileOpenByIndex(2));

  COvFileHandle* handle = archive.FileOpen("A.TXT");
  ASSERT_NE(nullptr, handle);
  EXPECT_EQ(1, archive.GetFAT()->GetEntry(0).GetOpenCount());
  EXPECT_EQ(eOvFileSystemError_Close, archive.Close());  // a handle is still open
  char buffer[16] = {};
  EXPECT_EQ(5, COvFileSystemUnCached::GetSize(handle));
  EXPECT_EQ(5, COvFileSystemUnCached::Read(handle, buffer, 10));
  EXPECT_EQ("hello", std::string(buffer, 5));
  EXPECT_EQ(0, COvFileSystemUnCached::Read(handle, buffer, 10));
  EXPECT_TRUE(COvFileSystemUnCached::SeekFromEnd(handle, 2));
  EXPECT_EQ(3, COvFileSystemUnCached::GetPos(handle));
  EXPECT_FALSE(COvFileSystemUnCached::SeekFromCurrent(handle, -4));
  EXPECT_FALSE(COvFileSystemUnCached::SeekFromStart(handle, 6));
  EXPECT_EQ(eOvFileSystemError_Read, COvFileSystemUnCached::AsyncRead(handle, buffer, 3));
  EXPECT_EQ(0, COvFileSystemUnCached::Write(handle, "x", 1));
  EXPECT_EQ(eOvFileSystemError_WriteNotSupported,
            archive.AsyncWrite(static_cast<COvFileHandleBigFile*>(handle), "x", 1));

  COvFileHandleBigFile* second = archive.FileOpenByIndex(1);
  ASSERT_TRUE(COvFileSystemUnCached::SeekFromStart(second, 4));
  EXPECT_EQ(eOvFileSystemError_None, COvFileSystemUnCached::AsyncRead(second, buffer, 6));
  EXPECT_EQ("456789", std::string(buffer, 6));
  EXPECT_EQ("dir/b.bin", std::string(second->GetName().GetBuffer()));
  EXPECT_TRUE(archive.FileClose(second));
  EXPECT_EQ(nullptr, second);
  EXPECT_EQ(eOvFileSystemError_None, COvFileSystemUnCached::Close(handle));
  EXPECT_EQ(eOvFileSystemError_None, archive.Close());
  EXPECT_EQ(eOvFileSystemError_Close, archive.Close());
}

TEST_F(BigFileTest, EntryNameComesFromTheRegistry) {
  COvBigFileGenerator generator;
  std::string source = m_dir.WriteFile("s", "x");
  ASSERT_TRUE(generator.AddFile(source.c_str(), "never registered", 0x0123456789ABCDEFull));
  EXPECT_EQ("CRC<0123456789ABCDEF>", std::string(generator.GetFAT().GetEntry(0).GetName().GetBuffer()));
  COvIdentifier known("bigfile known name");
  ASSERT_TRUE(generator.AddFile(source.c_str(), "stored", known.GetCrc64()));
  EXPECT_EQ("bigfile known name", std::string(generator.GetFAT().GetEntry(1).GetName().GetBuffer()));
}

TEST_F(BigFileTest, ArchivesServeTheFileLayer) {
  std::string first = Build("first.big", {{"routed/shared.txt", "from first"}, {"routed/packed.bin", ""}});
  std::string second =
      Build("second.big", {{"routed/shared.txt", "from second"}, {"routed/only2.txt", "two"}});
  EXPECT_FALSE(COvFileSystemUnCached::AddBigFile(m_dir.Join("missing.big").c_str()));
  ASSERT_TRUE(COvFileSystemUnCached::AddBigFile(first.c_str()));
  EXPECT_FALSE(COvFileSystemUnCached::AddBigFile(first.c_str()));
  ASSERT_TRUE(COvFileSystemUnCached::AddBigFile(second.c_str()));

  auto readAll = [](const char* name, int mode, bool useBigFiles) {
    COvFile file;
    if (file.Open(name, mode, useBigFiles) != eOvFileSystemError_None) return std::string("<closed>");
    int size = 0;
    uint8_t* data = file.ReadEntireFile(size);
    std::string text(reinterpret_cast<char*>(data), static_cast<size_t>(size));
    delete[] data;
    return text;
  };
  EXPECT_EQ("from first", readAll("ROUTED/shared.txt", eOvFileSystemOpenMode_ReadBinary, true));
  EXPECT_EQ("two", readAll("routed/only2.txt", eOvFileSystemOpenMode_ReadText, true));
  EXPECT_EQ("<closed>", readAll("routed/only2.txt", eOvFileSystemOpenMode_ReadBinary, false));
  EXPECT_EQ("<closed>", readAll("routed/only2.txt", eOvFileSystemOpenMode_AppendBinary, true));
  std::string disk = m_dir.WriteFile("disk.txt", "on disk");
  EXPECT_EQ("on disk", readAll(disk.c_str(), eOvFileSystemOpenMode_ReadBinary, true));

  // A compressed file stored in an archive is expanded by whole-file reads.
  std::string content(40000, 'z');
  std::string packed = m_dir.Join("packed.src");
  ASSERT_TRUE(OvSaveCompressedFile(packed.c_str(), content.data(), 40000));
  COvBigFileGenerator generator;
  ASSERT_TRUE(generator.AddFile(packed.c_str(), "routed/third.bin"));
  ASSERT_TRUE(generator.Save(m_dir.Join("third.big").c_str(), false, false));
  ASSERT_TRUE(COvFileSystemUnCached::AddBigFile(m_dir.Join("third.big").c_str()));
  EXPECT_EQ(content, readAll("routed/third.bin", eOvFileSystemOpenMode_ReadBinary, true));
}

// Damaged archives: a table that cannot be right is refused at open (1); an entry whose data
// lie past the end of the file reads short.
TEST_F(BigFileTest, DamagedArchives) {
  std::string good = ReadFileBytes(Build("good.big", {{"a.txt", "hello"}, {"b.txt", "world!"}}));
  // Layout: S = 48 at 0, N at 4, the records at 8 and 30 (b.txt: offset at 44, size at 48),
  // data at 52.
  auto patch = [&](size_t offset, const std::string& bytes) {
    std::string damaged = good;
    damaged.replace(offset, bytes.size(), bytes);
    return damaged;
  };
  const struct {
    const char* name;
    std::string bytes;
    EOvFileSystemError open;
    const char* second;  // what b.txt reads, when the archive opens
  } cases[] = {
      {"intact", good, eOvFileSystemError_None, "world!"},
      {"empty file", "", eOvFileSystemError_BigFileOpen, ""},
      {"table size past the end", patch(0, Le32(1000)), eOvFileSystemError_BigFileOpen, ""},
      {"negative table size", patch(0, Le32(0xFFFFFFF0u)), eOvFileSystemError_BigFileOpen, ""},
      {"table size below 4", patch(0, Le32(2)), eOvFileSystemError_BigFileOpen, ""},
      {"count beyond the table", patch(4, Le32(1000000)), eOvFileSystemError_BigFileOpen, ""},
      {"negative count", patch(4, Le32(0xFFFFFFFFu)), eOvFileSystemError_BigFileOpen, ""},
      {"last name without terminator", patch(0, Le32(39)), eOvFileSystemError_BigFileOpen, ""},
      {"truncated table", good.substr(0, 30), eOvFileSystemError_BigFileOpen, ""},
      {"negative size", patch(48, Le32(0xFFFFFFFFu)), eOvFileSystemError_BigFileOpen, ""},
      {"negative offset", patch(44, Le32(0x80000000u)), eOvFileSystemError_BigFileOpen, ""},
      {"offset past the end", patch(44, Le32(5000)), eOvFileSystemError_None, ""},
      {"size past the end (cut)", patch(48, Le32(0x7FFFFFFFu)), eOvFileSystemError_None, "world!"},
      {"data cut short", good.substr(0, good.size() - 2), eOvFileSystemError_None, "worl"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    COvBigFile archive;
    EXPECT_EQ(c.open, archive.Open(m_dir.WriteFile("damaged.big", c.bytes).c_str(), 1));
    if (c.open != eOvFileSystemError_None) {
      EXPECT_EQ(0, archive.GetNumFiles());
      EXPECT_EQ(nullptr, archive.FileOpen("a.txt"));
      continue;
    }
    COvFileHandle* handle = archive.FileOpen("b.txt");
    ASSERT_NE(nullptr, handle);
    EXPECT_EQ(static_cast<int>(std::strlen(c.second)), COvFileSystemUnCached::GetSize(handle));
    COvFile file(handle);
    int size = 0;
    uint8_t* data = file.ReadEntireFile(size);
    EXPECT_EQ(std::string(c.second), std::string(reinterpret_cast<char*>(data), static_cast<size_t>(size)));
    delete[] data;
    EXPECT_EQ(eOvFileSystemError_None, COvFileSystemUnCached::Close(handle));
  }
  COvBigFile archive;
  EXPECT_EQ(eOvFileSystemError_InvalidMode, archive.Open(m_dir.Join("good.big").c_str(), 2));
}

}  // namespace
