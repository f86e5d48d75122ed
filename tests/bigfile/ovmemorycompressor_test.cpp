// COvMemoryCompressor and COvMemoryDecompressor: buffer sizes, round trips in any step size,
// damaged blocks, and interoperability with xz-utils' .lzma format.
#include "bigfile/ovmemorycompressor.h"

#include <gtest/gtest.h>

#include "bigfile/ovmemorydecompressor.h"
#include "core/ovfindprogram.h"
#include "packed_test_data.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace {

std::string DecompressAll(const std::string& block, int step, int limit = -1) {
  COvMemoryDecompressor decompressor;
  decompressor.Initialize(block.data(), static_cast<int>(block.size()), limit);
  std::string out(static_cast<size_t>(step), '\0'), all;
  for (int got; (got = decompressor.DecompressOutputBytes(&out[0], step)) > 0;) all.append(out, 0, got);
  return all;
}

TEST(MemoryCompressor, BufferSizesAndRoundTrips) {
  EXPECT_EQ(533, COvMemoryCompressor::ComputeCompressionBufferSize(nullptr, 300));
  EXPECT_EQ(-1, COvMemoryCompressor::ComputeCompressionBufferSize(nullptr, 0x7FFFFFF0));
  std::string data = WordySample(300), out(533, '\0');
  EXPECT_EQ(0, COvMemoryCompressor::Compress(data.data(), 300, &out[0], 532));
  // lc=3 lp=0 pb=2 and the 1 MiB dictionary, then the stream of an empty input.
  EXPECT_EQ(std::string("\x5d\x00\x00\x10\x00", 5), Compress("", false).substr(0, 5));
  for (int size : {0, 1, 1000, 300000}) {
    std::string sample = WordySample(size, static_cast<unsigned>(size));
    for (int step : {7, 65536}) {
      SCOPED_TRACE(testing::Message() << "size " << size << " step " << step);
      EXPECT_EQ(sample, DecompressAll(Compress(sample, false), step));
    }
  }
  EXPECT_EQ(data.substr(0, 123), DecompressAll(Compress(data, false), 64, 123));
}

TEST(MemoryDecompressor, InputFedInPiecesAndDamage) {
  std::string data = WordySample(50000), block = Compress(data, false), out(data.size(), '\0');
  COvMemoryDecompressor decompressor;
  ASSERT_TRUE(decompressor.Initialize(block.data(), static_cast<int>(block.size())));
  int produced = 0;
  while (decompressor.GetInputPosition() < static_cast<int>(block.size()))
    produced += decompressor.DecompressInputBytes(&out[0], 1000, static_cast<int>(out.size()) - produced);
  EXPECT_EQ(data, out);
  EXPECT_EQ(produced, decompressor.GetOutputPosition());
  // Fewer than the 5 property bytes, or lc/lp/pb beyond their range: nothing decodes.
  EXPECT_FALSE(decompressor.Initialize(block.data(), 4));
  EXPECT_FALSE(decompressor.Initialize("\xe1\x00\x00\x10\x00", 5));
  EXPECT_EQ(0, decompressor.DecompressOutputBytes(&out[0], 100));
  EXPECT_TRUE(decompressor.HasFailed());
}

// xz-utils' .lzma ("alone") format is the properties, an 8-byte size (all ones: unknown) and
// the raw stream; converting between the two is inserting or dropping those 8 bytes.
TEST(XzInterop, XzDecodesOurStreamAndWeDecodeTheirs) {
#ifdef _WIN32
  GTEST_SKIP() << "xz-utils are not run under Windows";
#endif
  std::string xz = OvFindProgramOnPath("xz").GetBuffer();
  if (xz.empty()) GTEST_SKIP() << "xz is not on PATH";
  TempDir dir;
  std::string data = WordySample(200000), block = Compress(data, false);
  std::string ours =
      dir.WriteFile("ours.lzma", block.substr(0, 5) + std::string(8, '\xff') + block.substr(5));
  ProgramResult result = RunProgram(xz, {"--format=lzma", "-d", "-k", ours});
  ASSERT_EQ(0, result.exitCode) << result.err;
  EXPECT_EQ(data, ReadFileBytes(dir.Join("ours")));

  std::string theirs = dir.WriteFile("theirs", WordySample(200000, 3));
  result = RunProgram(xz, {"--format=lzma", "-k", theirs});
  ASSERT_EQ(0, result.exitCode) << result.err;
  std::string alone = ReadFileBytes(theirs + ".lzma");
  ASSERT_GT(alone.size(), 13u);
  EXPECT_EQ(WordySample(200000, 3), DecompressAll(alone.substr(0, 5) + alone.substr(13), 65536));
}

}  // namespace
