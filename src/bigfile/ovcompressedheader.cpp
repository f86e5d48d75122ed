// Compressed-file header: magic test, writing and reading the size field.
#include "bigfile/ovcompressedheader.h"

#include <cstring>

namespace {

const char kMagic[kOvCompressedMagicSize + 1] = "OVCOMPRESSED";

}  // namespace

bool OvIsCompressed(const void* data, int size) {
  return data && size >= kOvCompressedHeaderSize && std::memcmp(data, kMagic, kOvCompressedMagicSize) == 0;
}

void OvWriteCompressedHeader(uint8_t* header, uint32_t uncompressedSize) {
  std::memset(header, 0, kOvCompressedHeaderSize);
  std::memcpy(header, kMagic, kOvCompressedMagicSize);
  for (int i = 0; i < 4; ++i)
    header[kOvCompressedSizeOffset + i] = static_cast<uint8_t>(uncompressedSize >> (8 * i));
}

uint32_t OvReadCompressedSize(const uint8_t* header) {
  uint32_t size = 0;
  for (int i = 3; i >= 0; --i) size = (size << 8) | header[kOvCompressedSizeOffset + i];
  return size;
}
