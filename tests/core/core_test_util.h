// Helpers shared by the core tests: texts and listings as standard values, captured output.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "core/ovdirectory.h"

inline std::string Str(const TOvString<char>& text) { return text.GetBuffer(); }
inline std::string Str(const OvFindFile& file) { return file.name.GetBuffer(); }

template <class T>
std::vector<std::string> Names(const COvArray<T>& array) {
  std::vector<std::string> names;
  for (const T& item : array) names.push_back(Str(item));
  return names;
}

inline std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

// The lines `run` prints on standard output.
template <class F>
std::vector<std::string> StdoutLines(F run) {
  testing::internal::CaptureStdout();
  run();
  std::istringstream in(testing::internal::GetCapturedStdout());
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}
