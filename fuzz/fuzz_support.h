// Small helpers shared by the fuzz targets: the input as a text, and a scratch file for readers
// that only take a path. Fuzz targets are built for POSIX hosts only.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bigfile/ovcompressedheader.h"
#include "core/ovstring.h"

namespace ovfuzz {

// The bytes up to the first 0 byte as a text (the readers take NUL-terminated texts).
inline TOvString<char> AsText(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  return TOvString<char>(text.c_str());
}

// A file of this process holding the input, rewritten on each call. name is its file name; the
// first call's name stays for the process.
inline const std::string& WriteScratchFile(const uint8_t* data, size_t size, const char* name) {
  static std::string directory;
  if (directory.empty()) {
    const char* base = std::getenv("TMPDIR");
    directory = std::string(base && *base ? base : "/tmp") + "/ovfuzz-" + std::to_string(getpid());
    mkdir(directory.c_str(), 0700);
  }
  static std::string path;
  if (path.empty()) {
    // One name per process (one target reads one kind of file), removed at exit.
    path = directory + "/" + name;
    std::atexit([] {
      unlink(path.c_str());
      rmdir(directory.c_str());
    });
  }
  if (FILE* file = std::fopen(path.c_str(), "wb")) {
    if (size) std::fwrite(data, 1, size, file);
    std::fclose(file);
  }
  return path;
}

// True for a compressed engine file whose header promises more than maxSize bytes. Targets
// skip whole-file reads of those: a small stream may expand that far, which only costs time.
inline bool PromisesMoreThan(const void* data, size_t size, uint32_t maxSize) {
  return size <= 0x7FFFFFFF && OvIsCompressed(data, static_cast<int>(size)) &&
         OvReadCompressedSize(static_cast<const uint8_t*>(data)) > maxSize;
}

// Stops the fuzzer with a finding when a property of the reader does not hold.
inline void Check(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
  }
}

}  // namespace ovfuzz
