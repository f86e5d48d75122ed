// Reading back what ov_fake_tool (tests/support/fake_tool.cpp) recorded, and finding the built
// tool. FakeToolPath needs OV_TEST_BINARY_DIR, which every test executable is compiled with.
#pragma once

#include <string>
#include <vector>

#include "core/platform/host.h"

struct FakeToolRun {
  std::string cwd;
  // argv[0] first.
  std::vector<std::string> args;
};

// Every run recorded in the log, oldest first; empty when the file does not exist.
std::vector<FakeToolRun> ReadFakeToolLog(const std::string& path);

#ifdef OV_TEST_BINARY_DIR
inline std::string FakeToolPath() {
  return std::string(OV_TEST_BINARY_DIR) + "/tests/ov_fake_tool" + ovhost::kExecutableSuffix;
}
#endif
