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
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

void* const kInvalidWaitHandle = reinterpret_cast<void*>(static_cast<intptr_t>(-1));

// Far more than the 4 MiB pipes hold.
constexpr size_t kHugeOutput = size_t(64) << 20;

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

std::string ExitReport(const std::string& program, const std::string& arguments, const std::string& message,
                       int code) {
  return Report(program, arguments, message) + "\nReturn code = " + std::to_string(code) + "\n\n";
}

std::string StartFailureReport(const std::string& program, const std::string& arguments, const char* failure,
                               uint32_t error) {
  return Report(program, arguments, failure) + "\n" + ovproc::SystemErrorText(error) +
         "Errno = " + std::to_string(error);
}

class OvProcessTest : public testing::Test {
 protected:
  void SetUp() override {
    COvProcess::ClearErrors();
    COvProcess::FailNextStartForTesting(COvProcess::Idle, 0);
  }
  void TearDown() override { COvProcess::ClearErrors(); }

  std::vector<FakeToolRun> Runs() const { return ReadFakeToolLog(logPath); }

  const std::string tool = FakeToolPath();
  TempDir dir;
  const std::string logPath = dir.Join("tool.log");
  ScopedEnv log{"OV_FAKE_TOOL_LOG", logPath};
  ScopedEnv noOut{"OV_FAKE_TOOL_STDOUT", nullptr};
  ScopedEnv noErr{"OV_FAKE_TOOL_STDERR", nullptr};
  ScopedEnv noOutBytes{"OV_FAKE_TOOL_STDOUT_BYTES", nullptr};
  ScopedEnv noErrBytes{"OV_FAKE_TOOL_STDERR_BYTES", nullptr};
  ScopedEnv noExit{"OV_FAKE_TOOL_EXIT", nullptr};
  COvProcess process;
};

}  // namespace

TEST_F(OvProcessTest, SuccessfulChildReturnsBothOutputsWithoutReport) {
  ScopedEnv out("OV_FAKE_TOOL_STDOUT", "to out");
  ScopedEnv err("OV_FAKE_TOOL_STDERR", "warning on err");
  Str outText, errText;
  CaptureStdout();
  EXPECT_TRUE(process.RunProcessRetrieveOutput(tool.c_str(), "one two", outText, errText));
  // The packager's pattern: the child was already waited for.
  EXPECT_FALSE(process.WaitForCompletion());
  EXPECT_EQ(StartLine(tool, "one two"), GetCapturedStdout());
  EXPECT_STREQ("to out", outText.GetBuffer());
  EXPECT_STREQ("warning on err", errText.GetBuffer());
  EXPECT_FALSE(COvProcess::CheckForErrors());
  EXPECT_EQ(COvProcess::Idle, process.GetStatus());
  EXPECT_EQ(kInvalidWaitHandle, process.GetWaitHandle());

  std::vector<FakeToolRun> runs = Runs();
  ASSERT_EQ(1u, runs.size());
  EXPECT_EQ((std::vector<std::string>{tool, "one", "two"}), runs[0].args);
}

TEST_F(OvProcessTest, HugeOutputsOnBothStreamsNeitherBlockNorTruncate) {
  const size_t size = kHugeOutput;
  ScopedEnv outBytes("OV_FAKE_TOOL_STDOUT_BYTES", std::to_string(size));
  ScopedEnv errBytes("OV_FAKE_TOOL_STDERR_BYTES", std::to_string(size));
  ScopedEnv exitCode("OV_FAKE_TOOL_EXIT", "3");
  Str outText, errText;
  CaptureStdout();
  EXPECT_FALSE(process.RunProcessRetrieveOutput(tool.c_str(), "big", outText, errText));
  std::string printed = GetCapturedStdout();

  ASSERT_EQ(size, static_cast<size_t>(outText.GetLength()));
  ASSERT_EQ(size, static_cast<size_t>(errText.GetLength()));
  EXPECT_TRUE(Pattern('a', size) == outText.GetBuffer());
  EXPECT_TRUE(Pattern('A', size) == errText.GetBuffer());
  // The report quotes the whole error output and names the exit code.
  EXPECT_TRUE(StartLine(tool, "big") + ExitReport(tool, "big", Pattern('A', size), 3) == printed);
}

