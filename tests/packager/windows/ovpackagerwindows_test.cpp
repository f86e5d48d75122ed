// COvPackagerWindows end to end: the icon conversion's command line, the resource script and
// header, the icon warnings, the content copy of --build, and (Linux) the real ImageMagick icon
// accepted by a Windows resource compiler.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <set>
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

class WindowsPackager : public ::testing::Test {
 protected:
  void SetUp() override {
    sandbox.WriteFile(
        "game/game.config",
        ConfigurationXml("game.project", BuildEntry("Release", "Windows", "Zip"), ZipDistribution()));
    WriteProject(GeneralSettings());
    sandbox.WriteFile("game/icons/game.png", "png");
    fs::create_directories(BuildDirectory(sandbox, "Windows", "Release"));
  }
  void WriteProject(const std::string& settings) {
    sandbox.WriteFile("game/game.project", ProjectXml("1.1", settings));
  }
  ProgramResult Run(const std::string& action) {
    return sandbox.Run({action, sandbox.ConfigFile(), "Release"});
  }
  // The icon that convert writes, renamed to game.ico once it succeeded.
  std::string TemporaryIco() const { return ScriptPath(sandbox, ".tmp-game.ico"); }

  PackagerSandbox sandbox;
  const std::string rsc = Rsc(sandbox);
};

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
  EXPECT_TRUE(WithoutCarriageReturns(result.out).find("RunProcessAsync(" + program + ", ") !=
              std::string::npos);
  // Text mode: CR LF line ends on Windows, LF elsewhere.
  EXPECT_EQ(TextModeBytes(kResourceHeader), ReadFileBytes(rsc + "res.h"));
  EXPECT_EQ(TextModeBytes(ResourceScript(sandbox)), ReadFileBytes(rsc + "game.rc"));
}

TEST_F(WindowsPackager, ConfigureWithoutAnIconOnlyCreatesTheResourceDirectory) {
  sandbox.InstallFakeTool("tools/convert");
  for (const char* icon : {"", "icons/"}) {
    SCOPED_TRACE(std::string("generalIcon \"") + icon + "\"");
    fs::remove_all(rsc);
    WriteProject(GeneralSettings("") + Setting("generalIcon", icon));
    ExpectOutcome(Run("--configure"), 0, "Warning : No icon !\n");
    EXPECT_TRUE(fs::is_directory(rsc) && fs::is_empty(rsc));
  }
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
  EXPECT_FALSE(fs::exists(TemporaryIco()) || fs::exists(rsc + "game.ico"));
  // The resource script is written before the conversion and stays.
  EXPECT_EQ(ResourceScript(sandbox), WithoutCarriageReturns(ReadFileBytes(rsc + "game.rc")));
}

TEST_F(WindowsPackager, BuildCopiesTheContentOfTheApiDirectory) {
  // Which files are selected, and how, is the content copy's; here only where they go.
  for (const char* name : {"BF-main.bf", "BF-string-table.bf", "Game/intro.lvl", "Resources/String/en.st"}) {
    sandbox.WriteFile(std::string("game/tmp/Windows/DX9/") + name, name);
  }
  ExpectOutcome(Run("--build"), 0, "");
  const std::string build = BuildDirectory(sandbox, "Windows", "Release");
  EXPECT_EQ((std::set<std::string>{"DX9/", "DX9/BF-main.bf", "DX9/Game/", "DX9/Game/intro.lvl",
                                   "DX9/Settings/", "DX9/Videos/", "DX9/Resources/", "DX9/Resources/String/",
                                   "DX9/Resources/String/en.st"}),
            Tree(build));
  EXPECT_EQ("Game/intro.lvl", ReadFileBytes(build + "DX9" + kSep + "Game" + kSep + "intro.lvl"));
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
