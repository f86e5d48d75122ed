#include "core/ovprocess.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/ovcommandlinesplit.h"
#include "support/fake_tool_log.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace {

using Str = TOvString<char>;
using Args = std::vector<std::string>;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

void* const kInvalidWaitHandle = reinterpret_cast<void*>(static_cast<intptr_t>(-1));

std::string Pattern(char first, size_t size) {
  std::string text(size, '\0');
  for (size_t i = 0; i < size; ++i) text[i] = static_cast<char>(first + i % 26);
  return text;
}

std::string StartLine(const std::string& program, const std::string& arguments) {
  return "RunProcessAsync(" + program + ", " + arguments + ")\n";
}

std::string Report(const std::string& program, const std::string& arguments, const std::string& message) {
  return "Command: \"" + program + "\" " + arguments + "\nError:\n" + message;
}

// What a run whose child exited with code prints: the start line, then the report.
std::string ExitOutput(const std::string& program, const std::string& arguments, const std::string& message,
                       int code) {
  return StartLine(program, arguments) + Report(program, arguments, message) +
         "\nReturn code = " + std::to_string(code) + "\n\n";
}

class OvProcessTest : public testing::Test {
 protected:
  void SetUp() override {
    COvProcess::ClearErrors();
    COvProcess::FailNextStartForTesting(COvProcess::Idle, 0);
  }
  void TearDown() override { COvProcess::ClearErrors(); }

  std::vector<FakeToolRun> Runs() const { return ReadFakeToolLog(logPath); }
  // RunProcess, or RunProcessRetrieveOutput, with standard output captured into printed.
  bool Run(const std::string& program, const std::string& arguments, bool retrieve = false) {
    CaptureStdout();
    bool result = retrieve
                      ? process.RunProcessRetrieveOutput(program.c_str(), arguments.c_str(), outText, errText)
                      : process.RunProcess(program.c_str(), arguments.c_str());
    printed = GetCapturedStdout();
    return result;
  }

  const std::string tool = FakeToolPath();
  TempDir dir;
  const std::string logPath = dir.Join("tool.log");
  ScopedEnv log{"OV_FAKE_TOOL_LOG", logPath};
  ScopedEnv cleared[5] = {{"OV_FAKE_TOOL_STDOUT", nullptr},
                          {"OV_FAKE_TOOL_STDERR", nullptr},
                          {"OV_FAKE_TOOL_STDOUT_BYTES", nullptr},
                          {"OV_FAKE_TOOL_STDERR_BYTES", nullptr},
                          {"OV_FAKE_TOOL_EXIT", nullptr}};
  COvProcess process;
  Str outText, errText;
  std::string printed;
};

}  // namespace

// The arguments reach the child split by OvSplitCommandLine's rules, with no shell involved.
TEST_F(OvProcessTest, SuccessfulChildGetsItsArgumentsWithoutAShellAndGivesBothOutputsWithoutReport) {
  ScopedEnv out("OV_FAKE_TOOL_STDOUT", "to out");
  ScopedEnv err("OV_FAKE_TOOL_STDERR", "warning on err");
  const std::string arguments =
      "semi;colon \"pipe | amp & sub $(touch pwned) tick `touch pwned2`\" star* \"say \\\"hi\\\"\" "
      "dollar$HOME 'single' back\\slash \"two\"\"quotes\" redirect>out.txt";
  process.SetWorkingDirectory(dir.Path().c_str());
  EXPECT_TRUE(Run(tool, arguments, true));
  // The packager's pattern: the child was already waited for.
  EXPECT_FALSE(process.WaitForCompletion());
  EXPECT_EQ(StartLine(tool, arguments), printed);
  EXPECT_EQ("to out|warning on err", std::string(outText.GetBuffer()) + "|" + errText.GetBuffer());
  EXPECT_FALSE(COvProcess::CheckForErrors());
  EXPECT_EQ(COvProcess::Idle, process.GetStatus());
  EXPECT_EQ(kInvalidWaitHandle, process.GetWaitHandle());
  std::vector<FakeToolRun> runs = Runs();
  ASSERT_EQ(1u, runs.size());
  EXPECT_EQ((Args{tool, "semi;colon", "pipe | amp & sub $(touch pwned) tick `touch pwned2`", "star*",
                  "say \"hi\"", "dollar$HOME", "'single'", "back\\slash", "two\"quotes", "redirect>out.txt"}),
            runs[0].args);
  EXPECT_TRUE(std::filesystem::equivalent(dir.Path(), runs[0].cwd));
  for (const char* made : {"pwned", "pwned2", "out.txt"}) EXPECT_FALSE(FileExists(dir.Join(made))) << made;
}

TEST_F(OvProcessTest, HugeOutputsOnBothStreamsNeitherBlockNorTruncate) {
  const size_t size = size_t(64) << 20;  // far more than the 4 MiB pipes hold
  ScopedEnv outBytes("OV_FAKE_TOOL_STDOUT_BYTES", std::to_string(size));
  ScopedEnv errBytes("OV_FAKE_TOOL_STDERR_BYTES", std::to_string(size));
  ScopedEnv exitCode("OV_FAKE_TOOL_EXIT", "3");
  EXPECT_FALSE(Run(tool, "big", true));
  EXPECT_TRUE(Pattern('a', size) == outText.GetBuffer());
  EXPECT_TRUE(Pattern('A', size) == errText.GetBuffer());
  // The report quotes the whole error output and names the exit code.
  EXPECT_TRUE(ExitOutput(tool, "big", Pattern('A', size), 3) == printed);
}

