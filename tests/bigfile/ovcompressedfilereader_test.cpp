// COvCompressedFileReader, the compressed-file writer and COvFile::ReadEntireFile over them:
// plain and compressed files, the header edge cases, and damaged compressed files.
#include "bigfile/ovcompressedfilereader.h"

#include <gtest/gtest.h>

#include <tuple>

#include "packed_test_data.h"
#include "support/temp_dir.h"

namespace {

class CompressedFileTest : public ::testing::Test {
 protected:
  std::string ReadEntireOf(const std::string& bytes) { return ReadEntireAt(m_dir.WriteFile("f.bin", bytes)); }

  TempDir m_dir;
};

TEST_F(CompressedFileTest, WriterLayoutPlainFilesAndSeeks) {
  std::string data = WordySample(100000), path = m_dir.Join("c.bin");
  ASSERT_TRUE(OvSaveCompressedFile(path.c_str(), data.data(), 100000));
  std::string image = ReadFileBytes(path);
  EXPECT_EQ("OVCOMPRESSED" + Le32(100000) + std::string(16, '\0') + Compress(data, false), image);
  EXPECT_EQ(data, ReadEntireOf(image));
  EXPECT_FALSE(OvSaveCompressedFile(m_dir.Join("no/such/dir/x").c_str(), data.data(), 10));
  // 36 bytes with the magic are too short for a header: a plain file.
  for (const std::string& plain : {"OVCOMPRESSED" + std::string(24, 'x'), WordySample(70000), std::string()})
    EXPECT_EQ(plain, ReadEntireOf(plain));
  COvFile file;
  file.Open(path.c_str(), eOvFileSystemOpenMode_ReadBinary, false);
  int size = 0;
  COvCompressedFileReader reader(file, size);
  EXPECT_TRUE(reader.SeekFromStart(20000));
  EXPECT_FALSE(reader.SeekFromStart(100));
  std::string out(100, '\0');
  EXPECT_EQ(100, reader.Read(&out[0], 100));
  EXPECT_EQ(data.substr(20000, 100), out);
}

// Damaged compressed files give the bytes decoded before the damage (a prefix of the data)
// or, for a flipped bit, at most the data's size; the reader reports the damage.
TEST_F(CompressedFileTest, DamagedFilesGiveShortResults) {
  std::string data = WordySample(60000), image = Compress(data, true);
  auto withSize = [&](uint32_t size) { return image.substr(0, 12) + Le32(size) + image.substr(16); };
  std::string flipped = image, badProperties = image, hugeDictionary = image;
  flipped[image.size() / 2] ^= 0x01;
  badProperties[32] = static_cast<char>(0xFF);
  hugeDictionary.replace(33, 4, "\xff\xff\xff\xff");
  const size_t kAny = std::string::npos;
  // The case, the file's bytes, the bytes delivered (or kAny), whether what came is the start
  // of the data and whether the reader then reports damage.
  const std::tuple<const char*, std::string, size_t, bool, bool> cases[] = {
      {"size larger than the stream", withSize(1000000), data.size(), true, true},
      {"size smaller than the stream", withSize(100), 100, true, false},
      {"size beyond an int", withSize(0x80000000u), 0, true, true},
      {"truncated stream", image.substr(0, image.size() / 2), kAny, true, true},
      {"bit flipped", flipped, kAny, false, false},
      {"bad properties", badProperties, 0, true, true},
      {"huge dictionary (capped)", hugeDictionary, data.size(), true, false},
  };
  for (const auto& [name, bytes, expected, prefix, failed] : cases) {
    SCOPED_TRACE(name);
    COvFile file;
    file.Open(m_dir.WriteFile("d.bin", bytes).c_str(), 1, false);
    int size = 0;
    COvCompressedFileReader reader(file, size);
    std::string got(static_cast<size_t>(std::min(size, 200000)), '\0');
    got.resize(static_cast<size_t>(reader.Read(&got[0], static_cast<int>(got.size()))));
    EXPECT_EQ(got, ReadEntireOf(bytes));
    EXPECT_LE(got.size(), expected == kAny ? data.size() : expected);
    EXPECT_GE(got.size(), expected == kAny ? 0 : expected);
    if (prefix) {
      EXPECT_EQ(data.substr(0, got.size()), got);
      EXPECT_EQ(failed, reader.HasFailed());
    }
  }
}

}  // namespace
