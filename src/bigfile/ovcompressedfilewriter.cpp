// Compressed-file writer: header plus one-call compression.
#include "bigfile/ovcompressedfilewriter.h"

#include <cstdint>
#include <memory>

#include "bigfile/ovcompressedheader.h"
#include "bigfile/ovmemorycompressor.h"
#include "core/ovfile.h"

int OvComputeCompressedFileBufferSize(int size) {
  int stream = COvMemoryCompressor::ComputeCompressionBufferSize(nullptr, size);
  if (stream < 0 || stream > INT32_MAX - kOvCompressedHeaderSize) return -1;
  return kOvCompressedHeaderSize + stream;
}

int OvCompressFileImage(const void* src, int size, void* dst, int capacity) {
  if (size < 0 || !dst || capacity < kOvCompressedHeaderSize) return 0;
  uint8_t* out = static_cast<uint8_t*>(dst);
  int stream = COvMemoryCompressor::Compress(src, size, out + kOvCompressedHeaderSize,
                                             capacity - kOvCompressedHeaderSize);
  if (stream == 0) return 0;
  OvWriteCompressedHeader(out, static_cast<uint32_t>(size));
  return kOvCompressedHeaderSize + stream;
}

bool OvSaveCompressedFile(const char* path, const void* data, int size) {
  int capacity = OvComputeCompressedFileBufferSize(size);
  if (capacity < 0) return false;
  std::unique_ptr<uint8_t[]> image(new uint8_t[static_cast<size_t>(capacity)]);
  int length = OvCompressFileImage(data, size, image.get(), capacity);
  if (length == 0) return false;
  COvFile file;
  if (file.Open(path, eOvFileSystemOpenMode_WriteBinary, false) != eOvFileSystemError_None) return false;
  bool written = file.Write(image.get(), length) == length;
  return file.Close() == eOvFileSystemError_None && written;
}
