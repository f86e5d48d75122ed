// RunProgram: runs a program of the build (the packager, a fake tool) with arguments and
// returns its exit status and everything it wrote, for end-to-end tests.
#pragma once

#include <string>
#include <vector>

struct ProgramResult {
  bool started = false;
  // The run outlasted its time limit and was ended.
  bool timedOut = false;
  // As the parent sees it: on POSIX the low eight bits (main's -1 is 255).
  int exitCode = -1;
  std::string out;
  std::string err;
};

// workingDirectory empty: the test's own current directory. With a positive timeoutSeconds a
// program still running after that long is ended, and timedOut is set.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& workingDirectory = std::string(), int timeoutSeconds = 0);

// The path of an executable built into the build tree (OvGamePackager, ov_fake_tool, ...),
// with the host's executable suffix.
std::string BuiltProgramPath(const std::string& relativeToBuildDir);

// The exit status a parent sees for a status returned by main.
int ExpectedExitCode(int mainStatus);

// Text-mode output has CR LF on Windows, and a tool's captured output echoed in text mode has
// CR CR LF: this gives the text with every such line end as LF.
std::string WithoutCarriageReturns(const std::string& text);