// Each start failure has its state, message and error code, and the error state ignores starts
// until reset. ENOENT and ERROR_FILE_NOT_FOUND are both 2.
TEST_F(OvProcessTest, StartFailuresReportAndIgnoreStartsUntilReset) {
  struct Row {
    COvProcess::EStatus failure;
    const char* message;
    uint32_t error;
  };
  const Row rows[] = {{COvProcess::ProcessCreationFailed, "Failed to create process", 2},
                      {COvProcess::PipeCreationFailed, "Failed to create pipe", 24},
                      {COvProcess::HandleInformationFailed, "Failed to set handle information", 24}};
  const std::string missing = dir.Join("no_such_tool");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.message);
    COvProcess::ClearErrors();
    bool real = row.failure == COvProcess::ProcessCreationFailed;
    if (!real) COvProcess::FailNextStartForTesting(row.failure, row.error);
    const std::string& program = real ? missing : tool;
    EXPECT_FALSE(Run(program, "x y"));
    EXPECT_EQ(StartLine(program, "x y") + Report(program, "x y", row.message) + "\n" +
                  ovproc::SystemErrorText(row.error) + "Errno = " + std::to_string(row.error),
              printed);
    EXPECT_EQ(row.error, process.GetLastErrorCode());
    EXPECT_TRUE(COvProcess::CheckForErrors());
    EXPECT_FALSE(Run(tool, "ignored"));
    EXPECT_EQ("", printed);
    EXPECT_EQ(row.failure, process.GetStatus());
    EXPECT_TRUE(Runs().empty());
    process.ResetAfterError();
    EXPECT_TRUE(COvProcess::Idle == process.GetStatus() && process.GetLastErrorCode() == 0u);
  }
#ifndef _WIN32
  EXPECT_EQ(std::string(std::strerror(2)) + "\n", ovproc::SystemErrorText(2));
#endif
  EXPECT_TRUE(Run(tool, "again"));
  EXPECT_EQ(1u, Runs().size());
}

// The report quotes the error output, else the standard output (cut to 1023 characters), else
// a placeholder whose text depends on the call.
TEST_F(OvProcessTest, FailingChildReportsItsOutputOrAPlaceholder) {
  struct Row {
    const char *out, *err, *errBytes, *exit;
    bool retrieve;
    std::string message;
  };
  const Row rows[] = {
      {"some output", "bad input", nullptr, "2", false, "bad input"},
      {"some output", nullptr, nullptr, "4", false, "some output"},
      {nullptr, nullptr, nullptr, "5", false, "Unknown"},
      {nullptr, nullptr, nullptr, "5", true,
       "Unknown Error (program execution failed and no output to err/out was provided)"},
      {nullptr, nullptr, "5000", "1", false, Pattern('A', 1023)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.message.substr(0, 20));
    ScopedEnv out("OV_FAKE_TOOL_STDOUT", row.out);
    ScopedEnv err("OV_FAKE_TOOL_STDERR", row.err);
    ScopedEnv errBytes("OV_FAKE_TOOL_STDERR_BYTES", row.errBytes);
    ScopedEnv exitCode("OV_FAKE_TOOL_EXIT", row.exit);
    outText = errText = "stale";
    EXPECT_FALSE(Run(tool, "fail", row.retrieve));
    EXPECT_EQ(ExitOutput(tool, "fail", row.message, std::stoi(row.exit)), printed);
    EXPECT_TRUE(COvProcess::CheckForErrors());
    EXPECT_TRUE(!row.retrieve || (outText.IsEmpty() && errText.IsEmpty()));
  }
}

// Empty arguments start nothing and are no error; neither is a second start while one runs.
TEST_F(OvProcessTest, EmptyArgumentsAndASecondStartWhileRunningStartNothing) {
  EXPECT_FALSE(Run(tool, ""));
  EXPECT_EQ(StartLine(tool, ""), printed);
  EXPECT_EQ(COvProcess::Idle, process.GetStatus());
  EXPECT_FALSE(COvProcess::CheckForErrors() || FileExists(logPath));
  CaptureStdout();
  process.RunProcessAsync(tool.c_str(), "first");
  EXPECT_EQ(COvProcess::Running, process.GetStatus());
  EXPECT_NE(kInvalidWaitHandle, process.GetWaitHandle());
  process.RunProcessAsync(tool.c_str(), "second");
  EXPECT_TRUE(process.WaitForCompletion());
  EXPECT_EQ(StartLine(tool, "first"), GetCapturedStdout());
  ASSERT_EQ(1u, Runs().size());
  EXPECT_EQ((Args{tool, "first"}), Runs()[0].args);
}

TEST_F(OvProcessTest, SecretIsNeverPrintedButReachesTheChild) {
  ScopedEnv err("OV_FAKE_TOOL_STDERR", "Login failure for hunter2");
  ScopedEnv exitCode("OV_FAKE_TOOL_EXIT", "5");
  process.SetSecret("hunter2");
  const std::string shown = "+login bob ******** +quit";
  EXPECT_FALSE(Run(tool, "+login bob hunter2 +quit", true));
  EXPECT_EQ(ExitOutput(tool, shown, "Login failure for ********", 5), printed);
  ASSERT_EQ(1u, Runs().size());
  EXPECT_EQ((Args{tool, "+login", "bob", "hunter2", "+quit"}), Runs()[0].args);
  // The captured output is the caller's to mask when it echoes it.
  EXPECT_STREQ("Login failure for hunter2", errText.GetBuffer());
  EXPECT_STREQ("Login failure for ********", COvProcess::MaskSecret(errText, "hunter2").GetBuffer());
  EXPECT_STREQ("as is", COvProcess::MaskSecret("as is", "").GetBuffer());
}
