// COvPackagerWindows end to end: the icon conversion's command line, the resource script and
// header, the icon warnings, and (Linux) the real ImageMagick icon accepted by a Windows
// resource compiler.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/ovfindprogram.h"
#include "packager/packager_fixture.h"

namespace fs = std::filesystem;
using namespace packagertest;

namespace {

// The option words of the icon conversion, between the source image and the icon file.
// clang-format off
const std::vector<std::string> kIconOptions = {
    "-background", "transparent",
    "(", "-clone", "0", "-resize", "16x16", "-extent", "16x16", ")",
    "(", "-clone", "0", "-resize", "32x32", "-extent", "32x32", ")",
    "(", "-clone", "0", "-resize", "48x48", "-extent", "48x48", ")",
    "(", "-clone", "0", "-resize", "64x64", "-extent", "64x64", ")",
    "-delete", "0", "-alpha", "off", "-colors", "256"};
// clang-format on

using WindowsPackager = WindowsGameTest;

TEST_F(WindowsPackager, ConfigureWritesTheResourceFilesAndRunsConvert) {
  sandbox.InstallFakeTool("tools/convert");
  ProgramResult result = Run("--configure");
  ExpectOutcome(result, 0, "");
  std::vector<FakeToolRun> runs = sandbox.ToolRuns();
  ASSERT_EQ(1u, runs.size());
  // The tool directory ends with a separator and the program name is joined with another.
  const std::string program = sandbox.ToolDir() + kSep + kSep + "convert" + ovhost::kExecutableSuffix;
  std::vector<std::string> expected{program, sandbox.GameDir() + kSep + "icons/game.png"};
  expected.insert(expected.end(), kIconOptions.begin(), kIconOptions.end());
  expected.push_back(TemporaryIco());
  EXPECT_EQ(expected, runs[0].args);
  EXPECT_EQ(64u, ReadFileBytes(rsc + "game.ico").size());
  EXPECT_FALSE(fs::exists(TemporaryIco()));
  EXPECT_TRUE(Contains(WithoutCarriageReturns(result.out), "RunProcessAsync(" + program + ", "));
  // Text mode: CR LF line ends on Windows, LF elsewhere.
  EXPECT_EQ(TextModeBytes(kResourceHeader), ReadFileBytes(rsc + "res.h"));
  EXPECT_EQ(TextModeBytes(ResourceScript(sandbox)), ReadFileBytes(rsc + "game.rc"));
}

TEST_F(WindowsPackager, ConfigureWithoutAnIconOnlyCreatesTheResourceDirectory) {
  // An icon setting naming a directory has no file name, as a missing one.
  sandbox.InstallFakeTool("tools/convert");
  WriteProject(GeneralSettings("icons/"));
  ExpectOutcome(Run("--configure"), 0, "Warning : No icon !\n");
  EXPECT_TRUE(fs::is_directory(rsc) && fs::is_empty(rsc));
  EXPECT_TRUE(sandbox.ToolRuns().empty());
}

TEST_F(WindowsPackager, IconPathWithBlanksReachesConvertAsTwoWords) {
  sandbox.InstallFakeTool("tools/convert");
  WriteProject(GeneralSettings("my icons/game.png"));
  // ImageMagick fails on the two halves of the path; the fake tool is told to.
  ScopedEnv failing("OV_FAKE_TOOL_EXIT_convert", "1");
  ExpectOutcome(Run("--configure"), -5, kCantCreateIco);
  std::vector<FakeToolRun> runs = sandbox.ToolRuns();
  ASSERT_EQ(1u, runs.size());
  ASSERT_EQ(4 + kIconOptions.size(), runs[0].args.size());
  EXPECT_EQ((std::vector<std::string>{sandbox.GameDir() + kSep + "my", "icons/game.png"}),
            std::vector<std::string>(runs[0].args.begin() + 1, runs[0].args.begin() + 3));
  EXPECT_EQ(TemporaryIco(), runs[0].args.back());
  // What a failed conversion leaves behind is checked in fault_injection_test.cpp.
}

// The Windows leg runs under Wine without ImageMagick or a resource compiler: the real icon and
// the resource script are checked on the Linux leg only.
#ifndef _WIN32
TEST_F(WindowsPackager, RealConvertMakesAFourSizeIconThatWindresAccepts) {
  if (OvFindProgramOnPath("convert").IsEmpty()) GTEST_SKIP() << "ImageMagick's convert is not on the PATH";
  // No convert in the tool directory: the one on the PATH is used.
  fs::copy_file(std::string(OV_TEST_SOURCE_DIR) + "/examples/demo/icons/game.png",
                sandbox.Path("game/icons/game.png"), fs::copy_options::overwrite_existing);
  ExpectOutcome(Run("--configure"), 0, "");
  // The image directory of an .ico file: reserved 0, type 1, the count, then 16-byte entries
  // whose first two bytes are the width and height.
  const std::string ico = ReadFileBytes(rsc + "game.ico");
  ASSERT_GE(ico.size(), 6u + 4 * 16);
  EXPECT_EQ(std::string("\0\0\1\0\4\0", 6), ico.substr(0, 6));
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(std::string(2, static_cast<char>(16 * (i + 1))), ico.substr(6 + 16 * i, 2)) << i;
  }
  TOvString<char> windres = OvFindProgramOnPath("x86_64-w64-mingw32-windres");
  if (windres.IsEmpty()) {
    GTEST_SKIP() << "x86_64-w64-mingw32-windres is not installed (Debian package binutils-mingw-w64-x86-64)";
  }
  ProgramResult compiled =
      RunProgram(windres.GetBuffer(), {"-i", "game.rc", "-O", "coff", "-o", "game.res.o"}, rsc);
  ASSERT_TRUE(compiled.started);
  EXPECT_EQ(0, compiled.exitCode) << compiled.err;
  EXPECT_GT(ReadFileBytes(rsc + "game.res.o").size(), 1000u);
}
#endif

}  // namespace
