// COvProcess on top of the child-process service (core/platform/process.h).
#include "core/ovprocess.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/ovarray.h"
#include "core/ovcommandlinesplit.h"

bool COvProcess::s_bProcessErrorOccured = false;

namespace {

constexpr uint32_t kPipeBufferSize = 0x400000;
// WaitForCompletion reads at most this much of a failing child's output for its message.
constexpr size_t kMessageBytes = 1024;
const char* const kUnknownMessage = "Unknown";
const char* const kNoOutputMessage = "Unknown Error (program execution failed and no output to err/out was provided)";
const char* const kMask = "********";

COvProcess::EStatus s_failNextStart = COvProcess::Idle;
uint32_t s_failNextStartError = 0;

// Consumes the pending test failure when it is for this step.
bool TakeInjectedFailure(COvProcess::EStatus step, uint32_t& error) {
  if (s_failNextStart != step) return false;
  s_failNextStart = COvProcess::Idle;
  error = s_failNextStartError;
  return true;
}

TOvString<char> ToText(const std::string& bytes) {
  TOvString<char> text;
  int length = bytes.size() < static_cast<size_t>(INT_MAX) ? static_cast<int>(bytes.size()) : INT_MAX - 1;
  if (length == 0) return text;
  text.Resize(length);
  std::memcpy(text.GetRawBuffer(), bytes.data(), static_cast<size_t>(length));
  return text;
}

void Mask(std::string& text, const char* secret) {
  size_t length = std::strlen(secret);
  if (length == 0) return;
  for (size_t found = text.find(secret); found != std::string::npos; found = text.find(secret, found + std::strlen(kMask)))
    text.replace(found, length, kMask);
}

void MaskAll(std::string& text, const TOvString<char>& secret, const COvArray<TOvString<char>>& more) {
  Mask(text, secret.GetBuffer());
  for (int i = 0; i < more.GetCount(); ++i) Mask(text, more[i].GetBuffer());
}

}  // namespace

COvProcess::~COvProcess() { ResetHandles(); }

void COvProcess::FailNextStartForTesting(EStatus failure, uint32_t error) {
  s_failNextStart = failure;
  s_failNextStartError = error;
}

TOvString<char> COvProcess::MaskSecret(const TOvString<char>& text, const TOvString<char>& secret) {
  if (secret.IsEmpty()) return text;
  std::string masked = text.GetBuffer();
  Mask(masked, secret.GetBuffer());
  return TOvString<char>(masked.c_str());
}

void* COvProcess::GetWaitHandle() const { return reinterpret_cast<void*>(processInfo.process); }

void COvProcess::RunProcessAsync(const TOvString<char>& program, const TOvString<char>& arguments) {
  if (status != Idle) return;
  std::string shownProgram = program.GetBuffer(), shownArguments = arguments.GetBuffer();
  MaskAll(shownProgram, m_secret, m_aMoreSecrets);
  MaskAll(shownArguments, m_secret, m_aMoreSecrets);
  printf("RunProcessAsync(%s, %s)\n", shownProgram.c_str(), shownArguments.c_str());

  // Pipes left open by an earlier call with empty arguments are not needed any more.
  ResetHandles();
  // Set before the pipes, so that every report names the command that failed.
  commandLine = TOvString<char>("\"") + program + "\" " + arguments;

  uint32_t error = 0;
  if (TakeInjectedFailure(PipeCreationFailed, error) ||
      !ovproc::CreateChildPipe(stdOutRead, stdOutWrite, kPipeBufferSize, error) ||
      !ovproc::CreateChildPipe(stdErrRead, stdErrWrite, kPipeBufferSize, error)) {
    FailStart("Failed to create pipe", error, PipeCreationFailed);
    return;
  }
  if (TakeInjectedFailure(HandleInformationFailed, error) || !ovproc::MakeNotInheritable(stdOutRead, error) ||
      !ovproc::MakeNotInheritable(stdErrRead, error)) {
    FailStart("Failed to set handle information", error, HandleInformationFailed);
    return;
  }
  if (arguments.IsEmpty()) return;

  COvArray<TOvString<char>> tokens;
  OvSplitCommandLine(arguments.GetBuffer(), tokens);
  std::vector<const char*> argv;
  argv.reserve(static_cast<size_t>(tokens.GetCount()) + 2);
  argv.push_back(program.GetBuffer());
  for (const TOvString<char>& token : tokens) argv.push_back(token.GetBuffer());
  argv.push_back(nullptr);

  ovproc::ChildStart start;
  start.program = program.GetBuffer();
  start.commandLine = commandLine.GetBuffer();
  start.argv = argv.data();
  start.workingDirectory = m_workingDirectory.GetBuffer();
  if (TakeInjectedFailure(ProcessCreationFailed, error) ||
      !ovproc::StartChild(start, stdOutWrite, stdErrWrite, processInfo, error)) {
    FailStart("Failed to create process", error, ProcessCreationFailed);
    return;
  }
  status = Running;
}

