// Test data for the packed-data tests: compressible text-like bytes and small helpers to
// build compressed blocks and files.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "bigfile/ovcompressedfilewriter.h"
#include "bigfile/ovmemorycompressor.h"

// size bytes of words drawn from a small vocabulary (compresses a few times over).
inline std::string WordySample(int size, unsigned seed = 7) {
  static const char* const kWords[] = {"mesh ", "texture ", "shader ", "0.25 ", "level\n", "sound ", "42 "};
  std::mt19937 random(seed);
  std::string data;
  while (static_cast<int>(data.size()) < size) data += kWords[random() % 7];
  data.resize(static_cast<size_t>(size));
  return data;
}

// The compressor's output for data (properties and stream).
inline std::string CompressBlock(const std::string& data) {
  std::string out(static_cast<size_t>(COvMemoryCompressor::ComputeCompressionBufferSize(
                      nullptr, static_cast<int>(data.size()))),
                  '\0');
  int length = COvMemoryCompressor::Compress(data.data(), static_cast<int>(data.size()), &out[0],
                                             static_cast<int>(out.size()));
  out.resize(static_cast<size_t>(length));
  return out;
}

// A whole compressed file image for data.
inline std::string CompressedFile(const std::string& data) {
  std::string out(static_cast<size_t>(OvComputeCompressedFileBufferSize(static_cast<int>(data.size()))),
                  '\0');
  int length =
      OvCompressFileImage(data.data(), static_cast<int>(data.size()), &out[0], static_cast<int>(out.size()));
  out.resize(static_cast<size_t>(length));
  return out;
}
