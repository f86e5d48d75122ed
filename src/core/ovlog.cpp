// Process-wide logger. The state lives in one never-destroyed object so that logging from
// static destructors of other objects stays safe.
#include "core/ovlog.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/ovstring.h"
#include "core/platform/debug_output.h"
#include "core/platform/host.h"

namespace {

constexpr int kLevelCount = 5;
const char* const kLevelTags[kLevelCount] = {"[   INFO] ", "[PROFILE] ", "[WARNING] ", "[  ERROR] ",
                                             "[  FATAL] "};
const char* const kLevelWords[kLevelCount] = {"info", "profile", "warning", "error", "fatal"};

struct LogState {
  uint32_t levelMask = OV_LOG_DEFAULT_LEVEL_MASK;
  uint32_t typeMask = OV_LOG_DEFAULT_TYPE_MASK;
  uint32_t outputMask = OV_LOG_DEFAULT_OUTPUT_MASK;
  std::FILE* mainFile = nullptr;
  std::FILE* levelFiles[kLevelCount] = {};
  TOvString<char> directory;
};

LogState& State() {
  static LogState* state = new LogState;
  return *state;
}

int LevelIndex(int level) {
  for (int i = 0; i < kLevelCount; ++i) {
    if (level == (1 << i)) return i;
  }
  return -1;
}

void CloseFile(std::FILE*& file) {
  if (file) std::fclose(file);
  file = nullptr;
}

void WriteFile(std::FILE* file, const char* line, int length) {
  if (!file) return;
  std::fwrite(line, 1, static_cast<size_t>(length), file);
  std::fflush(file);
}

}  // namespace

const char* OvLogLevelTag(int level) {
  int index = LevelIndex(level);
  return index < 0 ? "" : kLevelTags[index];
}

const char* OvLogLevelFileWord(int level) {
  int index = LevelIndex(level);
  return index < 0 ? nullptr : kLevelWords[index];
}

bool OvLogInit(const char* name) {
  LogState& state = State();
  OvLogRelease();
  TOvString<char> folder = state.directory;
  if (!folder.IsEmpty() && !folder.EndsWith("/") && !folder.EndsWith("\\")) {
    const char* const separator = ovhost::kNativeSeparatorText;
    folder += separator;
  }
  folder += "_logs";
  std::error_code error;
  std::filesystem::create_directory(std::filesystem::path(folder.GetBuffer()), error);

  const char* const separator = ovhost::kNativeSeparatorText;
  TOvString<char> stem = folder + separator + (name ? name : "");
  bool allCreated = true;
  state.mainFile = std::fopen((stem + ".log").GetBuffer(), "wb");
  allCreated = allCreated && state.mainFile;
  for (int i = 0; i < kLevelCount; ++i) {
    TOvString<char> path = stem + "_" + kLevelWords[i] + ".log";
    state.levelFiles[i] = std::fopen(path.GetBuffer(), "wb");
    allCreated = allCreated && state.levelFiles[i];
  }
  return allCreated;
}

void OvLogRelease() {
  LogState& state = State();
  CloseFile(state.mainFile);
  for (std::FILE*& file : state.levelFiles) CloseFile(file);
}

int OvLogFormatLine(char* buffer, int size, const ovplatform::LocalTime& time, int level, int indent,
                    const char* format, va_list args) {
  if (!buffer || size <= 0) return 0;
  buffer[0] = 0;
  if (size < 2) return 0;
  // Text may fill size - 2 bytes: the final "\n" and the terminator always fit after it.
  const int maxText = size - 2;
  int written = std::snprintf(buffer, static_cast<size_t>(maxText + 1), "%02d:%02d:%02d %s", time.hour,
                              time.minute, time.second, OvLogLevelTag(level));
  int length = written < 0 ? 0 : (written > maxText ? maxText : written);
  for (int i = 0; i < indent && length + 2 <= maxText; ++i) {
    buffer[length++] = ' ';
    buffer[length++] = ' ';
  }
  if (format && length < maxText) {
    int room = maxText + 1 - length;
    written = std::vsnprintf(buffer + length, static_cast<size_t>(room), format, args);
    if (written > 0) length += written < room ? written : room - 1;
  }
  buffer[length++] = '\n';
  buffer[length] = 0;
  return length;
}

void OvLogV(int level, int type, int indent, const char* format, va_list args) {
  LogState& state = State();
  if ((static_cast<uint32_t>(level) & state.levelMask) == 0 ||
      (static_cast<uint32_t>(type) & state.typeMask) == 0)
    return;
  char line[OV_LOG_LINE_SIZE];
  int length = OvLogFormatLine(line, sizeof(line), ovplatform::GetLocalTime(), level, indent, format, args);
  if (state.outputMask & eLogOutput_Debugger) ovplatform::DebugOutput(line);
  if (state.outputMask & eLogOutput_Files) {
    WriteFile(state.mainFile, line, length);
    for (int i = 0; i < kLevelCount; ++i) {
      if (static_cast<uint32_t>(level) & (1u << i)) WriteFile(state.levelFiles[i], line, length);
    }
  }
  if (state.outputMask & eLogOutput_StdOut) {
    std::printf("%s", line);
    std::fflush(stdout);
  }
}

void OvLog(int level, int type, int indent, const char* format, ...) {
  va_list args;
  va_start(args, format);
  OvLogV(level, type, indent, format, args);
  va_end(args);
}

void OvLogSetLevelMask(uint32_t mask) { State().levelMask = mask; }
uint32_t OvLogGetLevelMask() { return State().levelMask; }
void OvLogSetTypeMask(uint32_t mask) { State().typeMask = mask; }
uint32_t OvLogGetTypeMask() { return State().typeMask; }
void OvLogSetOutputMask(uint32_t mask) { State().outputMask = mask; }
uint32_t OvLogGetOutputMask() { return State().outputMask; }
void OvLogSetDirectory(const char* directory) { State().directory = directory; }

void OvTrace(const char*, ...) {}
