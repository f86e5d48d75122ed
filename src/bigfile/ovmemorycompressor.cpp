// COvMemoryCompressor over liblzma's raw LZMA1 encoder.
#include "bigfile/ovmemorycompressor.h"

#include <lzma.h>

#include <climits>
#include <cstdint>

namespace {

int64_t BufferSize(int64_t size) { return size + size / 3 + 133; }

}  // namespace

int COvMemoryCompressor::ComputeCompressionBufferSize(const void*, int size) {
  int64_t needed = BufferSize(size < 0 ? 0 : size);
  return needed > INT_MAX ? -1 : static_cast<int>(needed);
}

int COvMemoryCompressor::Compress(const void* src, int srcSize, void* dst, int dstCapacity) {
  if (srcSize < 0 || !dst || (srcSize > 0 && !src) || dstCapacity < BufferSize(srcSize)) return 0;
  lzma_options_lzma options;
  if (lzma_lzma_preset(&options, LZMA_PRESET_DEFAULT)) return 0;
  options.dict_size = kDictionarySize;
  lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
  uint8_t* out = static_cast<uint8_t*>(dst);
  if (lzma_properties_encode(&filters[0], out) != LZMA_OK) return 0;
  size_t written = kPropertiesSize;
  static const uint8_t kNothing = 0;
  const uint8_t* in = srcSize > 0 ? static_cast<const uint8_t*>(src) : &kNothing;
  if (lzma_raw_buffer_encode(filters, nullptr, in, static_cast<size_t>(srcSize), out, &written,
                             static_cast<size_t>(dstCapacity)) != LZMA_OK)
    return 0;
  return static_cast<int>(written);
}
