// The child-process service on Windows: CreatePipe, CreateProcessA without a console window,
// WaitForSingleObject while both pipes are drained with PeekNamedPipe and ReadFile,
// GetExitCodeProcess, and FormatMessageA for error texts.
#include "core/platform/process.h"

#include <windows.h>

#include <vector>

namespace ovproc {
namespace {

// Up to this much is taken from a pipe per read; the pipes hold 4 MiB.
constexpr DWORD kReadChunk = 1024 * 1024;
// How long one wait lasts while the child writes nothing.
constexpr DWORD kWaitSliceMilliseconds = 10;

HANDLE AsHandle(Handle handle) { return reinterpret_cast<HANDLE>(handle); }
Handle FromHandle(HANDLE handle) { return reinterpret_cast<Handle>(handle); }

// Reads what is waiting in the pipe (one chunk at most), straight into the kept text while it
// may grow; false when nothing was waiting.
bool DrainOnce(Handle pipe, std::string& kept, size_t& total, size_t keep, std::vector<char>& scratch) {
  if (pipe == kInvalidHandle) return false;
  DWORD available = 0;
  if (!PeekNamedPipe(AsHandle(pipe), nullptr, 0, nullptr, &available, nullptr) || available == 0) return false;
  DWORD wanted = available < kReadChunk ? available : kReadChunk;
  size_t size = kept.size();
  DWORD read = 0;
  if (keep - size >= wanted) {
    if (kept.capacity() < size + wanted) kept.reserve(2 * kept.capacity() + wanted);
    kept.resize(size + wanted);
    BOOL ok = ReadFile(AsHandle(pipe), &kept[size], wanted, &read, nullptr);
    kept.resize(size + (ok ? read : 0));
    if (!ok) return false;
  } else {
    scratch.resize(wanted);
    if (!ReadFile(AsHandle(pipe), scratch.data(), wanted, &read, nullptr)) return false;
    size_t room = keep - size;
    kept.append(scratch.data(), read < room ? read : room);
  }
  total += read;
  return read > 0;
}

}  // namespace

bool CreateChildPipe(Handle& readEnd, Handle& writeEnd, uint32_t suggestedSize, uint32_t& error) {
  readEnd = writeEnd = kInvalidHandle;
  SECURITY_ATTRIBUTES security;
  security.nLength = sizeof(security);
  security.lpSecurityDescriptor = nullptr;
  security.bInheritHandle = TRUE;
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  if (!CreatePipe(&read, &write, &security, suggestedSize)) {
    error = GetLastError();
    return false;
  }
  readEnd = FromHandle(read);
  writeEnd = FromHandle(write);
  return true;
}

bool MakeNotInheritable(Handle handle, uint32_t& error) {
  if (!SetHandleInformation(AsHandle(handle), HANDLE_FLAG_INHERIT, 0)) {
    error = GetLastError();
    return false;
  }
  return true;
}

void ClosePipeEnd(Handle handle) {
  if (handle != kInvalidHandle) CloseHandle(AsHandle(handle));
}

bool StartChild(const ChildStart& start, Handle& stdOutWrite, Handle& stdErrWrite, ChildInfo& info,
                uint32_t& error) {
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof(startup));
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  // The child reads the NUL device: a tool that waits on its input sees its end at once instead
  // of blocking on whatever input this process was given.
  SECURITY_ATTRIBUTES inherit;
  inherit.nLength = sizeof(inherit);
  inherit.lpSecurityDescriptor = nullptr;
  inherit.bInheritHandle = TRUE;
  HANDLE nul = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  startup.hStdInput = nul == INVALID_HANDLE_VALUE ? nullptr : nul;
  startup.hStdOutput = AsHandle(stdOutWrite);
  startup.hStdError = AsHandle(stdErrWrite);

  // CreateProcessA may write into the command line.
  std::string line = start.commandLine ? start.commandLine : "";
  std::vector<char> commandLine(line.begin(), line.end());
  commandLine.push_back(0);
  const char* directory = start.workingDirectory && *start.workingDirectory ? start.workingDirectory : nullptr;

  PROCESS_INFORMATION process;
  ZeroMemory(&process, sizeof(process));
  BOOL started = CreateProcessA(start.program, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                nullptr, directory, &startup, &process);
  if (!started) error = GetLastError();
  if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
  if (!started) return false;
  info.process = FromHandle(process.hProcess);
  info.thread = FromHandle(process.hThread);
  info.processId = process.dwProcessId;
  info.threadId = process.dwThreadId;
  return true;
}

bool WaitForChild(ChildInfo& info, Handle stdOutRead, Handle stdErrRead, size_t keep, ChildOutput& output,
                  uint32_t& exitCode, uint32_t& error) {
  std::vector<char> buffer;
  for (;;) {
    bool readOut = DrainOnce(stdOutRead, output.out, output.outTotal, keep, buffer);
    bool readErr = DrainOnce(stdErrRead, output.err, output.errTotal, keep, buffer);
    DWORD waited = WaitForSingleObject(AsHandle(info.process), readOut || readErr ? 0 : kWaitSliceMilliseconds);
    if (waited == WAIT_OBJECT_0) break;
    if (waited == WAIT_FAILED) {
      error = GetLastError();
      return false;
    }
  }
  // The child has ended: take what it left in the pipes.
  for (;;) {
    bool readOut = DrainOnce(stdOutRead, output.out, output.outTotal, keep, buffer);
    bool readErr = DrainOnce(stdErrRead, output.err, output.errTotal, keep, buffer);
    if (!readOut && !readErr) break;
  }
  DWORD code = 0;
  if (!GetExitCodeProcess(AsHandle(info.process), &code)) {
    error = GetLastError();
    return false;
  }
  exitCode = code;
  return true;
}

void ReleaseChild(ChildInfo& info) {
  if (info.thread != kInvalidHandle) CloseHandle(AsHandle(info.thread));
  if (info.process != kInvalidHandle) CloseHandle(AsHandle(info.process));
  info.thread = kInvalidHandle;
  info.process = kInvalidHandle;
}

std::string SystemErrorText(uint32_t error) {
  char* text = nullptr;
  DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                nullptr, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                reinterpret_cast<LPSTR>(&text), 0, nullptr);
  std::string result;
  if (length != 0 && text) result.assign(text, length);
  if (text) LocalFree(text);
  return result;
}

bool TerminateChild(const ChildInfo& info) {
  return info.process != kInvalidHandle &&
         TerminateProcess(AsHandle(info.process), 1) != FALSE;
}

}  // namespace ovproc
