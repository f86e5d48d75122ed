// Helpers shared by the core tests: test bytes, texts and listings as standard values, captured
// output.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "core/ovdirectory.h"
#include "core/ovfilesystem.h"
#include "core/platform/host.h"

// The host's separator as a text.
const std::string kSep(1, ovhost::kNativeSeparator);

// Bytes without a short period, so that bytes read from the wrong offset show.
inline std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 256) & 0xFF);
  return bytes;
}

// Opens a file object (COvFile, COvFileHandleCached) on the disk, never in an archive.
template <class File>
EOvFileSystemError OpenOnDisk(File& file, const std::string& path,
                              int mode = eOvFileSystemOpenMode_ReadBinary) {
  return file.Open(path.c_str(), mode, false);
}

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

// What `run` prints on standard output.
template <class F>
std::string StdoutText(F run) {
  testing::internal::CaptureStdout();
  run();
  return testing::internal::GetCapturedStdout();
}

// The lines `run` prints on standard output.
template <class F>
std::vector<std::string> StdoutLines(F run) {
  std::istringstream in(StdoutText(run));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}
