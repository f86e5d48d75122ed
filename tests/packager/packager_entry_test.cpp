// End-to-end runs of OvGamePackager: the command-line checks and their order, the shared
// initialization (project upgrade, general parameters, build directory, distribution choice),
// and the exit status and message of every reachable outcome.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "packager/packager_fixture.h"

namespace fs = std::filesystem;
using namespace packagertest;

namespace {

const char kUsage[] =
    "OvGamePackager [--configure | --build | --copy | --clean] configurationFile config_name "
    "target_path_to_copy architecture\n";
const char kStore[] = "Warning : Distribution Store not found, using default !\n";
const char kCopyFailed[] = "Failed copying target in OvGamePackager.\n";

// Beside the Windows build Release, builds of other platforms and distributions.
class PackagerEntry : public WindowsGameTest {
 protected:
  void SetUp() override {
    // Store is of kind "steam": not the Steam kind, whose name is case-sensitive.
    const std::string lowerCaseSteam = Lines({
        "        <distrib name=\"Store\" distribution=\"steam\">",
        "            <steambuilderspath value=\"" + sandbox.Path("steam") + "\"/>",
        "            <steamaccount value=\"builder\"/>",
        "        </distrib>",
    });
    std::string builds = BuildEntry("Phone", "iOS", "Store") + BuildEntry("Lower", "windows", "Zip") +
                         BuildEntry("Steamish", "Windows", "Store");
    for (const char* build : {"Release", "NoDir"}) builds += BuildEntry(build, "Windows", "Zip");
    for (const char* platform : {"Linux", "Amiga"}) builds += BuildEntry(platform, platform, "Zip");
    sandbox.WriteFile("game/game.config",
                      ConfigurationXml("game.project", builds, ZipDistribution() + lowerCaseSteam));
    updater = sandbox.InstallFakeTool("tools/OvProjectUpdater");
    sandbox.InstallFakeTool("tools/convert");
    // The tool chain creates the platforms' content and build directories.
    sandbox.WriteFile("game/tmp/Windows/DX9/BF-main.bf", "main");
    fs::create_directories(BuildDirectory(sandbox, "Windows", "Steamish"));
    fs::create_directories(BuildDirectory(sandbox, "iOS", "Phone"));
  }

  ProgramResult Run(const std::string& action, const std::string& build, const std::string& target = "") {
    std::vector<std::string> arguments{action, sandbox.ConfigFile(), build};
    if (!target.empty()) arguments.push_back(target);
    return sandbox.Run(arguments);
  }
  void UpgradeProjectOnUpdate() {
    upgraded = sandbox.WriteFile("game/upgraded.project", ProjectXml("1.1", GeneralSettings()));
    env.push_back(std::make_unique<ScopedEnv>("OV_FAKE_TOOL_COPY_FROM_OvProjectUpdater", upgraded));
    env.push_back(
        std::make_unique<ScopedEnv>("OV_FAKE_TOOL_COPY_TO_OvProjectUpdater", sandbox.ProjectFile()));
  }

  std::string updater, upgraded;
  std::vector<std::unique_ptr<ScopedEnv>> env;
};

TEST_F(PackagerEntry, EveryOutcomeHasItsStatusAndMessage) {
  const std::string cfg = sandbox.ConfigFile(), missing = sandbox.Path("game/missing.config");
  const std::string created = sandbox.Path("game/new.config"), exe = sandbox.WriteFile("bin/Demo.exe", "exe");
  const std::string bad = sandbox.WriteFile("game/bad.config", "this is not XML at all");
  const std::string file = sandbox.ProjectFile(), initFailed = "Failed initializing Packager.\n";
  const std::string splitGeneral =
      Lines({"<project project_version=\"1.1\">", "    <project_settings>",
             Setting("generalName", "Demo") + Setting("generalTmp", "tmp") + "        <general>",
             "            <general>",
             GeneralSettings("icons/game.png", "icons/splash.png", "") + "            </general>",
             "        </general>", "    </project_settings>", "</project>"});
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
    std::string project = ProjectXml("1.1", GeneralSettings());
  } rows[] = {
      {{"--build", missing}, -1, kUsage},
      // The configuration is looked up before the action is checked.
      {{"--bogus", cfg, "Nightly"}, -2, "Unknown build configuration \"Nightly\"\n"},
      {{"--build", created, "Release"}, -2, "Unknown build configuration \"Release\"\n"},
      {{"--build", bad, "Release"}, -2, "Unknown build configuration \"Release\"\n"},
      // Actions are case-sensitive and checked before the platform.
      {{"--Build", cfg, "Linux"}, -2, kUsage},
      {{"--build", cfg, "Amiga"}, -3, "Unsupported platform.\n"},
      {{"--clean", cfg, "Lower"}, 0, ""},
      // iOS gets the base distribution object, announced as a default.
      {{"--configure", cfg, "Phone"}, 0, kStore},
      {{"--build", cfg, "Phone"}, 0, kStore},
      {{"--clean", cfg, "Release"}, -4, "Can't load file " + file + "\n" + initFailed, "<project"},
      {{"--clean", cfg, "Phone"},
       -4,
       "Can't load file " + file + "\nFailed to initialize general parameters !\n" + initFailed,
       "<project"},
      {{"--configure", cfg, "Release"},
       0,
       "project_settings name not found in file " + file + "\nproject_settings icon not found in file " +
           file + "\nproject_settings minor not found in file " + file +
           "\nproject_settings major not found in file " + file + "\nWarning : No icon !\n",
       ProjectXml("1.1", GeneralSettings("", "icons/splash.png", "", "", ""))},
      // The general group also loads the settings directly in project_settings and in a
      // general element nested in another: none of them is missing.
      {{"--copy", cfg, "Release", exe}, 0, "", splitGeneral},
      // A missing splash screen is only a note for Windows and iOS.
      {{"--configure", cfg, "Release"},
       0,
       "No splashscreen !\n",
       ProjectXml("1.1", GeneralSettings("icons/game.png", ""))},
      // Without the build directory, which the engine's build step creates, nothing is copied.
      {{"--build", cfg, "NoDir"},
       -6,
       "Error : Can't copy " +
           Listing(sandbox.GameDir() + kSep + "tmp" + kSep + "Windows" + kSep + "DX9" + kSep)[0] +
           " !\nFailed copying assets !\nFailed Build in OvGamePackager.\n"},
      {{"--copy", cfg, "Release"}, -7, kCopyFailed},
      {{"--copy", cfg, "Release", sandbox.Path("game/none.exe")}, -7, kCopyFailed},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.args[0] + " " + (row.args.size() > 2 ? row.args[2] : ""));
    sandbox.WriteFile("game/game.project", row.project);
    ProgramResult result = sandbox.Run(row.args);
    ExpectOutcome(result, row.status, row.err);
    EXPECT_TRUE((row.status != -1 && row.status != -3) || result.out.empty());
  }
  EXPECT_FALSE(FileExists(missing));
  // A missing configuration file is created empty.
  EXPECT_TRUE(FileExists(created));
}

