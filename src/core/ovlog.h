// Process-wide logging of single lines, filtered by level and by type, each line stamped with
// the local time and a level tag and sent to the debugger channel, the log files under
// "_logs" and standard output. No locking: lines from several threads may interleave.
#pragma once

#include <cstdarg>
#include <cstdint>

#include "core/platform/local_time.h"

// One bit per level; a level argument with several bits reaches each of their level files.
enum ELogLevel {
  eLogLevel_Info = 1,
  eLogLevel_Profile = 2,
  eLogLevel_Warning = 4,
  eLogLevel_Error = 8,
  eLogLevel_Fatal = 16,
};

// Type bits are chosen by the callers; these are the ones the library itself uses.
enum ELogType {
  eLogType_General = 1,
  eLogType_Identifier = 2,
};

// Bits of the outputs mask.
enum ELogOutput {
  eLogOutput_Files = 1,
  eLogOutput_Debugger = 2,
  eLogOutput_StdOut = 4,
};

constexpr uint32_t OV_LOG_DEFAULT_LEVEL_MASK = 0x0F;
constexpr uint32_t OV_LOG_DEFAULT_TYPE_MASK = 0x107FF;
constexpr uint32_t OV_LOG_DEFAULT_OUTPUT_MASK = 0x3;
// Size of the line buffer, terminator included; longer lines are cut but keep their "\n".
constexpr int OV_LOG_LINE_SIZE = 8192;

// Creates "_logs" below the log directory (see OvLogSetDirectory) and, truncating, the main
// file "_logs/<name>.log" and one file per level "_logs/<name>_<word>.log". Files already open
// are closed first. A file that cannot be created is skipped when writing. Returns true when
// all six files were created.
bool OvLogInit(const char* name);
// Closes the log files; logging continues to the other outputs.
void OvLogRelease();
// Writes one line when (level & level mask) and (type & type mask) are both non-zero.
void OvLog(int level, int type, int indent, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 4, 5)))
#endif
    ;
void OvLogV(int level, int type, int indent, const char* format, va_list args);

void OvLogSetLevelMask(uint32_t mask);
uint32_t OvLogGetLevelMask();
void OvLogSetTypeMask(uint32_t mask);
uint32_t OvLogGetTypeMask();
void OvLogSetOutputMask(uint32_t mask);
uint32_t OvLogGetOutputMask();
// Folder in which OvLogInit creates "_logs"; null or "" (the default) is the current directory.
// Takes effect at the next OvLogInit.
void OvLogSetDirectory(const char* directory);

// Tag of a level ("[WARNING] "), or "" when level is not exactly one level bit.
const char* OvLogLevelTag(int level);
// File-name word of a level ("warning"), or null when level is not exactly one level bit.
const char* OvLogLevelFileWord(int level);
// Formats one complete line ("hh:mm:ss [TAG] " + indent + message + "\n") into buffer, never
// past size bytes (the line is cut to fit and still ends with "\n"). Returns its length.
int OvLogFormatLine(char* buffer, int size, const ovplatform::LocalTime& time, int level, int indent,
                    const char* format, va_list args);

// Debug trace for library diagnostics: accepts a message and produces no output.
void OvTrace(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
