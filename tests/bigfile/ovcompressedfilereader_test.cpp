// COvCompressedFileReader, the compressed-file writer and COvFile::ReadEntireFile over them:
// plain and compressed files, the header edge cases, and damaged compressed files.
#include "bigfile/ovcompressedfilereader.h"

#include <gtest/gtest.h>

#include <string>

#include "bigfile/ovcompressedfilewriter.h"
#include "core/ovfile.h"
#include "packed_test_data.h"
#include "support/temp_dir.h"

namespace {

class CompressedFileTest : public ::testing::Test {
 protected:
  // ReadEntireFile of a file holding bytes; *ok tells whether data came back.
  std::string ReadEntire(const std::string& bytes) {
    std::string path = m_dir.WriteFile("f.bin", bytes);
    COvFile file;
    EXPECT_EQ(eOvFileSystemError_None, file.Open(path.c_str(), eOvFileSystemOpenMode_ReadBinary, false));
    int size = -1;
    uint8_t* data = file.ReadEntireFile(size);
    std::string result = data ? std::string(reinterpret_cast<char*>(data), static_cast<size_t>(size)) : "";
    EXPECT_EQ(data == nullptr, size == 0);
    delete[] data;
    return result;
  }

  TempDir m_dir;
};

TEST_F(CompressedFileTest, WriterLayoutAndReadBack) {
  std::string data = WordySample(100000);
  std::string path = m_dir.Join("c.bin");
  ASSERT_TRUE(OvSaveCompressedFile(path.c_str(), data.data(), 100000));
  std::string image = ReadFileBytes(path);
  ASSERT_GT(image.size(), 37u);
  EXPECT_EQ(std::string("OVCOMPRESSED\xa0\x86\x01\x00", 16) + std::string(16, '\0'), image.substr(0, 32));
  EXPECT_EQ(CompressBlock(data), image.substr(32));
  EXPECT_LT(image.size(), data.size() / 2);
  EXPECT_EQ(data, ReadEntire(image));
  EXPECT_FALSE(OvSaveCompressedFile(m_dir.Join("no/such/dir/x").c_str(), data.data(), 10));
}

TEST_F(CompressedFileTest, PlainFilesPassThrough) {
  std::string shortMagic = "OVCOMPRESSED" + std::string(24, 'x');  // 36 bytes: too short
  for (const std::string& bytes : {std::string("abc"), shortMagic, WordySample(70000)}) {
    SCOPED_TRACE(bytes.size());
    EXPECT_EQ(bytes, ReadEntire(bytes));
  }
  EXPECT_EQ("", ReadEntire(""));
}

TEST_F(CompressedFileTest, ReaderReadsInPiecesAndSeeksForward) {
  std::string data = WordySample(50000);
  for (bool compressed : {false, true}) {
    SCOPED_TRACE(compressed);
    std::string path = m_dir.WriteFile("r.bin", compressed ? CompressedFile(data) : data);
    COvFile file;
    ASSERT_EQ(eOvFileSystemError_None, file.Open(path.c_str(), eOvFileSystemOpenMode_ReadBinary, false));
    int size = 0;
    COvCompressedFileReader reader(file, size);
    EXPECT_EQ(50000, size);
    EXPECT_EQ(compressed, reader.IsCompressed());
    char buffer[30000];
    ASSERT_EQ(10, reader.Read(buffer, 10));
    EXPECT_EQ(data.substr(0, 10), std::string(buffer, 10));
    EXPECT_TRUE(reader.SeekFromStart(20000));
    EXPECT_FALSE(reader.SeekFromStart(100));
    EXPECT_FALSE(reader.SeekFromStart(50001));
    ASSERT_EQ(20000, reader.Read(buffer, 20000));
    EXPECT_EQ(data.substr(20000, 20000), std::string(buffer, 20000));
    EXPECT_EQ(10000, reader.Read(buffer, 30000));
    EXPECT_EQ(0, reader.Read(buffer, 1));
    EXPECT_FALSE(reader.HasFailed());
  }
}

// Damaged compressed files give the bytes decoded before the damage (a prefix of the data)
// or, for a flipped bit, at most the declared size; the reader reports the damage.
TEST_F(CompressedFileTest, DamagedFilesGiveShortResults) {
  std::string data = WordySample(60000);
  std::string image = CompressedFile(data);
  auto withSize = [&](uint32_t size) {
    std::string bytes = image;
    for (int i = 0; i < 4; ++i) bytes[12 + i] = static_cast<char>(size >> (8 * i));
    return bytes;
  };
  std::string flipped = image;
  flipped[image.size() / 2] ^= 0x01;
  std::string badProperties = image;
  badProperties[32] = static_cast<char>(0xFF);
  const struct {
    const char* name;
    std::string bytes;
    size_t expected;  // bytes delivered; npos: any count up to the declared size
    bool prefix;      // what came is the start of the data
    bool failed;      // the reader reports damage
  } cases[] = {
      {"size larger than the stream", withSize(1000000), data.size(), true, true},
      {"size smaller than the stream", withSize(100), 100, true, false},
      {"size beyond an int", withSize(0x80000000u), 0, true, true},
      {"header and properties only", image.substr(0, 37), 0, true, true},
      {"truncated stream", image.substr(0, image.size() / 2), std::string::npos, true, true},
      {"bit flipped", flipped, std::string::npos, false, false},
      {"bad properties", badProperties, 0, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string got = ReadEntire(c.bytes);
    if (c.expected != std::string::npos) {
      EXPECT_EQ(c.expected, got.size());
    }
    EXPECT_LE(got.size(), data.size());
    if (c.prefix) {
      EXPECT_EQ(data.substr(0, got.size()), got);
    }
    std::string path = m_dir.WriteFile("d.bin", c.bytes);
    COvFile file;
    ASSERT_EQ(eOvFileSystemError_None, file.Open(path.c_str(), eOvFileSystemOpenMode_ReadBinary, false));
    int size = 0;
    COvCompressedFileReader reader(file, size);
    std::string out(static_cast<size_t>(size) < 2 * data.size() ? static_cast<size_t>(size) : 2 * data.size(),
                    '\0');
    reader.Read(&out[0], static_cast<int>(out.size()));
    if (c.prefix) {
      EXPECT_EQ(c.failed, reader.HasFailed());
    }
  }
}

}  // namespace
