// The child-process service under COvProcess: anonymous pipes, starting a hidden child with its
// standard output and error on those pipes, waiting for it while both pipes are drained, and
// the system's text for an error code. Nothing here prints.
//
// Handles are opaque integers: file descriptors and process ids on POSIX, HANDLE values on
// Windows. kInvalidHandle (all bits set) marks a handle that is not open. Error codes are the
// platform's own (errno values, GetLastError values).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace ovproc {

typedef intptr_t Handle;
constexpr Handle kInvalidHandle = -1;

struct ChildInfo {
  Handle process = kInvalidHandle;
  Handle thread = kInvalidHandle;  // no thread handle on POSIX
  uint32_t processId = 0;
  uint32_t threadId = 0;
};

// Creates an anonymous pipe whose write end can be handed to a child. suggestedSize is a hint
// for the buffer. On failure both ends stay invalid and error holds the platform's code.
bool CreateChildPipe(Handle& readEnd, Handle& writeEnd, uint32_t suggestedSize, uint32_t& error);

// Keeps handle from being inherited by any child started later.
bool MakeNotInheritable(Handle handle, uint32_t& error);

// Closes one pipe end; an invalid handle is ignored.
void ClosePipeEnd(Handle handle);

struct ChildStart {
  // The program file, run as named: never looked up on PATH, never through a shell.
  const char* program;
  // The whole command line ("\"program\" arguments"); Windows passes it to the child as is.
  const char* commandLine;
  // The program and then each argument, ending with null; what a POSIX child receives.
  const char* const* argv;
  // Null or empty: the parent's current directory.
  const char* workingDirectory;
};

// Starts the child with no console window, standard input from nothing, and standard output
// and error on stdOutWrite and stdErrWrite. The parent's environment is inherited. On POSIX
// the parent's copies of the two write ends are closed once the child holds them (and set to
// invalid), so the reads see the end of both streams when the child is done; Windows keeps
// them open. On failure info is unchanged and error holds the platform's code.
bool StartChild(const ChildStart& start, Handle& stdOutWrite, Handle& stdErrWrite, ChildInfo& info,
                uint32_t& error);

// What the child wrote: at most the asked number of bytes of each stream are kept, the total
// counts every byte that was read.
struct ChildOutput {
  std::string out;
  std::string err;
  size_t outTotal = 0;
  size_t errTotal = 0;
};

// Waits without time limit for the child to end, reading both pipes all the while so that no
// amount of output can block it, then whatever is left in them. keep limits the bytes kept of
// each stream (SIZE_MAX: everything). exitCode is the child's exit code; on POSIX a child ended
// by signal n gives 128 + n. On POSIX the wait consumes the process id: info.process reads as
// invalid afterwards. false (error set) when the wait itself failed.
bool WaitForChild(ChildInfo& info, Handle stdOutRead, Handle stdErrRead, size_t keep, ChildOutput& output,
                  uint32_t& exitCode, uint32_t& error);

// Closes the thread handle and then the process handle, each only when valid, and sets both to
// invalid. A child that is still running keeps running.
void ReleaseChild(ChildInfo& info);

// The system's text for an error code, ending with a line end as the texts of the Windows
// message table do; empty when the system has none.
std::string SystemErrorText(uint32_t error);

// Ends a child that is still running, at once and without letting it clean up (SIGKILL,
// TerminateProcess); its waiter then sees it end. False when there is no such child.
bool TerminateChild(const ChildInfo& info);

}  // namespace ovproc