TEST_F(OvProcessTest, MissingProgramFailsToStartWithTheSystemText) {
  const std::string missing = dir.Join("no_such_tool");
  CaptureStdout();
  EXPECT_FALSE(process.RunProcess(missing.c_str(), "a b"));
  std::string printed = GetCapturedStdout();

  // ENOENT and ERROR_FILE_NOT_FOUND are both 2.
  EXPECT_EQ(COvProcess::ProcessCreationFailed, process.GetStatus());
  EXPECT_EQ(2u, process.GetLastErrorCode());
  EXPECT_TRUE(COvProcess::CheckForErrors());
#ifndef _WIN32
  EXPECT_EQ(std::string(std::strerror(2)) + "\n", ovproc::SystemErrorText(2));
#endif
  EXPECT_EQ(StartLine(missing, "a b") + StartFailureReport(missing, "a b", "Failed to create process", 2), printed);
}

TEST_F(OvProcessTest, ErrorStateIgnoresStartsUntilReset) {
  const std::string missing = dir.Join("no_such_tool");
  testing::internal::CaptureStdout();
  process.RunProcessAsync(missing.c_str(), "x");
  GetCapturedStdout();
  ASSERT_EQ(COvProcess::ProcessCreationFailed, process.GetStatus());

  CaptureStdout();
  EXPECT_FALSE(process.RunProcess(tool.c_str(), "ignored"));
  EXPECT_EQ("", GetCapturedStdout());
  EXPECT_EQ(COvProcess::ProcessCreationFailed, process.GetStatus());
  EXPECT_TRUE(Runs().empty());

  process.ResetAfterError();
  EXPECT_EQ(COvProcess::Idle, process.GetStatus());
  EXPECT_EQ(0u, process.GetLastErrorCode());
  CaptureStdout();
  EXPECT_TRUE(process.RunProcess(tool.c_str(), "again"));
  GetCapturedStdout();
  EXPECT_EQ(1u, Runs().size());
}

TEST_F(OvProcessTest, PipeAndHandleFailuresHaveTheirOwnStates) {
  struct Row {
    COvProcess::EStatus failure;
    const char* message;
  };
  const Row rows[] = {
      {COvProcess::PipeCreationFailed, "Failed to create pipe"},
      {COvProcess::HandleInformationFailed, "Failed to set handle information"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.message);
    COvProcess::ClearErrors();
    COvProcess::FailNextStartForTesting(row.failure, 24);
    CaptureStdout();
    EXPECT_FALSE(process.RunProcess(tool.c_str(), "x y"));
    EXPECT_EQ(StartLine(tool, "x y") + StartFailureReport(tool, "x y", row.message, 24), GetCapturedStdout());
    EXPECT_EQ(row.failure, process.GetStatus());
    EXPECT_EQ(24u, process.GetLastErrorCode());
    EXPECT_TRUE(COvProcess::CheckForErrors());
    process.ResetAfterError();
    EXPECT_EQ(COvProcess::Idle, process.GetStatus());
  }
  EXPECT_TRUE(Runs().empty());
}

