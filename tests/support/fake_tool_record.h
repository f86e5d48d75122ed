// How the fake tools record a run: appended to the log file, one record per run
//   run <argument count> / cwd <directory> / arg <argv[i]>... / end
// one value a line, as is: the tests pass no line breaks in arguments or directories.
// fake_tool_log.h reads it back.
// Header-only, so that the fake tool programs need nothing but the C++ library.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace faketool {

inline void Record(const char* logPath, int argc, char** argv) {
  FILE* log = std::fopen(logPath, "ab");
  if (!log) return;
  std::error_code error;
  std::fprintf(log, "run %d\ncwd %s\n", argc, std::filesystem::current_path(error).string().c_str());
  for (int i = 0; i < argc; ++i) std::fprintf(log, "arg %s\n", argv[i]);
  std::fputs("end\n", log);
  std::fclose(log);
}

}  // namespace faketool
