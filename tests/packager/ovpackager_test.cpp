// COvPackager's shared initialization end to end: the project upgrade through OvProjectUpdater,
// the general parameters and their messages, the build directory, and the choice of the
// distribution step.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "packager/packager_fixture.h"

namespace fs = std::filesystem;
using namespace packagertest;

namespace {

class PackagerInitialization : public ::testing::Test {
 protected:
  void SetUp() override {
    // Store is of kind "steam": not the Steam kind, whose name is case-sensitive.
    const std::string lowerCaseSteam = Lines({
        "        <distrib name=\"Store\" distribution=\"steam\">",
        "            <steambuilderspath value=\"" + sandbox.Path("steam") + "\"/>",
        "            <steamaccount value=\"builder\"/>",
        "            <steampassword value=\"pw\"/>",
        "        </distrib>",
    });
    const std::string builds = BuildEntry("Release", "Windows", "Zip") + BuildEntry("Phone", "iOS", "Zip") +
                               BuildEntry("Lost", "Windows", "Nowhere") +
                               BuildEntry("Lower", "Windows", "Store");
    sandbox.WriteFile("game/game.config",
                      ConfigurationXml("game.project", builds, ZipDistribution() + lowerCaseSteam));
    WriteProject("1.1", GeneralSettings());
    sandbox.WriteFile("game/icons/game.png", "png");
    updater = sandbox.InstallFakeTool("tools/OvProjectUpdater");
    // The tool chain creates the platform's temporary directory and the build directories.
    for (const char* build : {"Release", "Lost", "Lower"}) {
      fs::create_directories(BuildDirectory(sandbox, "Windows", build));
    }
    fs::create_directories(BuildDirectory(sandbox, "iOS", "Phone"));
  }

  void WriteProject(const std::string& version, const std::string& settings) {
    sandbox.WriteFile("game/game.project", ProjectXml(version, settings));
  }
  ProgramResult Run(const std::string& action, const std::string& build = "Release") {
    return sandbox.Run({action, sandbox.ConfigFile(), build});
  }
  // The runs of the project updater recorded so far.
  std::vector<FakeToolRun> UpdaterRuns() const {
    std::vector<FakeToolRun> runs;
    for (const FakeToolRun& run : sandbox.ToolRuns()) {
      if (run.args[0] == updater) runs.push_back(run);
    }
    return runs;
  }

