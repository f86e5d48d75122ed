#include "support/run_program.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "core/platform/host.h"
#include "core/platform/process.h"

namespace {

// Quotes one argument for a Windows command line (and for the POSIX argv nothing is needed).
std::string Quoted(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
  std::string quoted = "\"";
  for (char c : argument) {
    if (c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

// Ends the child when it is still running after the time limit (none when not positive).
class Watchdog {
 public:
  Watchdog(const ovproc::ChildInfo& child, int seconds, bool& fired) : m_child(child), m_fired(fired) {
    if (seconds > 0) m_thread = std::thread([this, seconds] { Watch(seconds); });
  }
  ~Watchdog() {
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      m_done = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable()) m_thread.join();
  }

 private:
  void Watch(int seconds) {
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_wake.wait_for(lock, std::chrono::seconds(seconds), [this] { return m_done; })) {
      m_fired = true;
      ovproc::TerminateChild(m_child);
    }
  }

  ovproc::ChildInfo m_child;
  bool& m_fired;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  bool m_done = false;
  std::thread m_thread;
};

}  // namespace

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& workingDirectory, int timeoutSeconds) {
  ProgramResult result;
  std::string commandLine = Quoted(program);
  std::vector<const char*> argv{program.c_str()};
  for (const std::string& argument : arguments) {
    commandLine += " " + Quoted(argument);
    argv.push_back(argument.c_str());
  }
  argv.push_back(nullptr);

  uint32_t error = 0;
  ovproc::Handle outRead, outWrite, errRead, errWrite;
  if (!ovproc::CreateChildPipe(outRead, outWrite, 0, error)) return result;
  if (!ovproc::CreateChildPipe(errRead, errWrite, 0, error)) {
    ovproc::ClosePipeEnd(outRead);
    ovproc::ClosePipeEnd(outWrite);
    return result;
  }
  ovproc::MakeNotInheritable(outRead, error);
  ovproc::MakeNotInheritable(errRead, error);
  ovproc::ChildStart start{program.c_str(), commandLine.c_str(), argv.data(),
                           workingDirectory.empty() ? nullptr : workingDirectory.c_str()};
  ovproc::ChildInfo info;
  if (ovproc::StartChild(start, outWrite, errWrite, info, error)) {
    // Windows keeps the parent's write ends open: they must be closed for the reads to end.
    ovproc::ClosePipeEnd(outWrite);
    ovproc::ClosePipeEnd(errWrite);
    outWrite = errWrite = ovproc::kInvalidHandle;
    ovproc::ChildOutput output;
    uint32_t exitCode = 0;
    bool waited;
    {
      Watchdog watchdog(info, timeoutSeconds, result.timedOut);
      waited = ovproc::WaitForChild(info, outRead, errRead, SIZE_MAX, output, exitCode, error);
    }
    if (waited) {
      result.started = true;
      result.exitCode = static_cast<int>(exitCode);
      result.out = output.out;
      result.err = output.err;
    }
    ovproc::ReleaseChild(info);
  }
  for (ovproc::Handle handle : {outRead, outWrite, errRead, errWrite}) ovproc::ClosePipeEnd(handle);
  return result;
}

std::string BuiltProgramPath(const std::string& relativeToBuildDir) {
  std::string path = std::string(OV_TEST_BINARY_DIR) + "/" + relativeToBuildDir + ovhost::kExecutableSuffix;
  if (ovhost::kIsWindows) {
    for (char& c : path)
      if (c == '/') c = '\\';
  }
  return path;
}

int ExpectedExitCode(int mainStatus) {
  // A Windows parent sees the whole value; a POSIX parent only the low byte.
  return ovhost::kIsWindows ? mainStatus : (mainStatus & 0xFF);
}

std::string WithoutCarriageReturns(const std::string& text) {
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      size_t end = text.find_first_not_of('\r', i);
      if (end != std::string::npos && text[end] == '\n') {
        i = end - 1;
        continue;
      }
    }
    result += text[i];
  }
  return result;
}
