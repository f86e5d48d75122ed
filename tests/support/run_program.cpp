#include "support/run_program.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <future>
#include <thread>

#include "core/ovcommandlinesplit.h"
#include "core/platform/host.h"
#include "core/platform/process.h"

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& workingDirectory, int timeoutSeconds) {
  ProgramResult result;
  // The command line is what a Windows child reads; a POSIX child gets argv.
  std::string commandLine = OvQuoteCommandLineArgument(program.c_str()).GetBuffer();
  std::vector<const char*> argv{program.c_str()};
  for (const std::string& argument : arguments) {
    commandLine += std::string(" ") + OvQuoteCommandLineArgument(argument.c_str()).GetBuffer();
    argv.push_back(argument.c_str());
  }
  argv.push_back(nullptr);

  uint32_t error = 0;
  ovproc::Handle outRead, outWrite, errRead, errWrite;
  // A failed pipe leaves both of its ends invalid, which the closing at the end ignores.
  bool piped = ovproc::CreateChildPipe(outRead, outWrite, 0, error);
  piped = ovproc::CreateChildPipe(errRead, errWrite, 0, error) && piped;
  ovproc::ChildStart start{program.c_str(), commandLine.c_str(), argv.data(),
                           workingDirectory.empty() ? nullptr : workingDirectory.c_str()};
  ovproc::ChildInfo info;
  if (piped && ovproc::MakeNotInheritable(outRead, error) && ovproc::MakeNotInheritable(errRead, error) &&
      ovproc::StartChild(start, outWrite, errWrite, info, error)) {
    // Windows keeps the parent's write ends open: they must be closed for the reads to end.
    ovproc::ClosePipeEnd(outWrite);
    ovproc::ClosePipeEnd(errWrite);
    outWrite = errWrite = ovproc::kInvalidHandle;
    ovproc::ChildOutput output;
    uint32_t exitCode = 0;
    // With a time limit, a watchdog ends the child unless told first that it has ended.
    std::promise<void> ended;
    std::thread watchdog;
    if (timeoutSeconds > 0) {
      watchdog = std::thread([&, wait = ended.get_future()] {
        if (wait.wait_for(std::chrono::seconds(timeoutSeconds)) == std::future_status::ready) return;
        result.timedOut = true;
        ovproc::TerminateChild(info);
      });
    }
    bool waited = ovproc::WaitForChild(info, outRead, errRead, SIZE_MAX, output, exitCode, error);
    ended.set_value();
    if (watchdog.joinable()) watchdog.join();
    result.started = waited;
    result.exitCode = waited ? static_cast<int>(exitCode) : -1;
    result.out = output.out;
    result.err = output.err;
    ovproc::ReleaseChild(info);
  }
  for (ovproc::Handle handle : {outRead, outWrite, errRead, errWrite}) ovproc::ClosePipeEnd(handle);
  return result;
}

std::string BuiltProgramPath(const std::string& relativeToBuildDir) {
  std::string path = std::string(OV_TEST_BINARY_DIR) + "/" + relativeToBuildDir + ovhost::kExecutableSuffix;
  return std::filesystem::path(path).make_preferred().string();
}

int ExpectedExitCode(int mainStatus) {
  // A Windows parent sees the whole value; a POSIX parent only the low byte.
  return ovhost::kIsWindows ? mainStatus : (mainStatus & 0xFF);
}

std::string WithoutCarriageReturns(const std::string& text) {
  std::string result;
  for (char c : text) {
    while (c == '\n' && !result.empty() && result.back() == '\r') result.pop_back();
    result += c;
  }
  return result;
}