  PackagerSandbox sandbox;
  std::string updater;
};

TEST_F(PackagerInitialization, OldProjectIsUpgradedOnceBeforeLoading) {
  const std::string upgraded =
      sandbox.WriteFile("game/upgraded.project", ProjectXml("1.1", GeneralSettings()));
  ScopedEnv from("OV_FAKE_TOOL_COPY_FROM_OvProjectUpdater", upgraded);
  ScopedEnv to("OV_FAKE_TOOL_COPY_TO_OvProjectUpdater", sandbox.ProjectFile());
  size_t expectedRuns = 0;
  for (const char* version : {"", "1.0"}) {
    SCOPED_TRACE(std::string("project_version \"") + version + "\"");
    WriteProject(version, GeneralSettings());
    ProgramResult result = Run("--clean");
    ExpectOutcome(result, 0, "");
    EXPECT_EQ(std::string::npos, result.out.find("#Info"));

    std::vector<FakeToolRun> runs = UpdaterRuns();
    ASSERT_EQ(++expectedRuns, runs.size());
    EXPECT_EQ((std::vector<std::string>{updater, sandbox.ProjectFile()}), runs.back().args);
    EXPECT_EQ(ReadFileBytes(upgraded), sandbox.Read("game/game.project"));
  }
}

TEST_F(PackagerInitialization, ProjectLeftOldByTheUpdaterDoesNotLoad) {
  WriteProject("1.0", GeneralSettings());
  ExpectOutcome(Run("--clean"), -4,
                "Can't load file " + sandbox.ProjectFile() + "\nFailed initializing Packager.\n");
  std::vector<FakeToolRun> runs = UpdaterRuns();
  ASSERT_EQ(1u, runs.size());
  EXPECT_EQ((std::vector<std::string>{updater, sandbox.ProjectFile()}), runs[0].args);
}

TEST_F(PackagerInitialization, FailedUpdaterRunAlsoFailsTheLaterIconStep) {
  // The updater brings the project up to date but reports a failure: the runner's error flag
  // stays set for the rest of the run, so the icon conversion counts as failed too.
  const std::string upgraded =
      sandbox.WriteFile("game/upgraded.project", ProjectXml("1.1", GeneralSettings()));
  ScopedEnv from("OV_FAKE_TOOL_COPY_FROM_OvProjectUpdater", upgraded);
  ScopedEnv to("OV_FAKE_TOOL_COPY_TO_OvProjectUpdater", sandbox.ProjectFile());
  ScopedEnv failing("OV_FAKE_TOOL_EXIT_OvProjectUpdater", "1");
  sandbox.InstallFakeTool("tools/convert");
  WriteProject("", GeneralSettings());

  ExpectOutcome(
      Run("--configure"), -5,
      "Error : Can't create .ico file !\nFailed to create .rc !\nFailed Configure in OvGamePackager.\n");
  std::vector<FakeToolRun> runs = sandbox.ToolRuns();
  ASSERT_EQ(2u, runs.size());
  EXPECT_EQ(updater, runs[0].args[0]);
  EXPECT_EQ(sandbox.ToolDir() + kSep + kSep + "convert" + ovhost::kExecutableSuffix, runs[1].args[0]);
}

TEST_F(PackagerInitialization, MissingSettingsAreReportedAndTheRunGoesOn) {
  sandbox.InstallFakeTool("tools/convert");
  WriteProject("1.1", GeneralSettings("", "icons/splash.png", "", "", ""));
  const std::string file = sandbox.ProjectFile();
  ExpectOutcome(Run("--configure"), 0,
                "project_settings name not found in file " + file +
                    "\nproject_settings icon not found in file " + file +
                    "\nproject_settings minor not found in file " + file +
                    "\nproject_settings major not found in file " + file + "\nWarning : No icon !\n");
}

TEST_F(PackagerInitialization, SettingsOutsideTheGeneralElementStillCount) {
  // The general group also loads the settings directly in project_settings and in a general
  // element nested in another: none of them is missing.
  sandbox.WriteFile(
      "game/game.project",
      Lines({"<project project_version=\"1.1\">", "    <project_settings>",
             Setting("generalName", "Demo") + Setting("generalTmp", "tmp") + "        <general>",
             "            <general>",
             GeneralSettings("icons/game.png", "icons/splash.png", "") + "            </general>",
             "        </general>", "    </project_settings>", "</project>"}));
  const std::string exe = sandbox.WriteFile("bin/Demo.exe", "exe");
  ExpectOutcome(sandbox.Run({"--copy", sandbox.ConfigFile(), "Release", exe}), 0, "");
  EXPECT_EQ("exe", sandbox.Read("game/tmp/Windows/Release/Demo.exe"));
}

TEST_F(PackagerInitialization, MissingSplashScreenIsOnlyANoteForWindowsAndIos) {
  sandbox.InstallFakeTool("tools/convert");
  WriteProject("1.1", GeneralSettings("icons/game.png", ""));
  ExpectOutcome(Run("--configure"), 0, "No splashscreen !\n");
  ExpectOutcome(Run("--build", "Phone"), 0, "No splashscreen !\n");
}

TEST_F(PackagerInitialization, BuildDirectoryIsBelowTheProjectTemporaryDirectory) {
  const std::string exe = sandbox.WriteFile("bin/Demo.exe", "exe");
  ExpectOutcome(sandbox.Run({"--copy", sandbox.ConfigFile(), "Release", exe}), 0, "");
  EXPECT_EQ("exe", sandbox.Read("game/tmp/Windows/Release/Demo.exe"));
  // Listings add a separator to the directory, which already ends with one.
  ProgramResult clean = Run("--clean");
  ExpectOutcome(clean, 0, "");
  EXPECT_EQ("Deleting " + BuildDirectory(sandbox, "Windows", "Release") + kSep + "Demo.exe\n",
            WithoutCarriageReturns(clean.out));

  const std::string ipa = sandbox.WriteFile("bin/Demo.ipa", "ipa");
  ExpectOutcome(sandbox.Run({"--copy", sandbox.ConfigFile(), "Phone", ipa}), 0, "");
  EXPECT_EQ("ipa", sandbox.Read("game/tmp/iOS/Phone/Demo.ipa"));
  ProgramResult iosClean = Run("--clean", "Phone");
  ExpectOutcome(iosClean, 0, "");
  EXPECT_EQ("Deleting " + BuildDirectory(sandbox, "iOS", "Phone") + kSep + "Demo.ipa\n",
            WithoutCarriageReturns(iosClean.out));
}

TEST_F(PackagerInitialization, MissingDistributionFallsBackToTheWindowsDefault) {
  sandbox.InstallFakeTool("tools/convert");
  const std::string warning = "Warning : Distribution Nowhere not found, using default !\n";
  ExpectOutcome(Run("--configure", "Lost"), 0, warning);
  ExpectOutcome(Run("--clean", "Lost"), 0, warning);
}

TEST_F(PackagerInitialization, LowerCaseSteamKindIsNotSteam) {
  sandbox.WriteFile("game/tmp/Windows/DX9/BF-main.bf", "main");
  const std::string steamcmd = sandbox.InstallFakeTool(
      ovhost::kIsWindows ? "steam/builder/steamcmd" : "steam/builder_linux/steamcmd.sh");
  ExpectOutcome(Run("--build", "Lower"), 0, "Warning : Distribution Store not found, using default !\n");

  // The content stays in the build directory itself and nothing is uploaded.
  const std::string build = BuildDirectory(sandbox, "Windows", "Lower");
  EXPECT_EQ("main", ReadFileBytes(build + "DX9" + kSep + "BF-main.bf"));
  EXPECT_FALSE(fs::exists(build + "content"));
  EXPECT_FALSE(fs::exists(build + "output"));
  EXPECT_TRUE(sandbox.ToolRuns().empty());
}

}  // namespace
