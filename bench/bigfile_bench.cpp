// Big-file benchmark: reading every entry of a 1 GiB archive through the file layer
// (COvFile::Open with big-file lookup, then ReadEntireFile) against reading the same bytes
// from the plain files they were built from (COvFile on disk, ReadEntireFile), in the same
// run. Rounds alternate the order (archive first, then plain first, ...) after one warm-up
// round that brings both into the page cache; each round's ratio archive / plain and their
// median go to standard error.
//
// Usage: bigfile_bench [work directory] [rounds] [MiB]
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "bigfile/ovbigfilegenerator.h"
#include "core/ovfile.h"
#include "core/ovfilesystem.h"

namespace fs = std::filesystem;

namespace {

// Reads every name whole through the file layer; returns a checksum of the bytes.
uint64_t ReadAll(const std::vector<std::string>& names, bool useBigFiles, uint64_t& bytes) {
  uint64_t sum = 0;
  bytes = 0;
  for (const std::string& name : names) {
    COvFile file;
    if (file.Open(name.c_str(), eOvFileSystemOpenMode_ReadBinary, useBigFiles) != eOvFileSystemError_None) {
      std::fprintf(stderr, "cannot open %s\n", name.c_str());
      std::exit(1);
    }
    int size = 0;
    uint8_t* data = file.ReadEntireFile(size);
    for (int i = 0; i < size; i += 4096) sum = sum * 31 + data[i];
    bytes += static_cast<uint64_t>(size);
    delete[] data;
  }
  return sum;
}

}  // namespace

int main(int argc, char** argv) {
  fs::path base = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path();
  int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
  uint64_t total = (argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1024ull) << 20;

  fs::path work = base / ("bigfile_bench." + std::to_string(std::random_device()()));
  fs::create_directories(work / "src");
  std::mt19937_64 random(99);
  std::uniform_int_distribution<int> sizes(16 << 10, 2 << 20);
  std::vector<uint64_t> block((2 << 20) / sizeof(uint64_t));
  std::vector<std::string> plainNames, archiveNames;
  COvBigFileGenerator generator;
  for (uint64_t written = 0; written < total;) {
    int size = static_cast<int>(std::min<uint64_t>(static_cast<uint64_t>(sizes(random)), total - written));
    for (uint64_t& word : block) word = random();
    std::string name = "data/file" + std::to_string(plainNames.size()) + ".bin";
    fs::path path = work / "src" / ("file" + std::to_string(plainNames.size()) + ".bin");
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(block.data()), size);
    plainNames.push_back(path.string());
    archiveNames.push_back(name);
    generator.AddFile(path.string().c_str(), name.c_str());
    written += static_cast<uint64_t>(size);
  }
  std::string archive = (work / "all.big").string();
  if (!generator.Save(archive.c_str(), false, false) || !COvFileSystemUnCached::AddBigFile(archive.c_str())) {
    std::fprintf(stderr, "cannot build the archive\n");
    fs::remove_all(work);
    return 1;
  }
  std::fprintf(stderr, "%zu files, %.1f MiB; %d rounds\n", plainNames.size(), total / 1048576.0, rounds);

  uint64_t plainBytes = 0, archiveBytes = 0;
  if (ReadAll(plainNames, false, plainBytes) != ReadAll(archiveNames, true, archiveBytes) ||
      plainBytes != archiveBytes || plainBytes != total) {
    std::fprintf(stderr, "the archive does not give the files' bytes\n");
    fs::remove_all(work);
    return 1;
  }
  std::vector<double> plain, packed, ratios;
  for (int round = 0; round < rounds; ++round) {
    for (int leg = 0; leg < 2; ++leg) {
      bool archiveLeg = (leg == 0) == (round % 2 == 0);
      auto start = std::chrono::steady_clock::now();
      uint64_t bytes = 0;
      ReadAll(archiveLeg ? archiveNames : plainNames, archiveLeg, bytes);
      (archiveLeg ? packed : plain).push_back(Seconds(start));
    }
    ratios.push_back(packed.back() / plain.back());
    std::fprintf(stderr, "round %d: archive %.3f s, plain files %.3f s, ratio %.3f\n", round, packed.back(),
                 plain.back(), ratios.back());
  }
  std::fprintf(stderr, "median: archive %.3f s (%.2f GB/s), plain files %.3f s, median ratio %.3f\n",
               Median(packed), total / Median(packed) / 1e9, Median(plain), Median(ratios));
  fs::remove_all(work);
  return 0;
}
