// Fuzz target: a file that may be a compressed engine file (the 32-byte header, then the LZMA
// properties and stream). Reads it with the streaming reader in small and large steps, with a
// forward seek, whole through COvFile::ReadEntireFile and through a cached handle. A plain
// file reads as its own bytes; all ways agree on the bytes decoded and none passes the size.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "bigfile/ovcompressedfilereader.h"
#include "core/ovfile.h"
#include "core/ovfilehandlecached.h"
#include "fuzz_support.h"

namespace {

// Above the first block of a whole-file read (1 MiB), so its growth is reached; low enough that
// the decoders' dictionaries stay cheap to set up.
constexpr uint32_t kMaxExpanded = 4 << 20;
constexpr int kLargeStep = 1 << 20;

std::string ReadInSteps(COvCompressedFileReader& reader, int step) {
  static std::string chunk(kLargeStep, '\0');
  std::string bytes;
  for (int got; (got = reader.Read(&chunk[0], step)) > 0;) {
    ovfuzz::Check(got <= step, "a read gives at most what was asked");
    bytes.append(chunk, 0, static_cast<size_t>(got));
  }
  return bytes;
}

// True when the shorter of a and b begins the longer: decoders may stop at different points
// of a damaged stream, but never disagree on a byte.
bool OneBeginsTheOther(const std::string& a, const std::string& b) {
  return a.size() < b.size() ? b.compare(0, a.size(), a) == 0 : a.compare(0, b.size(), b) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (64u << 10) || ovfuzz::PromisesMoreThan(data, size, kMaxExpanded)) return 0;
  const std::string& path = ovfuzz::WriteScratchFile(data, size, "data.ovc");
  const std::string input(reinterpret_cast<const char*>(data), size);
  COvFile file;
  if (file.Open(path.c_str(), eOvFileSystemOpenMode_ReadBinary, false) != eOvFileSystemError_None) return 0;

  std::string decoded;
  for (int step : {7, kLargeStep}) {
    int total = -1;
    COvCompressedFileReader reader(file, total);
    std::string bytes = ReadInSteps(reader, step);
    ovfuzz::Check(static_cast<int>(bytes.size()) <= total && reader.GetDelivered() == static_cast<int>(bytes.size()),
                  "the reader delivers at most the size");
    ovfuzz::Check(reader.HasFailed() || static_cast<int>(bytes.size()) == total, "a sound file reads its size");
    if (!reader.IsCompressed()) ovfuzz::Check(bytes == input, "a plain file reads as its bytes");
    if (step == 7) decoded = bytes;
    ovfuzz::Check(bytes == decoded, "the step size does not change the bytes");
  }
  {
    int total = 0;
    COvCompressedFileReader reader(file, total);
    const int middle = static_cast<int>(decoded.size() / 2);
    ovfuzz::Check(reader.SeekFromStart(middle) && ReadInSteps(reader, 4096) == decoded.substr(middle),
                  "a forward seek skips exactly the bytes before it");
    ovfuzz::Check(!reader.SeekFromStart(middle > 0 ? middle - 1 : total + 1), "no seek backwards or past the end");
  }
  int wholeSize = 0;
  uint8_t* whole = file.ReadEntireFile(wholeSize);
  ovfuzz::Check(std::string(reinterpret_cast<const char*>(whole), whole ? wholeSize : 0) == decoded,
                "a whole-file read gives the reader's bytes");
  delete[] whole;
  file.Close();

  COvFileHandleCached cached;
  if (cached.Open(path.c_str(), eOvFileSystemOpenMode_ReadBinary, false) != eOvFileSystemError_None) return 0;
  for (int pass = 0; pass < 2; ++pass) {
    std::string bytes;
    char step[5000];
    for (int got; (got = cached.Read(step, sizeof step)) > 0;) bytes.append(step, static_cast<size_t>(got));
    ovfuzz::Check(static_cast<int>(bytes.size()) <= cached.GetSize(), "the cached handle stays in its size");
    ovfuzz::Check(cached.IsCompressed() ? OneBeginsTheOther(bytes, decoded) : bytes == input,
                  "the cached handle reads the same bytes");
    ovfuzz::Check(!cached.SeekStart(cached.GetSize() + 1), "no cached position past the end");
    if (!cached.SeekStart(0)) break;
  }
  cached.Close();
  return 0;
}
