// Start-up benchmark: what `OvGamePackager --configure` of the demo project costs beyond the
// tools it runs. The demo is copied into a sandbox whose project updater and `convert` are the
// test suite's fake tool, which records each run. A round times one packager run, then the same
// tool runs started directly (same programs, arguments and directories); the difference is the
// packager's own time. Rounds alternate the two; the medians go to standard error.
//
// Usage: configure_bench [rounds]   (default 31)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/packager_sandbox.h"

namespace fs = std::filesystem;

namespace {

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

template <typename Run>
double Milliseconds(Run run) {
  auto start = std::chrono::steady_clock::now();
  run();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
  PackagerSandbox sandbox;
  fs::copy(fs::path(OV_TEST_SOURCE_DIR) / "examples/demo", sandbox.GameDir(), fs::copy_options::recursive);
  sandbox.InstallFakeTool("tools/OvProjectUpdater");
  sandbox.InstallFakeTool("tools/convert");
  const std::vector<std::string> arguments = {"--configure", sandbox.Path("game/demo.config"), "Release"};

  // A first run to learn which tools a configure starts.
  ProgramResult first = sandbox.Run(arguments);
  const std::vector<FakeToolRun> tools = sandbox.ToolRuns();
  if (!first.started || first.exitCode != 0 || tools.empty()) {
    std::fprintf(stderr, "the configure run failed (status %d):\n%s", first.exitCode, first.err.c_str());
    return 1;
  }
  std::fprintf(stderr, "one configure starts %zu tool runs; %d rounds\n", tools.size(), rounds);

  std::vector<double> packager, direct, own;
  for (int round = 0; round < rounds; ++round) {
    bool ok = true;
    double withTools = Milliseconds([&] { ok = sandbox.Run(arguments).exitCode == 0 && ok; });
    double toolsAlone = Milliseconds([&] {
      for (const FakeToolRun& run : tools) {
        RunProgram(run.args[0], std::vector<std::string>(run.args.begin() + 1, run.args.end()), run.cwd);
      }
    });
    if (!ok) {
      std::fprintf(stderr, "round %d: the configure run failed\n", round);
      return 1;
    }
    packager.push_back(withTools);
    direct.push_back(toolsAlone);
    own.push_back(withTools - toolsAlone);
  }
  std::fprintf(stderr, "median: packager --configure %.2f ms, its tools alone %.2f ms, packager's own time %.2f ms\n",
               Median(packager), Median(direct), Median(own));
  return 0;
}
