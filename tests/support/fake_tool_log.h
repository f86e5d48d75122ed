// Reading back what ov_fake_tool (tests/support/fake_tool.cpp) recorded, and finding the built
// tool. FakeToolPath needs OV_TEST_BINARY_DIR, which every test executable is compiled with.
#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "core/platform/host.h"

struct FakeToolRun {
  std::string cwd;
  // argv[0] first.
  std::vector<std::string> args;
};

// Every run recorded in the log, oldest first; empty when the file does not exist.
inline std::vector<FakeToolRun> ReadFakeToolLog(const std::string& path) {
  std::vector<FakeToolRun> runs;
  std::ifstream in(path, std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    std::string tag = line.substr(0, 4);
    std::string value = line.size() > 4 ? line.substr(4) : std::string();
    if (tag == "run ") runs.emplace_back();
    if (runs.empty()) continue;
    if (tag == "cwd ") runs.back().cwd = value;
    if (tag == "arg ") runs.back().args.push_back(value);
  }
  return runs;
}

#ifdef OV_TEST_BINARY_DIR
inline std::string FakeToolPath() {
  return std::string(OV_TEST_BINARY_DIR) + "/tests/ov_fake_tool" + ovhost::kExecutableSuffix;
}
#endif
