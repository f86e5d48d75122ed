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

  std::string Rsc() const {
    return sandbox.GameDir() + kSep + "tmp" + kSep + "Windows" + kSep + "rsc" + kSep;
  }
  // The icon file as game.rc and convert name it: forward slashes only.
  std::string IcoForScript() const {
    std::string ico = Rsc() + "game.ico";
    for (char& c : ico) {
      if (c == '\\') c = '/';
    }
    return ico;
  }
  // The temporary icon that convert writes, renamed to the icon once it succeeded.
  std::string TemporaryIco() const {
    std::string ico = IcoForScript();
    return ico.insert(ico.rfind('/') + 1, ".tmp-");
  }
  std::string ExpectedScript() const {
    return "#include \"res.h\"\nGAME_ICON ICON \"" + IcoForScript() + "\"\n";
  }

  PackagerSandbox sandbox;
};

TEST_F(WindowsPackager, ConfigureWritesTheResourceFilesAndRunsConvert) {
  sandbox.InstallFakeTool("tools/convert");
  ProgramResult result = Run("--configure");
  ExpectOutcome(result, 0, "");

  std::vector<FakeToolRun> runs = sandbox.ToolRuns();
  ASSERT_EQ(1u, runs.size());
  // The tool directory ends with a separator and the program name is joined with another.
  const std::string program = sandbox.ToolDir() + kSep + kSep + "convert" + ovhost::kExecutableSuffix;
  EXPECT_EQ(program, runs[0].args[0]);
  std::vector<std::string> expected{sandbox.GameDir() + kSep + "icons/game.png"};
  expected.insert(expected.end(), kIconOptions.begin(), kIconOptions.end());
  expected.push_back(TemporaryIco());
  EXPECT_EQ(expected, std::vector<std::string>(runs[0].args.begin() + 1, runs[0].args.end()));
  EXPECT_EQ(64u, ReadFileBytes(Rsc() + "game.ico").size());
  EXPECT_FALSE(fs::exists(TemporaryIco()));
  EXPECT_NE(std::string::npos, WithoutCarriageReturns(result.out).find("RunProcessAsync(" + program + ", "));
  EXPECT_EQ(std::string::npos, IcoForScript().find('\\'));

  const std::string header = ReadFileBytes(Rsc() + "res.h");
  const std::string script = ReadFileBytes(Rsc() + "game.rc");
  EXPECT_EQ("#define GAME_ICON 110\n", WithoutCarriageReturns(header));
  EXPECT_EQ(ExpectedScript(), WithoutCarriageReturns(script));
  // Text mode: CR LF line ends on Windows, LF elsewhere.
  EXPECT_EQ(TextModeBytes("#define GAME_ICON 110\n"), header);
  EXPECT_EQ(TextModeBytes(ExpectedScript()), script);
}

TEST_F(WindowsPackager, ConfigureWithoutAnIconOnlyCreatesTheResourceDirectory) {
  sandbox.InstallFakeTool("tools/convert");
  for (const char* icon : {"", "icons/"}) {
    SCOPED_TRACE(std::string("generalIcon \"") + icon + "\"");
    fs::remove_all(Rsc());
    WriteProject(GeneralSettings("") + Setting("generalIcon", icon));
    ExpectOutcome(Run("--configure"), 0, "Warning : No icon !\n");
    EXPECT_TRUE(fs::is_directory(Rsc()));
    EXPECT_TRUE(fs::is_empty(Rsc()));
  }
  EXPECT_TRUE(sandbox.ToolRuns().empty());
}

TEST_F(WindowsPackager, IconPathWithBlanksReachesConvertAsTwoWords) {
  sandbox.InstallFakeTool("tools/convert");
  sandbox.WriteFile("game/my icons/game.png", "png");
  WriteProject(GeneralSettings("my icons/game.png"));
  // ImageMagick fails on the two halves of the path; the fake tool is told to.
  ScopedEnv failing("OV_FAKE_TOOL_EXIT_convert", "1");
  ProgramResult result = Run("--configure");
  ExpectOutcome(
      result, -5,
      "Error : Can't create .ico file !\nFailed to create .rc !\nFailed Configure in OvGamePackager.\n");

  std::vector<FakeToolRun> runs = sandbox.ToolRuns();
  ASSERT_EQ(1u, runs.size());
  ASSERT_EQ(3 + kIconOptions.size(), runs[0].args.size() - 1);
  EXPECT_EQ(sandbox.GameDir() + kSep + "my", runs[0].args[1]);
  EXPECT_EQ("icons/game.png", runs[0].args[2]);
  EXPECT_EQ(TemporaryIco(), runs[0].args.back());
  EXPECT_FALSE(fs::exists(TemporaryIco()));
  EXPECT_FALSE(fs::exists(Rsc() + "game.ico"));
  // The resource script is written before the conversion and stays.
  EXPECT_EQ(ExpectedScript(), WithoutCarriageReturns(ReadFileBytes(Rsc() + "game.rc")));
}

