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

const char kPlainPassword[] = "s3cret-pw";
// Blanks, quotes and markup: written escaped in the configuration file, one argument for steamcmd.
const char kAwkwardPasswordXml[] = "p&amp;ss&quot;&lt;w rd&gt;";
const char kAwkwardPassword[] = "p&ss\"<w rd>";

// The Windows build Release, distributed by Steam.
class SteamDistribution : public WindowsGameTest {
 protected:
  void SetUp() override {
    WriteConfiguration(kPlainPassword);
    sandbox.WriteFile("game/tmp/Windows/DX9/BF-main.bf", "main");
    sandbox.InstallFakeTool("tools/convert");
    steamcmd = sandbox.InstallFakeTool(ovhost::kIsWindows ? "steam/builder/steamcmd"
                                                          : "steam/builder_linux/steamcmd.sh");
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
        ConfigurationXml("game.project", BuildEntry("Release", "Windows", "Store"), distribution));
  }

  // Every run of this suite also checks that the password shows nowhere in its output.
  ProgramResult Run(const std::string& action) {
    ProgramResult result = WindowsGameTest::Run(action);
    // A word of the password catches a partly hidden or re-quoted copy too.
    for (const std::string& secret : {password, password.substr(0, 4)}) {
      if (secret.empty()) continue;
      EXPECT_EQ(std::string::npos, result.out.find(secret)) << "standard output:\n" << result.out;
      EXPECT_EQ(std::string::npos, result.err.find(secret)) << "standard error:\n" << result.err;
    }
    return result;
  }

  // B, the build directory before the distribution moves it into B/./content/.
  std::string Build() const { return BuildDirectory(sandbox, "Windows", "Release"); }
  std::string Content() const { return Build() + "." + kSep + "content" + kSep; }

  std::string steamcmd;
  std::string password = kPlainPassword;
};

// Configure writes both build scripts, the build copies into the content directory and uploads,
// and cleaning empties only the content directory.
TEST_F(SteamDistribution, ConfigureBuildAndClean) {
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

  ProgramResult result = Run("--build");
  ExpectOutcome(result, 0, "");
  EXPECT_EQ("main", ReadFileBytes(Content() + "DX9" + kSep + "BF-main.bf"));
  EXPECT_FALSE(fs::exists(Build() + "DX9"));
  // steamcmd's arguments and its output (on standard error, the password hidden) are checked in
  // the next case; the runner's line shows the password hidden.
  EXPECT_TRUE(Contains(WithoutCarriageReturns(result.out),
                       "RunProcessAsync(" + steamcmd + ", +login builder ******** +run_app_build_http " +
                           Build() + "app_build.vdf +quit)\n"));

  sandbox.WriteFile("game/tmp/Windows/Release/output/upload.log", "log");
  const size_t uploads = sandbox.ToolRuns().size();
  ExpectOutcome(Run("--clean"), 0, "");
  EXPECT_TRUE(fs::is_directory(Content()));
  EXPECT_TRUE(fs::is_empty(Content()));
  EXPECT_TRUE(FileExists(Build() + "app_build.vdf"));
  EXPECT_TRUE(FileExists(Build() + "depot_build.vdf"));
  EXPECT_EQ("log", ReadFileBytes(Build() + "." + kSep + "output" + kSep + "upload.log"));
  EXPECT_EQ(uploads, sandbox.ToolRuns().size());
}

TEST_F(SteamDistribution, AccountAndPasswordReachSteamcmdIntactAndHidden) {
  // Blanks, quotes, markup and backslashes before a quote or at the end are one argument each;
  // an empty password is none (steamcmd then logs in with the credentials it cached). A failed
  // upload ends with -6, the report quoting the tool's error output with both forms of a quoted
  // password hidden.
  // Each text as the configuration file holds it, then as steamcmd must get it.
  struct Row {
    const char *accountXml, *account, *passwordXml, *password;
    bool fails = false;
  };
  // clang-format off
  const Row rows[] = {
      {"builder", "builder", kAwkwardPasswordXml, kAwkwardPassword, true},
      {"builder", "builder", kAwkwardPasswordXml, kAwkwardPassword},
      {"domain\\", "domain\\", "pa ss\\", "pa ss\\"},
      {"team\\\\", "team\\\\", "q\\&quot;uote d\\", "q\\\"uote d\\"},
      {"b\\&quot;", "b\\\"", "\\\\&quot; \\", "\\\\\" \\"},
      {"builder", "builder", "", ""}};
  // clang-format on
  for (const auto& row : rows) {
    password = row.password;
    SCOPED_TRACE(std::string(row.account) + " / " + password);
    WriteConfiguration(row.passwordXml, row.accountXml);
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
        steamcmd, "+login", row.account, password, "+run_app_build_http", Build() + "app_build.vdf", "+quit"};
    if (password.empty()) expected.erase(expected.begin() + 3);
    EXPECT_EQ(expected, runs[0].args);
  }
  EXPECT_TRUE(Contains(WithoutCarriageReturns(Run("--build").out),
                       "RunProcessAsync(" + steamcmd + ", +login builder  +run_app_build_http " + Build() +
                           "app_build.vdf +quit)\n"));
}

}  // namespace
