// Fuzz target: the asset-file header reader. A header it accepts places every block inside the
// file, which is checked by reading each block through.
#include <cstddef>
#include <cstdint>

#include "engine/asset/ovassetheader.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  COvAssetHeader header;
  if (!OvReadAssetHeader(data, size, header)) return 0;
  const struct {
    uint64_t offset, size;
  } blocks[] = {{header.dataOffset, header.dataSize},
                {header.pointerTableOffset, header.pointerTableSize},
                {header.mainOffset, header.mainSize},
                {header.videoOffset, header.videoSize}};
  uint64_t previousEnd = 36;
  unsigned sum = 0;
  for (const auto& block : blocks) {
    ovfuzz::Check(block.offset >= previousEnd && block.offset + block.size <= size,
                  "blocks follow one another inside the file");
    for (uint64_t i = 0; i < block.size; ++i) sum += data[block.offset + i];
    previousEnd = block.offset + block.size;
  }
  ovfuzz::Check(sum <= 255u * size, "block bytes are file bytes");
  return 0;
}