TEST_F(PackagerEntry, CopyAndCleanUseTheBuildDirectoryBelowTheProjectTemporaryDirectory) {
  const struct {
    const char *build, *platform, *target, *err;
  } rows[] = {{"Release", "Windows", "Demo.exe", ""}, {"Phone", "iOS", "Demo.ipa", kStore}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.build);
    const std::string built = BuildDirectory(sandbox, row.platform, row.build) + row.target;
    sandbox.WriteFile(std::string("game/tmp/") + row.platform + "/" + row.build + "/" + row.target, "old");
    ExpectOutcome(Run("--copy", row.build, sandbox.WriteFile(std::string("bin/") + row.target, "new")), 0,
                  row.err);
    EXPECT_EQ("new", ReadFileBytes(built));
    ProgramResult clean = Run("--clean", row.build);
    ExpectOutcome(clean, 0, row.err);
    // Listings add a separator to the directory, which already ends with one.
    EXPECT_EQ("Deleting " + BuildDirectory(sandbox, row.platform, row.build) + kSep + row.target + "\n",
              WithoutCarriageReturns(clean.out));
    EXPECT_FALSE(FileExists(built));
    EXPECT_TRUE(fs::is_directory(BuildDirectory(sandbox, row.platform, row.build)));
  }
}

// A project that the updater leaves old fails to load as a malformed one does (the project
// checks its version), with the message of EveryOutcomeHasItsStatusAndMessage.
TEST_F(PackagerEntry, OldProjectIsUpgradedOnceBeforeLoading) {
  // A project without a version counts as old too; the next case has one.
  UpgradeProjectOnUpdate();
  WriteProject(GeneralSettings(), "1.0");
  ProgramResult result = Run("--clean", "Release");
  ExpectOutcome(result, 0, "");
  EXPECT_EQ(std::string::npos, result.out.find("#Info"));
  // Cleaning runs no other tool.
  std::vector<FakeToolRun> runs = sandbox.ToolRuns();
  ASSERT_EQ(1u, runs.size());
  EXPECT_EQ((std::vector<std::string>{updater, sandbox.ProjectFile()}), runs.back().args);
  EXPECT_EQ(ReadFileBytes(upgraded), ReadFileBytes(sandbox.ProjectFile()));
}

TEST_F(PackagerEntry, FailedUpdaterRunAlsoFailsTheLaterIconStep) {
  // The updater brings the project up to date but reports a failure: the runner's error flag
  // stays set for the rest of the run, so the icon conversion counts as failed too.
  UpgradeProjectOnUpdate();
  ScopedEnv failing("OV_FAKE_TOOL_EXIT_OvProjectUpdater", "1");
  WriteProject(GeneralSettings(), "");
  ExpectOutcome(Run("--configure", "Release"), -5, kCantCreateIco);
  std::vector<FakeToolRun> runs = sandbox.ToolRuns();
  ASSERT_EQ(2u, runs.size());
  EXPECT_EQ(updater, runs[0].args[0]);
  EXPECT_EQ(sandbox.ToolDir() + kSep + kSep + "convert" + ovhost::kExecutableSuffix, runs[1].args[0]);
}

// The warning shows that the lower-case kind got the default distribution, which uploads
// nothing and leaves the content in the build directory itself.
TEST_F(PackagerEntry, LowerCaseSteamKindIsNotSteam) {
  ExpectOutcome(Run("--build", "Steamish"), 0, kStore);
  EXPECT_EQ("main",
            ReadFileBytes(BuildDirectory(sandbox, "Windows", "Steamish") + "DX9" + kSep + "BF-main.bf"));
}

}  // namespace
