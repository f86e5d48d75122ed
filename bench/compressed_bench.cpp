// Compressed-file benchmark: COvFile::ReadEntireFile of a 100 MiB compressed engine file
// against liblzma decoding the same stream in one call (the file read into memory, then
// lzma_raw_buffer_decode into a fresh block), in the same run. Rounds alternate the order
// after a warm-up; each round's speed ratio (liblzma time / ours, above 1 when ours is
// faster) and their median go to standard error.
//
// Usage: compressed_bench [work directory] [rounds] [MiB]
#include <lzma.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "bigfile/ovcompressedfilewriter.h"
#include "core/ovfile.h"

namespace fs = std::filesystem;

namespace {

// Text-like data: words from a vocabulary with a skewed choice, numbers, line ends.
std::string Sample(size_t size) {
  std::mt19937 random(2024);
  std::vector<std::string> words;
  for (int i = 0; i < 4000; ++i) {
    std::string word;
    int length = 3 + static_cast<int>(random() % 9);
    for (int j = 0; j < length; ++j) word += static_cast<char>('a' + random() % 26);
    words.push_back(word);
  }
  std::geometric_distribution<int> pick(0.004);
  std::string data;
  data.reserve(size + 64);
  while (data.size() < size) {
    data += words[static_cast<size_t>(pick(random)) % words.size()];
    unsigned r = random() % 16;
    data += r == 0 ? "\n" : r == 1 ? " " + std::to_string(random() % 100000) + " " : " ";
  }
  data.resize(size);
  return data;
}

uint8_t* ReadOurs(const std::string& path, int& size) {
  COvFile file;
  file.Open(path.c_str(), eOvFileSystemOpenMode_ReadBinary, false);
  return file.ReadEntireFile(size);
}

uint8_t* DecodeOneCall(const std::string& path, int& size) {
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  uint32_t declared;
  std::memcpy(&declared, image.data() + 12, 4);
  lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, nullptr}, {LZMA_VLI_UNKNOWN, nullptr}};
  if (lzma_properties_decode(&filters[0], nullptr, image.data() + 32, 5) != LZMA_OK) std::exit(1);
  uint8_t* out = new uint8_t[declared];
  size_t inPos = 37, outPos = 0;
  lzma_ret result =
      lzma_raw_buffer_decode(filters, nullptr, image.data(), &inPos, image.size(), out, &outPos, declared);
  std::free(filters[0].options);
  if (result != LZMA_OK && result != LZMA_STREAM_END && result != LZMA_BUF_ERROR) std::exit(1);
  size = static_cast<int>(outPos);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  fs::path base = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path();
  int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
  size_t total = (argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 100ull) << 20;

  fs::path work = base / ("compressed_bench." + std::to_string(std::random_device()()));
  fs::create_directories(work);
  std::string path = (work / "data.ovc").string();
  std::string data = Sample(total);
  auto start = std::chrono::steady_clock::now();
  if (!OvSaveCompressedFile(path.c_str(), data.data(), static_cast<int>(data.size()))) {
    std::fprintf(stderr, "cannot write the compressed file\n");
    return 1;
  }
  std::fprintf(stderr, "%.1f MiB compressed to %.1f MiB (ratio %.2f) in %.1f s; %d rounds\n",
               total / 1048576.0, fs::file_size(path) / 1048576.0,
               static_cast<double>(total) / fs::file_size(path), Seconds(start), rounds);

  int size = 0;
  uint8_t* check = ReadOurs(path, size);
  bool same = size == static_cast<int>(total) && std::memcmp(check, data.data(), total) == 0;
  delete[] check;
  check = DecodeOneCall(path, size);
  same = same && size == static_cast<int>(total) && std::memcmp(check, data.data(), total) == 0;
  delete[] check;
  if (!same) {
    std::fprintf(stderr, "decoded bytes differ from the data\n");
    fs::remove_all(work);
    return 1;
  }
  std::vector<double> ours, lzma, ratios;
  for (int round = 0; round < rounds; ++round) {
    for (int leg = 0; leg < 2; ++leg) {
      bool oursLeg = (leg == 0) == (round % 2 == 0);
      auto legStart = std::chrono::steady_clock::now();
      uint8_t* out = oursLeg ? ReadOurs(path, size) : DecodeOneCall(path, size);
      delete[] out;
      (oursLeg ? ours : lzma).push_back(Seconds(legStart));
    }
    ratios.push_back(lzma.back() / ours.back());
    std::fprintf(stderr, "round %d: ReadEntireFile %.3f s, liblzma one call %.3f s, speed ratio %.3f\n",
                 round, ours.back(), lzma.back(), ratios.back());
  }
  std::fprintf(
      stderr,
      "median: ReadEntireFile %.3f s (%.1f MB/s), liblzma %.3f s (%.1f MB/s), median speed ratio %.3f\n",
      Median(ours), total / Median(ours) / 1e6, Median(lzma), total / Median(lzma) / 1e6, Median(ratios));
  fs::remove_all(work);
  return 0;
}