TEST_F(OvProcessTest, ArgumentsReachTheChildWithoutAShell) {
  const std::string arguments =
      "semi;colon \"pipe | amp & sub $(touch pwned) tick `touch pwned2`\" star* \"say \\\"hi\\\"\" "
      "dollar$HOME 'single' back\\slash \"two\"\"quotes\" redirect>out.txt";
  const std::vector<std::string> expected = {
      "semi;colon", "pipe | amp & sub $(touch pwned) tick `touch pwned2`", "star*", "say \"hi\"", "dollar$HOME",
      "'single'",   "back\\slash", "two\"quotes", "redirect>out.txt"};
  process.SetWorkingDirectory(dir.Path().c_str());
  CaptureStdout();
  EXPECT_TRUE(process.RunProcess(tool.c_str(), arguments.c_str()));
  GetCapturedStdout();

  std::vector<FakeToolRun> runs = Runs();
  ASSERT_EQ(1u, runs.size());
  std::vector<std::string> argv = {tool};
  argv.insert(argv.end(), expected.begin(), expected.end());
  EXPECT_EQ(argv, runs[0].args);

  EXPECT_TRUE(std::filesystem::equivalent(dir.Path(), runs[0].cwd));
  EXPECT_FALSE(FileExists(dir.Join("pwned")));
  EXPECT_FALSE(FileExists(dir.Join("pwned2")));
  EXPECT_FALSE(FileExists(dir.Join("out.txt")));
}

TEST_F(OvProcessTest, FailingChildReportsItsErrorOutputFirst) {
  ScopedEnv out("OV_FAKE_TOOL_STDOUT", "some output");
  ScopedEnv err("OV_FAKE_TOOL_STDERR", "bad input");
  ScopedEnv exitCode("OV_FAKE_TOOL_EXIT", "2");
  CaptureStdout();
  EXPECT_FALSE(process.RunProcess(tool.c_str(), "fail"));
  EXPECT_EQ(StartLine(tool, "fail") + "Command: \"" + tool + "\" fail\nError:\nbad input\nReturn code = 2\n\n",
            GetCapturedStdout());
  EXPECT_TRUE(COvProcess::CheckForErrors());
}

TEST_F(OvProcessTest, FailingChildWithOnlyStandardOutputReportsIt) {
  ScopedEnv out("OV_FAKE_TOOL_STDOUT", "some output");
  ScopedEnv exitCode("OV_FAKE_TOOL_EXIT", "4");
  CaptureStdout();
  EXPECT_FALSE(process.RunProcess(tool.c_str(), "fail"));
  EXPECT_EQ(StartLine(tool, "fail") + ExitReport(tool, "fail", "some output", 4), GetCapturedStdout());
}

TEST_F(OvProcessTest, FailingChildWithoutOutputReportsUnknown) {
  ScopedEnv exitCode("OV_FAKE_TOOL_EXIT", "5");
  CaptureStdout();
  EXPECT_FALSE(process.RunProcess(tool.c_str(), "quiet"));
  EXPECT_EQ(StartLine(tool, "quiet") + ExitReport(tool, "quiet", "Unknown", 5), GetCapturedStdout());

  Str outText("stale"), errText("stale");
  CaptureStdout();
  EXPECT_FALSE(process.RunProcessRetrieveOutput(tool.c_str(), "quiet", outText, errText));
  EXPECT_EQ(StartLine(tool, "quiet") +
                ExitReport(tool, "quiet",
                           "Unknown Error (program execution failed and no output to err/out was provided)", 5),
            GetCapturedStdout());
  EXPECT_TRUE(outText.IsEmpty());
  EXPECT_TRUE(errText.IsEmpty());
}

TEST_F(OvProcessTest, PlainWaitCutsTheMessageTo1023Characters) {
  ScopedEnv errBytes("OV_FAKE_TOOL_STDERR_BYTES", "5000");
  ScopedEnv exitCode("OV_FAKE_TOOL_EXIT", "1");
  CaptureStdout();
  EXPECT_FALSE(process.RunProcess(tool.c_str(), "long"));
  EXPECT_EQ(StartLine(tool, "long") + ExitReport(tool, "long", Pattern('A', 1023), 1), GetCapturedStdout());
}

