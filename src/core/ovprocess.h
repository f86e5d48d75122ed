// COvProcess: runs one external program at a time as a hidden child process, captures its
// standard output and error, waits for it and prints a report on standard output when the
// start or the child fails. A process-wide flag remembers that any run failed; tool steps test
// it with CheckForErrors() to decide their success.
//
// The arguments text is split into the child's arguments by OvSplitCommandLine's rules (on
// Windows the whole command line goes to the child as is); no shell is ever involved. Both
// outputs are read while the child runs, so no amount of output can block it.
#pragma once

#include <cstdint>

#include "core/ovarray.h"
#include "core/ovstring.h"
#include "core/platform/process.h"

class COvProcess {
 public:
  // Every value of 2 or more is an error state that ignores new starts until ResetAfterError.
  enum EStatus : uint32_t {
    Idle = 0,
    Running = 1,
    PipeCreationFailed = 3,
    HandleInformationFailed = 4,
    ProcessCreationFailed = 6,
  };

  COvProcess() = default;
  // Closes every open handle; a child still running keeps running.
  ~COvProcess();
  // A runner owns its handles.
  COvProcess(const COvProcess&) = delete;
  COvProcess& operator=(const COvProcess&) = delete;

  // Prints "RunProcessAsync(program, arguments)" and starts the child, unless the runner is
  // not Idle (then nothing happens at all). With empty arguments nothing is started and the
  // runner stays Idle. A failed start is reported and leaves the matching error state.
  void RunProcessAsync(const TOvString<char>& program, const TOvString<char>& arguments);
  // Waits for the running child and reports a non-zero exit code with the first 1023
  // characters of its error output (or else of its standard output, or else "Unknown").
  // True exactly when the child exited with code 0; false at once when nothing runs.
  bool WaitForCompletion();
  // As WaitForCompletion, and returns all the child wrote; out and err are emptied first.
  bool WaitForCompletionRetrieveOutput(TOvString<char>& out, TOvString<char>& err);
  bool RunProcess(const TOvString<char>& program, const TOvString<char>& arguments);
  bool RunProcessRetrieveOutput(const TOvString<char>& program, const TOvString<char>& arguments,
                                TOvString<char>& out, TOvString<char>& err);
  // Leaves an error state for Idle (handles closed, command line and last error cleared).
  void ResetAfterError();

  EStatus GetStatus() const { return status; }
  // The child's process handle (its process id on POSIX); all bits set when there is none.
  void* GetWaitHandle() const;
  // The platform's error code of the last failed start; 0 otherwise.
  uint32_t GetLastErrorCode() const { return lastError; }

  // Directory the next children start in; empty (the default) is the parent's current one.
  void SetWorkingDirectory(const TOvString<char>& directory) { m_workingDirectory = directory; }
  // A text that this runner never prints (typically a password on the command line): in the
  // "RunProcessAsync" line and in every report, each occurrence is shown as "********". The
  // command actually run and the captured output are unchanged. Empty: nothing is hidden.
  void SetSecret(const TOvString<char>& secret) { m_secret = secret; }
  // One more text hidden the same way, after the secret: typically the password as the child
  // itself prints it when the command line holds it quoted.
  void AddSecret(const TOvString<char>& secret) { m_aMoreSecrets.Add(secret); }
  // text with every occurrence of secret shown as "********"; text itself when secret is empty.
  static TOvString<char> MaskSecret(const TOvString<char>& text, const TOvString<char>& secret);

  static bool CheckForErrors() { return s_bProcessErrorOccured; }
  static void ClearErrors() { s_bProcessErrorOccured = false; }

  // Test hook: the next start fails at the step of failure (one of the three error states)
  // with the platform error code error, exactly as if the platform had refused it. Idle
  // cancels a pending failure.
  static void FailNextStartForTesting(EStatus failure, uint32_t error);

 private:
  void ResetHandles();
  void ReportError(const char* message, unsigned int errorCode, unsigned int exitCode) const;
  void FailStart(const char* message, uint32_t errorCode, EStatus failure);
  bool Finish(ovproc::ChildOutput& output, size_t keep, uint32_t& exitCode);

  TOvString<char> commandLine;
  ovproc::Handle stdOutRead = ovproc::kInvalidHandle;
  ovproc::Handle stdOutWrite = ovproc::kInvalidHandle;
  ovproc::Handle stdErrRead = ovproc::kInvalidHandle;
  ovproc::Handle stdErrWrite = ovproc::kInvalidHandle;
  ovproc::ChildInfo processInfo;
  EStatus status = Idle;
  uint32_t lastError = 0;

  TOvString<char> m_workingDirectory;
  TOvString<char> m_secret;
  COvArray<TOvString<char>> m_aMoreSecrets;

  static bool s_bProcessErrorOccured;
};
