// Reading the header of an asset file: its nine big-endian words and where the blocks they
// announce lie in the file.
#pragma once

#include <cstddef>
#include <cstdint>

struct COvAssetHeader {
  uint32_t magic;
  uint32_t dataSize;
  uint32_t dataAlignment;
  uint32_t pointerTableSize;  // bytes, 4 per pointer location
  uint32_t pointerTableAlignment;
  uint32_t mainSize;
  uint32_t mainAlignment;
  uint32_t videoSize;
  uint32_t videoAlignment;
  // Where each block starts, from the start of the file.
  uint64_t dataOffset;
  uint64_t pointerTableOffset;
  uint64_t mainOffset;
  uint64_t videoOffset;
};

// Fills header from the first bytes of an asset file of size bytes. False when the file is
// shorter than a header, the magic is wrong, an alignment is 0, the pointer table is not made
// of whole words, or a block would reach past the end of the file.
bool OvReadAssetHeader(const void* bytes, size_t size, COvAssetHeader& header);