TEST_F(OvProcessTest, EmptyArgumentsStartNothing) {
  CaptureStdout();
  EXPECT_FALSE(process.RunProcess(tool.c_str(), ""));
  EXPECT_EQ(StartLine(tool, ""), GetCapturedStdout());
  EXPECT_EQ(COvProcess::Idle, process.GetStatus());
  EXPECT_FALSE(COvProcess::CheckForErrors());
  EXPECT_FALSE(FileExists(logPath));

  CaptureStdout();
  EXPECT_TRUE(process.RunProcess(tool.c_str(), "now"));
  GetCapturedStdout();
  EXPECT_EQ(1u, Runs().size());
}

TEST_F(OvProcessTest, SecondStartWhileRunningIsIgnored) {
  CaptureStdout();
  process.RunProcessAsync(tool.c_str(), "first");
  EXPECT_EQ(COvProcess::Running, process.GetStatus());
  EXPECT_NE(kInvalidWaitHandle, process.GetWaitHandle());
  process.RunProcessAsync(tool.c_str(), "second");
  EXPECT_TRUE(process.WaitForCompletion());
  EXPECT_EQ(StartLine(tool, "first"), GetCapturedStdout());

  std::vector<FakeToolRun> runs = Runs();
  ASSERT_EQ(1u, runs.size());
  EXPECT_EQ((std::vector<std::string>{tool, "first"}), runs[0].args);
}

TEST_F(OvProcessTest, SecretIsNeverPrintedButReachesTheChild) {
  ScopedEnv err("OV_FAKE_TOOL_STDERR", "Login failure for hunter2");
  ScopedEnv exitCode("OV_FAKE_TOOL_EXIT", "5");
  process.SetSecret("hunter2");
  const std::string arguments = "+login bob hunter2 +quit";
  const std::string shown = "+login bob ******** +quit";
  Str outText, errText;
  CaptureStdout();
  EXPECT_FALSE(process.RunProcessRetrieveOutput(tool.c_str(), arguments.c_str(), outText, errText));
  std::string printed = GetCapturedStdout();

  EXPECT_EQ(StartLine(tool, shown) + ExitReport(tool, shown, "Login failure for ********", 5), printed);
  EXPECT_EQ(std::string::npos, printed.find("hunter2"));
  std::vector<FakeToolRun> runs = Runs();
  ASSERT_EQ(1u, runs.size());
  EXPECT_EQ((std::vector<std::string>{tool, "+login", "bob", "hunter2", "+quit"}), runs[0].args);
  // The captured output is the caller's to mask when it echoes it.
  EXPECT_STREQ("Login failure for hunter2", errText.GetBuffer());
  EXPECT_STREQ("Login failure for ********", COvProcess::MaskSecret(errText, "hunter2").GetBuffer());
  EXPECT_STREQ("as is", COvProcess::MaskSecret("as is", "").GetBuffer());
}

TEST_F(OvProcessTest, ToolInstalledUnderAnotherNameTakesItsOwnSettings) {
  const std::string steamcmd = dir.Join(std::string("steamcmd") + ovhost::kExecutableSuffix);
  std::filesystem::copy_file(tool, steamcmd);
  ScopedEnv exitCode("OV_FAKE_TOOL_EXIT", "1");
  ScopedEnv ownExitCode("OV_FAKE_TOOL_EXIT_steamcmd", "0");
  ScopedEnv ownOut("OV_FAKE_TOOL_STDOUT_steamcmd", "uploaded");
  Str outText, errText;
  CaptureStdout();
  EXPECT_TRUE(process.RunProcessRetrieveOutput(steamcmd.c_str(), "+quit", outText, errText));
  EXPECT_FALSE(process.RunProcess(tool.c_str(), "+quit"));
  GetCapturedStdout();
  EXPECT_STREQ("uploaded", outText.GetBuffer());
  std::vector<FakeToolRun> runs = Runs();
  ASSERT_EQ(2u, runs.size());
  EXPECT_EQ(steamcmd, runs[0].args[0]);
}
