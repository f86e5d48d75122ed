// How the fake tools record a run: appended to the log file, one record per run
//   run <argument count> / cwd <directory> / arg <argv[i]>... / end
// with '%', CR and LF in values written as %25, %0D and %0A. fake_tool_log.h reads it back
// with Unescaped.
// Header-only, so that the fake tool programs need nothing but the C++ library.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace faketool {

inline void WriteEscaped(FILE* file, const std::string& value) {
  for (char c : value) {
    const char* code = c == '%' ? "%25" : c == '\r' ? "%0D" : c == '\n' ? "%0A" : nullptr;
    code ? std::fputs(code, file) : std::fputc(c, file);
  }
  std::fputc('\n', file);
}

inline std::string Unescaped(const std::string& value) {
  std::string result;
  for (size_t i = 0; i < value.size(); ++i) {
    std::string code = value.substr(i, 3);
    char decoded = code == "%25" ? '%' : code == "%0D" ? '\r' : code == "%0A" ? '\n' : '\0';
    result += decoded ? decoded : value[i];
    if (decoded) i += 2;
  }
  return result;
}

inline void Record(const char* logPath, int argc, char** argv) {
  FILE* log = std::fopen(logPath, "ab");
  if (!log) return;
  std::error_code error;
  std::fprintf(log, "run %d\ncwd ", argc);
  WriteEscaped(log, std::filesystem::current_path(error).string());
  for (int i = 0; i < argc; ++i) {
    std::fputs("arg ", log);
    WriteEscaped(log, argv[i]);
  }
  std::fputs("end\n", log);
  std::fclose(log);
}

}  // namespace faketool
