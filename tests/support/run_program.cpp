#include "support/run_program.h"

#include <cstdint>

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

}  // namespace

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& workingDirectory) {
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
    if (ovproc::WaitForChild(info, outRead, errRead, SIZE_MAX, output, exitCode, error)) {
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
