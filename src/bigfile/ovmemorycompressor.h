// COvMemoryCompressor: one-call LZMA compression of a memory block (default level, 1 MiB
// dictionary). The output is the 5 LZMA property bytes followed by the raw LZMA stream,
// which ends with an end mark; a compressed file puts its 32-byte header in front of it.
#pragma once

class COvMemoryCompressor {
 public:
  static constexpr int kDictionarySize = 1 << 20;
  static constexpr int kPropertiesSize = 5;

  COvMemoryCompressor() = default;
  virtual ~COvMemoryCompressor() = default;

  // size + size / 3 + 133: room for the properties and the worst case of the stream. -1 when
  // that exceeds the largest int (size must then be split). data is not read.
  static int ComputeCompressionBufferSize(const void* data, int size);
  // Compresses srcSize bytes of src into dst and returns the bytes written (5 + the stream);
  // 0 when dstCapacity is below ComputeCompressionBufferSize, for a negative size, or when
  // the coder fails.
  static int Compress(const void* src, int srcSize, void* dst, int dstCapacity);
};
