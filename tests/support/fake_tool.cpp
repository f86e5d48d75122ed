// ov_fake_tool: stands in for the external programs (project updater, asset compiler, convert,
// android, ant, steamcmd, cmake) in tests. Installed or called under any name, it records how it
// was run, writes what the test asks and exits with the code the test asks. Plain portable C++.
//
// Settings are environment variables. For each of them a variable with "_" and the tool's name
// appended (the file name of argv[0] without directory and extension, e.g.
// OV_FAKE_TOOL_EXIT_steamcmd) takes precedence, so copies installed under several names can be
// told apart.
//
//   OV_FAKE_TOOL_LOG           file to which each run appends one record:
//                                run <argument count, argv[0] included>
//                                cwd <current directory>
//                                arg <argv[0]>
//                                arg <argv[1]>  ... one line per argument
//                                end
//                              tests/support/fake_tool_log.h reads the records back.
//   OV_FAKE_TOOL_STDOUT        text written to standard output
//   OV_FAKE_TOOL_STDERR        text written to standard error
//   OV_FAKE_TOOL_STDOUT_BYTES  then this many bytes "abc...z" repeated on standard output
//   OV_FAKE_TOOL_STDERR_BYTES  then this many bytes "ABC...Z" repeated on standard error;
//                              the two are written in alternating 64 KiB pieces, so a reader
//                              that drains only one stream at a time blocks the tool.
//   OV_FAKE_TOOL_COPY_FROM     with OV_FAKE_TOOL_COPY_TO: a file copied over another, as a
//   OV_FAKE_TOOL_COPY_TO       tool that rewrites a file in place (the project updater)
//   OV_FAKE_TOOL_READ_STDIN    when set, standard input is read to its end first
//   OV_FAKE_TOOL_PRODUCT_BYTES this many bytes "abc...z" repeated written to the file named by
//                              the last argument, as convert writes its product; a failed
//                              write ends the tool with exit code 1
//   OV_FAKE_TOOL_SIGNAL        at the end, the tool raises this signal instead of exiting
//   OV_FAKE_TOOL_EXIT          exit code (default 0)
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <string>

#include "support/fake_tool_record.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

std::string g_toolName;

const char* Setting(const char* name) {
  if (!g_toolName.empty()) {
    std::string specific = std::string(name) + "_" + g_toolName;
    if (const char* value = std::getenv(specific.c_str())) return value;
  }
  return std::getenv(name);
}

unsigned long long Count(const char* text) { return text ? std::strtoull(text, nullptr, 10) : 0; }

// Writes the next piece of the count bytes first, first + 1, ... (26 letters over and over);
// written counts the bytes written so far.
void WritePattern(FILE* stream, char first, unsigned long long count, unsigned long long& written) {
  static char chunk[64 * 1024];
  size_t size = count - written < sizeof(chunk) ? static_cast<size_t>(count - written) : sizeof(chunk);
  for (size_t i = 0; i < size; ++i) chunk[i] = static_cast<char>(first + (written + i) % 26);
  std::fwrite(chunk, 1, size, stream);
  written += size;
}

}  // namespace

int main(int argc, char** argv) {
  g_toolName = std::filesystem::path(argc > 0 ? argv[0] : "").stem().string();

  if (const char* log = Setting("OV_FAKE_TOOL_LOG")) faketool::Record(log, argc, argv);
  if (Setting("OV_FAKE_TOOL_READ_STDIN")) std::cin.ignore(std::numeric_limits<std::streamsize>::max());
  if (const char* text = Setting("OV_FAKE_TOOL_STDOUT")) std::fputs(text, stdout);
  if (const char* text = Setting("OV_FAKE_TOOL_STDERR")) std::fputs(text, stderr);

  unsigned long long outCount = Count(Setting("OV_FAKE_TOOL_STDOUT_BYTES")), outWritten = 0;
  unsigned long long errCount = Count(Setting("OV_FAKE_TOOL_STDERR_BYTES")), errWritten = 0;
#ifdef _WIN32
  // The patterns hold no line ends; in text mode the C runtime would still cut every write into
  // small pieces to translate them, which makes large outputs through a pipe very slow.
  if (outCount > 0 || errCount > 0) {
    std::fflush(stdout);
    std::fflush(stderr);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
  }
#endif
  while (outWritten < outCount || errWritten < errCount) {
    if (outWritten < outCount) WritePattern(stdout, 'a', outCount, outWritten);
    if (errWritten < errCount) WritePattern(stderr, 'A', errCount, errWritten);
  }

  // Not std::filesystem::copy_file: with mingw's libstdc++ it refuses to replace an existing
  // file (every file looks like the same inode).
  const char* copyFrom = Setting("OV_FAKE_TOOL_COPY_FROM");
  const char* copyTo = Setting("OV_FAKE_TOOL_COPY_TO");
  std::ifstream source(copyFrom ? copyFrom : "", std::ios::binary);
  if (source && copyTo) std::ofstream(copyTo, std::ios::binary) << source.rdbuf();

  if (unsigned long long productCount = Count(Setting("OV_FAKE_TOOL_PRODUCT_BYTES"))) {
    FILE* product = argc > 1 ? std::fopen(argv[argc - 1], "wb") : nullptr;
    if (!product) return 1;
    for (unsigned long long written = 0; written < productCount;)
      WritePattern(product, 'a', productCount, written);
    if (std::ferror(product) | std::fclose(product)) return 1;
  }

  std::fflush(nullptr);
  if (const char* signal = Setting("OV_FAKE_TOOL_SIGNAL")) std::raise(std::atoi(signal));
  const char* code = Setting("OV_FAKE_TOOL_EXIT");
  return code ? std::atoi(code) : 0;
}
