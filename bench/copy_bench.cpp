// Copy benchmark: CopyRecursively against `cp -r` of the same tree in the same run. The tree
// holds 5,000 files of 1 to 64 KiB and three files of 300 MiB. Runs alternate (ours, cp, ours,
// cp, ...), each into a fresh directory, with a sync before each timed run; the copies are
// removed only after the last measurement, because mass deletion slows file creation for
// minutes afterwards. The ratio ours / cp of each round and their median go to standard error.
//
// Usage: copy_bench [work directory] [rounds] [full|small|large]
// The work directory (default: the system temporary directory) gets a copy_bench.<n> folder,
// removed at the end. Each round writes about 2.1 GB there with the default scope.
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

#include "core/ovdirectory.h"

namespace fs = std::filesystem;

namespace {

constexpr int kSmallFiles = 5000;
constexpr int kLargeFiles = 3;
constexpr uint64_t kLargeSize = 300ull << 20;

void WriteSmallTree(const fs::path& root) {
  std::mt19937 random(12345);
  std::vector<char> content(64 << 10);
  for (char& c : content) c = static_cast<char>(random());
  std::uniform_int_distribution<int> size(1 << 10, 64 << 10);
  for (int i = 0; i < kSmallFiles; ++i) {
    fs::path dir = root / ("d" + std::to_string(i / 250)) / ("e" + std::to_string((i / 25) % 10));
    if (i % 25 == 0) fs::create_directories(dir);
    std::ofstream out(dir / ("f" + std::to_string(i) + ".bin"), std::ios::binary);
    content[0] = static_cast<char>(i);
    out.write(content.data(), size(random));
  }
}

void WriteLargeFiles(const fs::path& root) {
  fs::create_directories(root);
  std::mt19937_64 random(678);
  std::vector<uint64_t> block((4 << 20) / sizeof(uint64_t));
  for (int f = 0; f < kLargeFiles; ++f) {
    std::ofstream out(root / ("big" + std::to_string(f) + ".bin"), std::ios::binary);
    for (uint64_t written = 0; written < kLargeSize; written += block.size() * sizeof(uint64_t)) {
      for (uint64_t& word : block) word = random();
      out.write(reinterpret_cast<const char*>(block.data()), block.size() * sizeof(uint64_t));
    }
  }
}

// Number of files and bytes below root.
std::pair<uint64_t, uint64_t> Measure(const fs::path& root) {
  uint64_t files = 0, bytes = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) {
      ++files;
      bytes += entry.file_size();
    }
  }
  return {files, bytes};
}

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double TimeOurs(const fs::path& source, const fs::path& target) {
  std::system("sync");
  auto start = std::chrono::steady_clock::now();
  OvCreateDirectory(target.string().c_str());
  CopyRecursively(source.string().c_str(), target.string().c_str());
  std::fflush(stdout);
  return Seconds(start);
}

double TimeCp(const fs::path& source, const fs::path& target) {
  std::system("sync");
  std::string command = "cp -r '" + source.string() + "' '" + target.string() + "'";
  auto start = std::chrono::steady_clock::now();
  if (std::system(command.c_str()) != 0) std::fprintf(stderr, "cp failed\n");
  return Seconds(start);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  fs::path base = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path();
  int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  std::string scope = argc > 3 ? argv[3] : "full";

  fs::path work = base / ("copy_bench." + std::to_string(std::random_device()()));
  fs::path source = work / "src";
  std::fprintf(stderr, "Writing the source tree in %s\n", work.string().c_str());
  if (scope != "large") WriteSmallTree(source / "small");
  if (scope != "small") WriteLargeFiles(source / "large");
  auto expected = Measure(source);
  std::fprintf(stderr, "%llu files, %.1f MiB; %d rounds\n", static_cast<unsigned long long>(expected.first),
               expected.second / 1048576.0, rounds);

  // CopyRecursively prints one line per file; the benchmark wants the copy, not the terminal.
  if (!std::freopen("/dev/null", "w", stdout)) std::fprintf(stderr, "stdout stays as it is\n");

  std::vector<double> ours, cp, ratios;
  for (int round = 0; round < rounds; ++round) {
    fs::path oursTarget = work / ("ours" + std::to_string(round));
    fs::path cpTarget = work / ("cp" + std::to_string(round));
    ours.push_back(TimeOurs(source, oursTarget));
    cp.push_back(TimeCp(source, cpTarget));
    ratios.push_back(ours.back() / cp.back());
    std::fprintf(stderr, "round %d: CopyRecursively %.3f s, cp -r %.3f s, ratio %.3f\n", round, ours.back(),
                 cp.back(), ratios.back());
    if (round == 0 && (Measure(oursTarget) != expected || Measure(cpTarget) != expected)) {
      std::fprintf(stderr, "copies differ from the source\n");
      fs::remove_all(work);
      return 1;
    }
  }
  std::fprintf(stderr, "median: CopyRecursively %.3f s, cp -r %.3f s, median ratio %.3f\n", Median(ours),
               Median(cp), Median(ratios));
  fs::remove_all(work);
  return 0;
}