bool COvProcess::Finish(ovproc::ChildOutput& output, size_t keep, uint32_t& exitCode) {
  uint32_t error = 0;
  if (ovproc::WaitForChild(processInfo, stdOutRead, stdErrRead, keep, output, exitCode, error)) return true;
  ReportError("Failed to wait for process", error, 0);
  ResetHandles();
  status = Idle;
  return false;
}

bool COvProcess::WaitForCompletion() {
  if (status != Running) return false;
  ovproc::ChildOutput output;
  uint32_t exitCode = 0;
  if (!Finish(output, kMessageBytes, exitCode)) return false;
  if (exitCode != 0) {
    const std::string& source = output.errTotal > 0 ? output.err : output.out;
    TOvString<char> message(kUnknownMessage);
    if (output.errTotal > 0 || output.outTotal > 0) {
      size_t length = source.size() < kMessageBytes - 1 ? source.size() : kMessageBytes - 1;
      message = TOvString<char>(source.data(), static_cast<int>(length));
    }
    ReportError(message.GetBuffer(), 0, exitCode);
  }
  ResetHandles();
  status = Idle;
  return exitCode == 0;
}

bool COvProcess::WaitForCompletionRetrieveOutput(TOvString<char>& out, TOvString<char>& err) {
  out.Clear();
  err.Clear();
  if (status != Running) return false;
  ovproc::ChildOutput output;
  uint32_t exitCode = 0;
  if (!Finish(output, SIZE_MAX, exitCode)) return false;
  out = ToText(output.out);
  err = ToText(output.err);
  if (exitCode != 0) {
    const char* message = kNoOutputMessage;
    if (output.errTotal > 0)
      message = err.GetBuffer();
    else if (output.outTotal > 0)
      message = out.GetBuffer();
    ReportError(message, 0, exitCode);
  }
  ResetHandles();
  status = Idle;
  return exitCode == 0;
}

bool COvProcess::RunProcess(const TOvString<char>& program, const TOvString<char>& arguments) {
  RunProcessAsync(program, arguments);
  return WaitForCompletion();
}

bool COvProcess::RunProcessRetrieveOutput(const TOvString<char>& program, const TOvString<char>& arguments,
                                          TOvString<char>& out, TOvString<char>& err) {
  RunProcessAsync(program, arguments);
  return WaitForCompletionRetrieveOutput(out, err);
}

void COvProcess::ResetAfterError() {
  if (status == Idle || status == Running) return;
  ResetHandles();
  commandLine.Clear();
  lastError = 0;
  status = Idle;
}

void COvProcess::ResetHandles() {
  ovproc::ReleaseChild(processInfo);
  for (ovproc::Handle* handle : {&stdOutRead, &stdOutWrite, &stdErrRead, &stdErrWrite}) {
    ovproc::ClosePipeEnd(*handle);
    *handle = ovproc::kInvalidHandle;
  }
}

void COvProcess::FailStart(const char* message, uint32_t errorCode, EStatus failure) {
  ReportError(message, errorCode, 0);
  status = failure;
  lastError = errorCode;
}

void COvProcess::ReportError(const char* message, unsigned int errorCode, unsigned int exitCode) const {
  s_bProcessErrorOccured = true;
  // Built in one growing buffer: the message can be a tool's whole error output.
  std::string text = "Command: ";
  text += commandLine.GetBuffer();
  text += "\nError:\n";
  text += message;
  char number[32];
  if (errorCode != 0) {
    text += "\n";
    text += ovproc::SystemErrorText(errorCode);
    snprintf(number, sizeof(number), "%u", errorCode);
    text += "Errno = ";
    text += number;
  }
  if (exitCode != 0) {
    snprintf(number, sizeof(number), "%d", static_cast<int>(exitCode));
    text += "\nReturn code = ";
    text += number;
    text += "\n\n";
  }
  MaskAll(text, m_secret, m_aMoreSecrets);
  // The same bytes as printf("%s"): the text holds no 0. Some C runtimes format a long "%s"
  // very slowly, and the message can be a tool's whole error output.
  fwrite(text.data(), 1, text.size(), stdout);
}
