// COvDistributionSteam end to end: a Windows build whose distribution is of kind "Steam". The
// build scripts, the content directory the build moves into, the steamcmd command line, failed
// uploads, cleaning, and that the account password never shows in the output.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "packager/packager_fixture.h"

namespace fs = std::filesystem;
using namespace packagertest;

namespace {

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

const char kPlainPassword[] = "s3cret-pw";
// Blanks, quotes and markup: written escaped in the configuration file, one argument for steamcmd.
const char kAwkwardPasswordXml[] = "p&amp;ss&quot;&lt;w rd&gt;";

class SteamDistribution : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteConfiguration(kPlainPassword);
    sandbox.WriteFile("game/game.project", ProjectXml("1.1", GeneralSettings()));
    sandbox.WriteFile("game/icons/game.png", "png");
    sandbox.WriteFile("game/tmp/Windows/DX9/BF-main.bf", "main");
    sandbox.InstallFakeTool("tools/convert");
    steamcmd = sandbox.InstallFakeTool(ovhost::kIsWindows ? "steam/builder/steamcmd"
                                                          : "steam/builder_linux/steamcmd.sh");
    fs::create_directories(Build());
  }

  void WriteConfiguration(const std::string& passwordXml, const std::string& account = "builder") {
    const std::string distribution = Lines({
        "        <distrib name=\"Store\" distribution=\"Steam\">",
        "            <steambuilderspath value=\"" + sandbox.Path("steam") + "\"/>",
        "            <steamaccount value=\"" + account + "\"/>",
        "            <steampassword value=\"" + passwordXml + "\"/>",
        "            <appid value=\"1000\"/>",
        "            <desc value=\"nightly\"/>",
        "            <depotid value=\"1001\"/>",
        "        </distrib>",
    });
    sandbox.WriteFile(
        "game/game.config",
        ConfigurationXml("game.project", BuildEntry("Steam", "Windows", "Store"), distribution));
  }

  // Every run of this suite also checks that the password shows nowhere in its output.
  ProgramResult Run(const std::string& action) {
    ProgramResult result = sandbox.Run({action, sandbox.ConfigFile(), "Steam"});
    // A word of the password catches a partly hidden or re-quoted copy too.
    for (const std::string& secret : {password, password.substr(0, 4)}) {
      if (secret.empty()) continue;
      EXPECT_EQ(std::string::npos, result.out.find(secret)) << "standard output:\n" << result.out;
      EXPECT_EQ(std::string::npos, result.err.find(secret)) << "standard error:\n" << result.err;
    }
    return result;
  }

  // B, the build directory before the distribution moves it into B/./content/.
  std::string Build() const { return BuildDirectory(sandbox, "Windows", "Steam"); }
  std::string Content() const { return Build() + "." + kSep + "content" + kSep; }

  PackagerSandbox sandbox;
  std::string steamcmd;
  std::string password = kPlainPassword;
};

TEST_F(SteamDistribution, ConfigureWritesBothBuildScripts) {
  ExpectOutcome(Run("--configure"), 0, "");

  const std::string app = Lines({
      "\"appbuild\"",
      "{",
      "\t\"appid\" \"1000\"",
      "\t\"desc\" \"nightly\"",
      "\t\"buildoutput\" \"." + kSep + "output" + kSep + "\"",
      "\t\"contentroot\" \"." + kSep + "content" + kSep + "\"",
      "\t\"setlive\" \"\"",
      "\t\"preview\" \"0\"",
      "\t\"local\" \"\"",
      "\t\"depots\"",
      "\t{",
      "\t\t\"1001\" \"" + Build() + "depot_build.vdf\"",
      "\t}",
      "}",
  });
  const std::string depot = Lines({
      "\"DepotBuildConfig\"",
      "{",
      "\t\"DepotID\" \"1001\"",
      "\t\"ContentRoot\" \"" + Content() + "\"",
      "\t\"FileMapping\"",
      "\t{",
      "\t\t\"LocalPath\" \"*\"",
      "\t\t\"DepotPath\" \".\"",
      "\t\t\"recursive\" \"1\"",
      "\t}",
      "\t\"FileExclusion\" \"*.pdb\"",
      "}",
  });
  EXPECT_EQ(TextModeBytes(app), ReadFileBytes(Build() + "app_build.vdf"));
  EXPECT_EQ(TextModeBytes(depot), ReadFileBytes(Build() + "depot_build.vdf"));
  // Configure uploads nothing.
  for (const FakeToolRun& run : sandbox.ToolRuns()) EXPECT_NE(steamcmd, run.args[0]);
}