TEST_F(WindowsPackager, BuildCopiesTheSelectedContentInListingOrder) {
  for (const char* name :
       {"BF-main.bf", "BF-string-table.bf", "BF-audiostreams.bf", "BF-wav.bf", "BF-levels.bf", "notes.txt",
        "Game/intro.lvl", "Game/outro.lvl", "Game/Levels/one.lvl", "Settings/input.cfg", "Videos/intro.ogv",
        "Resources/String/en.st", "Resources/String/fr.st", "Resources/Sounds/hit.wav",
        "Resources/AudioStreams/music.mp3"}) {
    sandbox.WriteFile(std::string("game/tmp/Windows/DX9/") + name, name);
  }
  ProgramResult result = Run("--build");
  ExpectOutcome(result, 0, "");

  const std::string root = sandbox.GameDir() + kSep + "tmp" + kSep + "Windows" + kSep + "DX9" + kSep;
  EXPECT_EQ("#Info: Start copying Big Files\n" +
                CopyingLines(root, {"BF-main.bf", "BF-audiostreams.bf", "BF-wav.bf", "BF-levels.bf"}) +
                "#Info: Start copying Game directory\n" +
                CopyingLines(root + "Game", {"intro.lvl", "outro.lvl"}) +
                "#Info: Start copying Settings directory\n" + CopyingLines(root + "Settings", {"input.cfg"}) +
                "#Info: Start copying Videos directory\n" + CopyingLines(root + "Videos", {"intro.ogv"}) +
                "#Info: Start copying String Tables directory\n" +
                CopyingLines(root + "Resources" + kSep + "String", {"en.st", "fr.st"}),
            WithoutCarriageReturns(result.out));

  const std::string build = BuildDirectory(sandbox, "Windows", "Release");
  EXPECT_EQ((std::set<std::string>{
                "DX9/", "DX9/BF-main.bf", "DX9/BF-audiostreams.bf", "DX9/BF-wav.bf", "DX9/BF-levels.bf",
                "DX9/Game/", "DX9/Game/intro.lvl", "DX9/Game/outro.lvl", "DX9/Settings/",
                "DX9/Settings/input.cfg", "DX9/Videos/", "DX9/Videos/intro.ogv", "DX9/Resources/",
                "DX9/Resources/String/", "DX9/Resources/String/en.st", "DX9/Resources/String/fr.st"}),
            Tree(build));
  EXPECT_EQ("Resources/String/fr.st",
            ReadFileBytes(build + "DX9" + kSep + "Resources" + kSep + "String" + kSep + "fr.st"));
}

// The Windows leg runs under Wine without ImageMagick or a resource compiler: the real icon and
// the resource script are checked on the Linux leg only.
#ifndef _WIN32

struct IconImage {
  int width;
  int height;
};

// The image directory of an .ico file: count at offset 4, then 16-byte entries from offset 6
// whose first two bytes are the width and height (0 standing for 256).
std::vector<IconImage> IcoDirectory(const std::string& bytes) {
  std::vector<IconImage> images;
  if (bytes.size() < 6 || bytes[0] != 0 || bytes[1] != 0 || bytes[2] != 1 || bytes[3] != 0) return images;
  const auto byte = [&bytes](size_t at) { return static_cast<int>(static_cast<uint8_t>(bytes[at])); };
  const int count = byte(4) | (byte(5) << 8);
  for (int i = 0; i < count && 6 + 16 * static_cast<size_t>(i + 1) <= bytes.size(); ++i) {
    const size_t entry = 6 + 16 * static_cast<size_t>(i);
    images.push_back({byte(entry) == 0 ? 256 : byte(entry), byte(entry + 1) == 0 ? 256 : byte(entry + 1)});
  }
  return images;
}

TEST_F(WindowsPackager, RealConvertMakesAFourSizeIconThatWindresAccepts) {
  if (OvFindProgramOnPath("convert").IsEmpty()) GTEST_SKIP() << "ImageMagick's convert is not on the PATH";
  // No convert in the tool directory: the one on the PATH is used.
  fs::copy_file(std::string(OV_TEST_SOURCE_DIR) + "/examples/demo/icons/game.png",
                sandbox.Path("game/icons/game.png"), fs::copy_options::overwrite_existing);
  ProgramResult result = Run("--configure");
  ExpectOutcome(result, 0, "");

  std::vector<IconImage> images = IcoDirectory(ReadFileBytes(Rsc() + "game.ico"));
  ASSERT_EQ(4u, images.size());
  const int sizes[] = {16, 32, 48, 64};
  for (size_t i = 0; i < images.size(); ++i) {
    EXPECT_EQ(sizes[i], images[i].width);
    EXPECT_EQ(sizes[i], images[i].height);
  }

  TOvString<char> windres = OvFindProgramOnPath("x86_64-w64-mingw32-windres");
  if (windres.IsEmpty()) {
    GTEST_SKIP() << "x86_64-w64-mingw32-windres is not installed (Debian package binutils-mingw-w64-x86-64)";
  }
  ProgramResult compiled =
      RunProgram(windres.GetBuffer(), {"-i", "game.rc", "-O", "coff", "-o", "game.res.o"}, Rsc());
  ASSERT_TRUE(compiled.started);
  EXPECT_EQ(0, compiled.exitCode) << compiled.err;
  EXPECT_GT(ReadFileBytes(Rsc() + "game.res.o").size(), 1000u);
}

#endif

}  // namespace
