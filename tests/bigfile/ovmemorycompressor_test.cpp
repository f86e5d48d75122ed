// COvMemoryCompressor and COvMemoryDecompressor: buffer sizes, round trips in any step size,
// damaged blocks, and interoperability with xz-utils' .lzma format.
#include "bigfile/ovmemorycompressor.h"

#include <gtest/gtest.h>

#include <string>

#include "bigfile/ovmemorydecompressor.h"
#include "core/ovfindprogram.h"
#include "packed_test_data.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace {

std::string DecompressAll(const std::string& block, int step, int limit = -1) {
  COvMemoryDecompressor decompressor;
  decompressor.Initialize(block.data(), static_cast<int>(block.size()), limit);
  std::string out;
  char buffer[70000];
  for (int got; (got = decompressor.DecompressOutputBytes(buffer, step)) > 0;) out.append(buffer, got);
  return out;
}

TEST(MemoryCompressor, BufferSizeAndTooSmallBuffers) {
  EXPECT_EQ(533, COvMemoryCompressor::ComputeCompressionBufferSize(nullptr, 300));
  EXPECT_EQ(133, COvMemoryCompressor::ComputeCompressionBufferSize(nullptr, 0));
  EXPECT_EQ(-1, COvMemoryCompressor::ComputeCompressionBufferSize(nullptr, 0x7FFFFFF0));
  std::string data = WordySample(300);
  char out[533];
  EXPECT_EQ(0, COvMemoryCompressor::Compress(data.data(), 300, out, 532));
  EXPECT_GT(COvMemoryCompressor::Compress(data.data(), 300, out, 533), 5);
}

TEST(MemoryCompressor, EmptyInputGivesPropertiesAndAnEmptyStream) {
  std::string block = CompressBlock("");
  ASSERT_GT(block.size(), 5u);
  // lc=3 lp=0 pb=2 and the 1 MiB dictionary, little-endian.
  EXPECT_EQ(std::string("\x5d\x00\x00\x10\x00", 5), block.substr(0, 5));
  EXPECT_EQ("", DecompressAll(block, 100));
}

TEST(MemoryCompressor, RoundTripsInAnyStepSize) {
  for (int size : {1, 1000, 300000}) {
    std::string data = WordySample(size, size);
    std::string block = CompressBlock(data);
    for (int step : {1, 7, 65536}) {
      SCOPED_TRACE(testing::Message() << "size " << size << " step " << step);
      if (step == 1 && size > 1000) continue;
      EXPECT_EQ(data, DecompressAll(block, step));
    }
  }
}

TEST(MemoryDecompressor, InputFedInPiecesIntoOneOutputBuffer) {
  std::string data = WordySample(50000);
  std::string block = CompressBlock(data);
  COvMemoryDecompressor decompressor;
  ASSERT_TRUE(decompressor.Initialize(block.data(), static_cast<int>(block.size())));
  std::string out(data.size(), '\0');
  int produced = 0;
  while (decompressor.GetInputPosition() < static_cast<int>(block.size()) &&
         produced < static_cast<int>(data.size()))
    produced += decompressor.DecompressInputBytes(&out[0], 1000, static_cast<int>(out.size()) - produced);
  EXPECT_EQ(static_cast<int>(data.size()), produced);
  EXPECT_EQ(produced, decompressor.GetOutputPosition());
  EXPECT_EQ(data, out);
}

TEST(MemoryDecompressor, OutputLimitStopsTheStream) {
  std::string data = WordySample(20000);
  EXPECT_EQ(data.substr(0, 12345), DecompressAll(CompressBlock(data), 4096, 12345));
}

// Damaged blocks: refused, a strict prefix of the data, or at most as many bytes as the data
// (a flipped bit may decode to other bytes); never more, never a crash.
TEST(MemoryDecompressor, DamagedBlocksGiveShortResults) {
  enum Expect { kRefused, kPrefix, kBounded, kWhole };
  std::string data = WordySample(40000);
  std::string block = CompressBlock(data);
  std::string flipped = block;
  flipped[block.size() / 2] ^= 0x10;
  std::string badProperties = block;
  badProperties[0] = static_cast<char>(0xE1);  // lc/lp/pb beyond their range
  std::string hugeDictionary = block;
  hugeDictionary.replace(1, 4, "\xff\xff\xff\xff", 4);
  const struct {
    const char* name;
    std::string bytes;
    Expect expect;
  } cases[] = {
      {"empty", "", kRefused},
      {"four bytes", block.substr(0, 4), kRefused},
      {"bad properties", badProperties, kRefused},
      {"properties only", block.substr(0, 5), kPrefix},
      {"truncated", block.substr(0, block.size() / 3), kPrefix},
      {"bit flipped", flipped, kBounded},
      {"garbage", "\x5d" + std::string(5000, '\x7f'), kBounded},
      {"huge dictionary (capped)", hugeDictionary, kWhole},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    COvMemoryDecompressor decompressor;
    bool started = decompressor.Initialize(c.bytes.data(), static_cast<int>(c.bytes.size()));
    std::string out(data.size() + 100, '\0');
    int got = decompressor.DecompressOutputBytes(&out[0], static_cast<int>(out.size()));
    out.resize(static_cast<size_t>(got));
    EXPECT_EQ(c.expect != kRefused, started);
    EXPECT_LE(got, static_cast<int>(data.size()));
    if (c.expect == kRefused) {
      EXPECT_EQ(0, got);
    }
    if (c.expect == kPrefix) {
      EXPECT_LT(got, static_cast<int>(data.size()));
      EXPECT_EQ(data.substr(0, out.size()), out);
    }
    if (c.expect == kWhole) {
      EXPECT_EQ(data, out);
    }
    EXPECT_EQ(0, decompressor.DecompressOutputBytes(&out[0], 0));
  }
}

// xz-utils' .lzma ("alone") format is the properties, an 8-byte size (all ones: unknown) and
// the raw stream; converting between the two is inserting or dropping those 8 bytes.
class XzInterop : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef _WIN32
    GTEST_SKIP() << "xz-utils are not run under Windows";
#endif
    m_xz = OvFindProgramOnPath("xz").GetBuffer();
    if (m_xz.empty()) GTEST_SKIP() << "xz is not on PATH";
  }

  std::string m_xz;
  TempDir m_dir;
};

TEST_F(XzInterop, XzDecodesOurStream) {
  std::string data = WordySample(200000);
  std::string block = CompressBlock(data);
  std::string alone = block.substr(0, 5) + std::string(8, '\xff') + block.substr(5);
  std::string path = m_dir.WriteFile("ours.lzma", alone);
  ProgramResult result = RunProgram(m_xz, {"--format=lzma", "-d", "-k", path});
  ASSERT_EQ(0, result.exitCode) << result.err;
  EXPECT_EQ(data, ReadFileBytes(m_dir.Join("ours")));
}

TEST_F(XzInterop, WeDecodeXzStream) {
  std::string data = WordySample(200000, 3);
  std::string path = m_dir.WriteFile("theirs", data);
  ProgramResult result = RunProgram(m_xz, {"--format=lzma", "-k", path});
  ASSERT_EQ(0, result.exitCode) << result.err;
  std::string alone = ReadFileBytes(path + ".lzma");
  ASSERT_GT(alone.size(), 13u);
  std::string block = alone.substr(0, 5) + alone.substr(13);
  EXPECT_EQ(data, DecompressAll(block, 65536));
}

}  // namespace