TEST_F(SteamDistribution, BuildCopiesIntoTheContentDirectoryAndUploads) {
  ScopedEnv echo("OV_FAKE_TOOL_STDOUT_steamcmd", "Logging in user builder with password " + password + "\n");
  ScopedEnv errors("OV_FAKE_TOOL_STDERR_steamcmd", "upload done\n");
  ProgramResult result = Run("--build");
  // steamcmd's output goes to standard error, with the password hidden.
  ExpectOutcome(result, 0, "Logging in user builder with password ********\nupload done\n");

  EXPECT_EQ("main", ReadFileBytes(Content() + "DX9" + kSep + "BF-main.bf"));
  EXPECT_FALSE(fs::exists(Build() + "DX9"));
  // steamcmd's arguments are checked in the next case.
  EXPECT_TRUE(Contains(WithoutCarriageReturns(result.out),
                       "RunProcessAsync(" + steamcmd + ", +login builder ******** +run_app_build_http " +
                           Build() + "app_build.vdf +quit)\n"));
}

TEST_F(SteamDistribution, AccountAndPasswordReachSteamcmdIntactAndHidden) {
  // Blanks, quotes, markup and backslashes before a quote or at the end are one argument each;
  // an empty password is none (steamcmd then logs in with the credentials it cached). A failed
  // upload ends with -6, the report quoting the tool's error output with both forms of a quoted
  // password hidden.
  struct Row {
    const char *account, *passwordXml;
    bool fails = false;
  };
  // clang-format off
  const Row rows[] = {
      {"builder", kAwkwardPasswordXml, true},
      {"builder", kAwkwardPasswordXml},
      {"domain\\", "pa ss\\"},
      {"team\\\\", "q\\&quot;uote d\\"},
      {"b\\&quot;", "\\\\&quot; \\"},
      {"builder", ""}};
  // clang-format on
  for (const auto& row : rows) {
    password = ReplaceAll(
        ReplaceAll(ReplaceAll(ReplaceAll(row.passwordXml, "&quot;", "\""), "&lt;", "<"), "&gt;", ">"),
        "&amp;", "&");
    const std::string account = ReplaceAll(row.account, "&quot;", "\"");
    SCOPED_TRACE(account + " / " + password);
    WriteConfiguration(row.passwordXml, row.account);
    fs::remove(sandbox.Path("tools.log"));
    // steamcmd's own output shows the password hidden too.
    ScopedEnv echo("OV_FAKE_TOOL_STDOUT_steamcmd", "password " + password + "\n");
    ScopedEnv errors("OV_FAKE_TOOL_STDERR_steamcmd", "password " + password + "\n");
    ScopedEnv failing("OV_FAKE_TOOL_EXIT_steamcmd", row.fails ? "1" : nullptr);
    ProgramResult result = Run("--build");
    const std::string shown = password.empty() ? "password \n" : "password ********\n";
    if (row.fails) {
      ExpectOutcomeEndingWith(
          result, -6,
          "Error : Failed Steam Packaging !\nError : Failed executing steam command line !\n"
          "Failed Build in OvGamePackager.\n");
      EXPECT_TRUE(Contains(result.out, "password ********"));
    } else {
      ExpectOutcome(result, 0, shown + shown);
    }
    std::vector<FakeToolRun> runs = sandbox.ToolRuns();
    ASSERT_EQ(1u, runs.size());
    std::vector<std::string> expected{
        steamcmd, "+login", account, password, "+run_app_build_http", Build() + "app_build.vdf", "+quit"};
    if (password.empty()) expected.erase(expected.begin() + 3);
    EXPECT_EQ(expected, runs[0].args);
  }
  EXPECT_TRUE(Contains(WithoutCarriageReturns(Run("--build").out),
                       "RunProcessAsync(" + steamcmd + ", +login builder  +run_app_build_http " + Build() +
                           "app_build.vdf +quit)\n"));
}

TEST_F(SteamDistribution, CleanEmptiesOnlyTheContentDirectory) {
  ExpectOutcome(Run("--configure"), 0, "");
  ExpectOutcome(Run("--build"), 0, "");
  sandbox.WriteFile("game/tmp/Windows/Steam/output/upload.log", "log");
  const size_t uploads = sandbox.ToolRuns().size();

  ExpectOutcome(Run("--clean"), 0, "");
  EXPECT_TRUE(fs::is_directory(Content()));
  EXPECT_TRUE(fs::is_empty(Content()));
  EXPECT_TRUE(FileExists(Build() + "app_build.vdf"));
  EXPECT_TRUE(FileExists(Build() + "depot_build.vdf"));
  EXPECT_EQ("log", ReadFileBytes(Build() + "." + kSep + "output" + kSep + "upload.log"));
  EXPECT_EQ(uploads, sandbox.ToolRuns().size());
}

}  // namespace
