// The asset-file header reader.
#include "engine/asset/ovassetheader.h"

#include "engine/asset/ovassetfile.h"

namespace {

uint32_t BigEndianWord(const uint8_t* bytes) {
  return uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | uint32_t(bytes[3]);
}

uint64_t AlignUp(uint64_t value, uint32_t alignment) {
  return (value + alignment - 1) / alignment * alignment;
}

}  // namespace

bool OvReadAssetHeader(const void* bytes, size_t size, COvAssetHeader& header) {
  header = COvAssetHeader();
  if (!bytes || size < kOvAssetHeaderSize) return false;
  const uint8_t* data = static_cast<const uint8_t*>(bytes);
  uint32_t* words[9] = {&header.magic,
                        &header.dataSize,
                        &header.dataAlignment,
                        &header.pointerTableSize,
                        &header.pointerTableAlignment,
                        &header.mainSize,
                        &header.mainAlignment,
                        &header.videoSize,
                        &header.videoAlignment};
  for (int i = 0; i < 9; ++i) *words[i] = BigEndianWord(data + 4 * i);
  if (header.magic != kOvAssetFileMagic || header.pointerTableSize % 4 != 0) return false;

  // Each block starts on its alignment after the previous one, which is padded to its own.
  struct Block {
    uint32_t size;
    uint32_t alignment;
    uint64_t* offset;
  } blocks[] = {{header.dataSize, header.dataAlignment, &header.dataOffset},
                {header.pointerTableSize, header.pointerTableAlignment, &header.pointerTableOffset},
                {header.mainSize, header.mainAlignment, &header.mainOffset},
                {header.videoSize, header.videoAlignment, &header.videoOffset}};
  uint64_t position = kOvAssetHeaderSize;
  for (const Block& block : blocks) {
    if (block.alignment == 0) return false;
    *block.offset = AlignUp(position, block.alignment);
    if (*block.offset + block.size > size) return false;
    position = AlignUp(*block.offset + block.size, block.alignment);
  }
  return true;
}
