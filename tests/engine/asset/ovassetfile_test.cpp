#include "engine/asset/ovassetfile.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/asset/ovassetheader.h"
#include "support/temp_dir.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Used(const COvMemoryArea& area) { return Bytes(area.GetData(), area.GetData() + area.GetSize()); }

TEST(MemoryAreaTest, BlocksArePaddedAlignedAndSwapped) {
  const uint8_t source[6] = {1, 2, 3, 4, 5, 6};
  // The second block's size, alignment and swap; its offset after a 3-byte block aligned to 4;
  // the area's bytes and alignment.
  const std::tuple<uint32_t, uint32_t, int, uint32_t, Bytes, uint32_t> rows[] = {
      {3, 4, 0, 4, {1, 2, 3, 0xED, 1, 2, 3, 0xED}, 4},
      {6, 2, 1, 4, {1, 2, 3, 0xED, 4, 3, 2, 1, 5, 6}, 4},
      {5, 8, 2, 8, {1, 2, 3, 0xED, 0xED, 0xED, 0xED, 0xED, 2, 1, 4, 3, 5, 0xED, 0xED, 0xED}, 8},
      {1, 0, 0, 4, {1, 2, 3, 0xED, 1}, 4},
  };
  for (const auto& [size, alignment, swap, offset, bytes, align] : rows) {
    SCOPED_TRACE(alignment);
    COvMemoryArea area;
    EXPECT_EQ(area.AddBlock(source, 3, 4, 0), 0u);
    EXPECT_EQ(area.AddBlock(source, size, alignment, swap), offset);
    EXPECT_TRUE(Used(area) == bytes && area.GetAlign() == align);
  }
  COvMemoryArea area;
  area.AddBlock(source, 2, 2, 0);
  EXPECT_TRUE(area.AddBlock(area, 0) == 4u && Used(area) == (Bytes{1, 2, 0xED, 0xED, 1, 2, 0xED, 0xED}));
}

TEST(MemoryAreaTest, TargetOffsets) {
  const uint8_t block[4] = {};
  COvMemoryAreas_PS3 ps3;
  COvMemoryAreas_360 x360;
  const uint32_t offsets[] = {ps3.AddBlock(block, 4, 4, 0, true), ps3.AddBlock(block, 4, 4, 0, false),
                              ps3.AddBlock(block, 4, 4, 0, true), x360.AddBlockVideo(block, 4, 4, 0),
                              x360.AddBlockMain(block, 2, 4, 0),  x360.AddBlockMain(block, 2, 4, 0)};
  const uint32_t expected[] = {0xC0000000u, 0x80000000u, 0xC0000004u, 0, 0, 4};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(offsets[i], expected[i]) << i;
}

// Two data words (the second one a pointer location), data aligned to 16, a 3-byte main block
// aligned to 8, no video block.
const uint8_t kSmallAsset[80] = {
    0x00, 0x0A, 0x55, 0x37, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x04,  // 0
    0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00,  // 16
    0x00, 0x00, 0x00, 0x04, 0xED, 0xED, 0xED, 0xED, 0xED, 0xED, 0xED, 0xED, 0xED, 0xED, 0xED, 0xED,  // 32
    0x11, 0x22, 0x33, 0x44, 0xAA, 0xBB, 0xCC, 0xDD, 0xED, 0xED, 0xED, 0xED, 0xED, 0xED, 0xED, 0xED,  // 48
    0x00, 0x00, 0x00, 0x04, 0xED, 0xED, 0xED, 0xED, 0x01, 0x02, 0x03, 0xED, 0xED, 0xED, 0xED, 0xED,  // 64
};

TEST(AssetFileTest, WrittenFileHasTheExactLayout) {
  TempDir dir;
  const std::string path = dir.WriteFile("asset.bin", "old content");
  const uint32_t data[2] = {0x11223344, 0xAABBCCDD};
  const void* pointers[] = {&data[1], nullptr};
  const uint8_t mainBlock[3] = {1, 2, 3};
  COvMemoryAreas_360 areas;
  areas.AddBlockMain(mainBlock, 3, 8, 0);
  ASSERT_TRUE(WriteAssetFile(path.c_str(), areas, data, 8, 16, pointers));
  const std::string file = ReadFileBytes(path);
  EXPECT_EQ(Bytes(file.begin(), file.end()), Bytes(kSmallAsset, kSmallAsset + 80));
  COvAssetHeader header;
  ASSERT_TRUE(OvReadAssetHeader(file.data(), file.size(), header));
  EXPECT_TRUE(header.dataOffset == 48u && header.pointerTableOffset == 64u && header.mainOffset == 72u &&
              header.videoOffset == 80u);

  // A pointer outside the data is refused and the file stays as it was.
  const void* outside[] = {&data[1] + 1, nullptr};
  EXPECT_TRUE(!WriteAssetFile(path.c_str(), areas, data, 8, 16, outside) && ReadFileBytes(path) == file);
  // A list holding only its terminator: no table, the data right after the header.
  COvMemoryArea image;
  ASSERT_TRUE(CreateAssetFile(COvMemoryAreas(), data, 4, 4, image, pointers + 1));
  EXPECT_EQ(image.GetSize(), 40u);
  EXPECT_TRUE(OvReadAssetHeader(image.GetData(), image.GetSize(), header) && header.pointerTableSize == 0);
}

TEST(AssetFileTest, HeaderReaderRefusesDamage) {
  // The byte changed to the value, or the length kept when the value is negative.
  const std::pair<size_t, int> rows[] = {{79, -1},   {35, -1},   {3, 0x38},  {7, 0x30},
                                         {11, 0x00}, {15, 0x06}, {27, 0x00}, {35, 0x80}};
  for (const auto& [at, value] : rows) {
    SCOPED_TRACE(at);
    Bytes file(kSmallAsset, kSmallAsset + 80);
    value < 0 ? file.resize(at) : void(file[at] = static_cast<uint8_t>(value));
    COvAssetHeader header;
    EXPECT_FALSE(OvReadAssetHeader(file.data(), file.size(), header));
  }
}

}  // namespace
