// Test helpers for the packed-data tests: compressible text-like bytes, compressed blocks and
// files, little-endian fields, whole-file reads.
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>

#include "bigfile/ovcompressedfilewriter.h"
#include "bigfile/ovmemorycompressor.h"
#include "core/ovfile.h"

// size bytes of words drawn from a small vocabulary (compresses a few times over).
inline std::string WordySample(int size, unsigned seed = 7) {
  static const char* const kWords[] = {"mesh ", "texture ", "shader ", "0.25 ", "level\n", "sound ", "42 "};
  std::mt19937 random(seed);
  std::string data;
  while (static_cast<int>(data.size()) < size) data += kWords[random() % 7];
  return data.substr(0, static_cast<size_t>(size));
}

// The compressor's output for data (withHeader false: properties and stream) or the whole
// compressed file image.
inline std::string Compress(const std::string& data, bool withHeader) {
  int size = static_cast<int>(data.size());
  std::string out(static_cast<size_t>(OvComputeCompressedFileBufferSize(size)), '\0');
  int length = withHeader
                   ? OvCompressFileImage(data.data(), size, &out[0], static_cast<int>(out.size()))
                   : COvMemoryCompressor::Compress(data.data(), size, &out[0], static_cast<int>(out.size()));
  return out.substr(0, static_cast<size_t>(length));
}

inline std::string Le32(uint32_t v) {
  std::string s;
  for (int i = 0; i < 4; ++i) s += static_cast<char>(v >> (8 * i));
  return s;
}

inline std::string Le64(uint64_t v) {
  return Le32(static_cast<uint32_t>(v)) + Le32(static_cast<uint32_t>(v >> 32));
}

// ReadEntireFile of an open file as bytes ("" for a null result).
inline std::string ReadEntire(COvFile& file) {
  int size = -1;
  std::unique_ptr<uint8_t[]> data(file.ReadEntireFile(size));
  return data ? std::string(reinterpret_cast<char*>(data.get()), static_cast<size_t>(size)) : "";
}

// ReadEntire of the file at path opened for reading through the file layer (through the
// registered archives with useBigFiles), or "<closed>" when it does not open.
inline std::string ReadEntireAt(const std::string& path, bool useBigFiles = false) {
  COvFile file;
  if (file.Open(path.c_str(), eOvFileSystemOpenMode_ReadBinary, useBigFiles) != 0) return "<closed>";
  return ReadEntire(file);
}
