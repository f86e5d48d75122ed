// Packager build benchmark: `OvGamePackager --build` of a Windows build against `cp -r` of the
// same content in the same run. The compiled content holds 1 GiB of big files (four ".bf" files
// of 256 MiB) and 5,000 files of 1 to 64 KiB directly in Game, Settings and Videos: exactly what
// the Windows content rules copy, so `cp -r` of the API directory copies the same files. Runs
// alternate (packager, cp, packager, cp, ...), each into a fresh directory (a build
// configuration per round), with a sync before each timed run. The big copies are deleted after
// each round to bound the disk use; the small ones stay until the end, because mass deletion
// slows file creation for minutes afterwards. The ratio packager / cp of each round and their
// median go to standard error.
//
// Usage: packager_bench [work directory] [rounds]
// The work directory (default: the system temporary directory) gets a packager_bench.<n>
// folder, removed at the end. It holds about 1.2 GB plus 2 GB and 0.35 GB per round at most.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kSmallFiles = 5000;
constexpr uint64_t kBigSize = 256ull << 20;
const char* const kBigFiles[] = {"BF-main.bf", "BF-levels.bf", "BF-audiostreams.bf", "BF-wav.bf"};

void WriteContent(const fs::path& api) {
  std::mt19937_64 random(678);
  fs::create_directories(api);
  std::vector<uint64_t> block((4 << 20) / sizeof(uint64_t));
  for (const char* name : kBigFiles) {
    std::ofstream out(api / name, std::ios::binary);
    for (uint64_t written = 0; written < kBigSize; written += block.size() * sizeof(uint64_t)) {
      for (uint64_t& word : block) word = random();
      out.write(reinterpret_cast<const char*>(block.data()), block.size() * sizeof(uint64_t));
    }
  }
  std::vector<char> content(64 << 10);
  for (char& c : content) c = static_cast<char>(random());
  std::uniform_int_distribution<int> size(1 << 10, 64 << 10);
  for (const char* directory : {"Game", "Settings", "Videos"}) fs::create_directories(api / directory);
  for (int i = 0; i < kSmallFiles; ++i) {
    // Three fifths in Game, one fifth each in Settings and Videos.
    const char* directory = i % 5 < 3 ? "Game" : (i % 5 == 3 ? "Settings" : "Videos");
    std::ofstream out(api / directory / ("f" + std::to_string(i) + ".dat"), std::ios::binary);
    content[0] = static_cast<char>(i);
    out.write(content.data(), size(random));
  }
}

// A configuration file with one Windows build per round (R0, R1, ...) and its project file.
void WriteProject(const fs::path& game, int rounds) {
  std::ofstream config(game / "game.config", std::ios::binary);
  config << "<configurations>\n"
            "    <projectconfig projectfile=\"game.project\" projectcmakelists=\"CMakeLists.txt\"/>\n"
            "    <sourcecontrolconfig using=\"svn\" url=\"\" username=\"\" password=\"\"/>\n"
            "    <buildconfigs>\n";
  for (int round = 0; round < rounds; ++round) {
    config << "        <build name=\"R" << round
           << "\" platform=\"Windows\" distribution=\"Zip\" api=\"DX9\" headerpath=\"\" librarypath=\"\" "
              "args=\"\"/>\n";
  }
  config << "    </buildconfigs>\n"
            "    <distribconfigs>\n"
            "        <distrib name=\"Zip\" distribution=\"Zip\"/>\n"
            "    </distribconfigs>\n"
            "</configurations>\n";
  std::ofstream project(game / "game.project", std::ios::binary);
  project << "<project project_version=\"1.1\">\n"
             "    <project_settings>\n"
             "        <general>\n"
             "            <setting name=\"generalName\" value=\"Bench\"/>\n"
             "            <setting name=\"generalIcon\" value=\"icon.png\"/>\n"
             "            <setting name=\"generalSplashScreen\" value=\"splash.png\"/>\n"
             "            <setting name=\"generalTmp\" value=\"tmp\"/>\n"
             "            <setting name=\"generalMajor\" value=\"1\"/>\n"
             "            <setting name=\"generalMinor\" value=\"0\"/>\n"
             "        </general>\n"
             "    </project_settings>\n"
             "</project>\n";
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

// Runs command after a sync; the time it took, or a negative value when it failed.
double Timed(const std::string& command) {
  if (std::system("sync") != 0) std::fprintf(stderr, "sync failed\n");
  auto start = std::chrono::steady_clock::now();
  int status = std::system(command.c_str());
  double seconds = Seconds(start);
  if (status != 0) {
    std::fprintf(stderr, "failed (%d): %s\n", status, command.c_str());
    return -1;
  }
  return seconds;
}

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void RemoveBigFiles(const fs::path& api) {
  for (const char* name : kBigFiles) fs::remove(api / name);
}

}  // namespace

int main(int argc, char** argv) {
  fs::path base = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path();
  int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

  fs::path work = base / ("packager_bench." + std::to_string(std::random_device()()));
  fs::path game = work / "game";
  fs::path windows = game / "tmp" / "Windows";
  fs::path source = windows / "DX9";
  std::fprintf(stderr, "Writing the content in %s\n", work.string().c_str());
  WriteContent(source);
  WriteProject(game, rounds);
  const auto expected = Measure(source);
  std::fprintf(stderr, "%llu files, %.1f MiB; %d rounds\n", static_cast<unsigned long long>(expected.first),
               expected.second / 1048576.0, rounds);

  std::vector<double> ours, cp, ratios;
  int status = 0;
  for (int round = 0; round < rounds && status == 0; ++round) {
    const std::string build = "R" + std::to_string(round);
    // The tool chain creates the build directory before the packager runs.
    fs::create_directories(windows / build);
    fs::path cpTarget = work / ("cp" + std::to_string(round));
    fs::create_directories(cpTarget);

    double packager = Timed(Quoted(OV_PACKAGER_PATH) + " --build " + Quoted(game / "game.config") + " " +
                            build + " >/dev/null");
    double copy = Timed("cp -r " + Quoted(source) + " " + Quoted(cpTarget));
    if (packager < 0 || copy < 0) {
      status = 1;
      break;
    }
    ours.push_back(packager);
    cp.push_back(copy);
    ratios.push_back(packager / copy);
    std::fprintf(stderr, "round %d: packager --build %.3f s, cp -r %.3f s, ratio %.3f\n", round, packager,
                 copy, ratios.back());
    if (round == 0 &&
        (Measure(windows / build / "DX9") != expected || Measure(cpTarget / "DX9") != expected)) {
      std::fprintf(stderr, "copies differ from the content\n");
      status = 1;
    }
    RemoveBigFiles(windows / build / "DX9");
    RemoveBigFiles(cpTarget / "DX9");
  }
  if (status == 0) {
    std::fprintf(stderr, "median: packager --build %.3f s, cp -r %.3f s, median ratio %.3f\n", Median(ours),
                 Median(cp), Median(ratios));
  }
  fs::remove_all(work);
  return status;
}
