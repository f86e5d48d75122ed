// End-to-end runs of OvGamePackager: the command-line checks, their order, and the exit status
// and message of every outcome.
#include <gtest/gtest.h>

#include "support/packager_sandbox.h"

namespace {

const char kUsage[] =
    "OvGamePackager [--configure | --build | --copy | --clean] configurationFile config_name "
    "target_path_to_copy architecture\n";

const char kSettings[] =
    "            <setting name=\"generalName\" value=\"Demo\"/>\n"
    "            <setting name=\"generalIcon\" value=\"icon.png\"/>\n"
    "            <setting name=\"generalTmp\" value=\"tmp\"/>\n"
    "            <setting name=\"generalSplashScreen\" value=\"splash.png\"/>\n"
    "            <setting name=\"generalMajor\" value=\"1\"/>\n"
    "            <setting name=\"generalMinor\" value=\"2\"/>\n";

std::string Build(const std::string& name, const std::string& platform, const std::string& distribution = "Zip") {
  return "        <build name=\"" + name + "\" platform=\"" + platform + "\" distribution=\"" + distribution +
         "\" api=\"DX9\" headerpath=\"\" librarypath=\"\" args=\"\"/>\n";
}

class PackagerEntry : public ::testing::Test {
 protected:
  void SetUp() override {
    sandbox.InstallFakeTool("tools/OvProjectUpdater");
    sandbox.InstallFakeTool("tools/convert");
    sandbox.WriteFile("game/game.config",
                      ConfigurationXml("game.project",
                                       Build("Release", "Windows") + Build("Phone", "iOS", "Store") + Build("Server", "Linux") +
                                           Build("Console", "PS4") + Build("Odd", "Amiga") + Build("Lower", "windows"),
                                       "        <distrib name=\"Zip\" distribution=\"Zip\"/>\n"));
    sandbox.WriteFile("game/game.project", ProjectXml("1.1", kSettings));
    // The platform directories exist once the engine compiled the game's content.
    sandbox.WriteFile("game/tmp/Windows/DX9/BF-main.bf", "bf");
    sandbox.WriteFile("game/tmp/iOS/OpenGLES2/BF-main.bf", "bf");
  }

  ProgramResult Run(const std::vector<std::string>& arguments) { return sandbox.Run(arguments); }
  void ExpectOutcome(const ProgramResult& result, int status, const std::string& err) {
    ASSERT_TRUE(result.started);
    EXPECT_EQ(ExpectedExitCode(status), result.exitCode);
    EXPECT_EQ(err, WithoutCarriageReturns(result.err));
  }

  PackagerSandbox sandbox;
};

TEST_F(PackagerEntry, TooFewArgumentsPrintUsageWithoutReadingAnyFile) {
  std::string missing = sandbox.Path("game/missing.config");
  ProgramResult result = Run({"--build", missing});
  ExpectOutcome(result, -1, kUsage);
  EXPECT_EQ("", result.out);
  EXPECT_FALSE(FileExists(missing));
  ExpectOutcome(Run({}), -1, kUsage);
}

TEST_F(PackagerEntry, UnknownConfigurationWinsOverABadAction) {
  ExpectOutcome(Run({"--build", sandbox.ConfigFile(), "Nightly"}), -2, "Unknown build configuration \"Nightly\"\n");
  ExpectOutcome(Run({"--bogus", sandbox.ConfigFile(), "Nightly"}), -2, "Unknown build configuration \"Nightly\"\n");
}

TEST_F(PackagerEntry, MissingConfigurationFileIsCreatedEmptyAndHasNoBuilds) {
  std::string config = sandbox.Path("game/new.config");
  ProgramResult result = Run({"--build", config, "Release"});
  ExpectOutcome(result, -2, "Unknown build configuration \"Release\"\n");
  EXPECT_TRUE(FileExists(config));
}

TEST_F(PackagerEntry, ConfigurationThatIsNotXmlHasNoBuilds) {
  sandbox.WriteFile("game/game.config", "this is not XML at all");
  ProgramResult result = Run({"--build", sandbox.ConfigFile(), "Release"});
  ASSERT_TRUE(result.started);
  EXPECT_EQ(ExpectedExitCode(-2), result.exitCode);
  EXPECT_NE(std::string::npos,
            WithoutCarriageReturns(result.err).find("Unknown build configuration \"Release\"\n"));
}

TEST_F(PackagerEntry, ActionsAreExactAndCheckedBeforeThePlatform) {
  ExpectOutcome(Run({"--Build", sandbox.ConfigFile(), "Release"}), -2, kUsage);
  ExpectOutcome(Run({"--package", sandbox.ConfigFile(), "Server"}), -2, kUsage);
}

TEST_F(PackagerEntry, PlatformsWithoutPackagerAreUnsupported) {
  for (const char* build : {"Server", "Console", "Odd"}) {
    SCOPED_TRACE(build);
    ProgramResult result = Run({"--build", sandbox.ConfigFile(), build});
    ExpectOutcome(result, -3, "Unsupported platform.\n");
    EXPECT_EQ("", result.out);
  }
}

TEST_F(PackagerEntry, PlatformNamesMatchInAnyCase) {
  ProgramResult result = Run({"--clean", sandbox.ConfigFile(), "Lower"});
  ExpectOutcome(result, 0, "");
}

TEST_F(PackagerEntry, IosConfigureAndBuildSucceedWithTheDefaultDistribution) {
  for (const char* action : {"--configure", "--build"}) {
    SCOPED_TRACE(action);
    ProgramResult result = Run({action, sandbox.ConfigFile(), "Phone"});
    // iOS gets the base distribution object, announced as a default.
    ExpectOutcome(result, 0, "Warning : Distribution Store not found, using default !\n");
  }
}

TEST_F(PackagerEntry, InitializeFailureEndsWithMinusFour) {
  sandbox.WriteFile("game/game.config",
                    ConfigurationXml("missing.project", Build("Release", "Windows"),
                                     "        <distrib name=\"Zip\" distribution=\"Zip\"/>\n"));
  ProgramResult result = Run({"--build", sandbox.ConfigFile(), "Release"});
  std::string project = sandbox.Path("game/missing.project");
  ExpectOutcome(result, -4, "Can't load file " + project + "\nFailed initializing Packager.\n");
}

TEST_F(PackagerEntry, IosInitializeFailureAddsItsOwnLine) {
  sandbox.WriteFile("game/game.project", "<project");
  ProgramResult result = Run({"--clean", sandbox.ConfigFile(), "Phone"});
  ExpectOutcome(result, -4,
                "Can't load file " + sandbox.ProjectFile() +
                    "\nFailed to initialize general parameters !\nFailed initializing Packager.\n");
}

TEST_F(PackagerEntry, ConfigureFailureEndsWithMinusFive) {
  ScopedEnv failing("OV_FAKE_TOOL_EXIT_convert", "1");
  ProgramResult result = Run({"--configure", sandbox.ConfigFile(), "Release"});
  ASSERT_TRUE(result.started);
  EXPECT_EQ(ExpectedExitCode(-5), result.exitCode);
  std::string err = WithoutCarriageReturns(result.err);
  const std::string tail = "Error : Can't create .ico file !\nFailed to create .rc !\nFailed Configure in OvGamePackager.\n";
  ASSERT_GE(err.size(), tail.size());
  EXPECT_EQ(tail, err.substr(err.size() - tail.size()));
}

TEST_F(PackagerEntry, BuildFailureEndsWithMinusSix) {
  // Without the build directory, which the engine's build step creates, nothing can be copied.
  ProgramResult result = Run({"--build", sandbox.ConfigFile(), "Release"});
  ASSERT_TRUE(result.started);
  EXPECT_EQ(ExpectedExitCode(-6), result.exitCode);
  std::string err = WithoutCarriageReturns(result.err);
  EXPECT_NE(std::string::npos, err.find("Error : Can't copy "));
  const std::string tail = "Failed copying assets !\nFailed Build in OvGamePackager.\n";
  ASSERT_GE(err.size(), tail.size());
  EXPECT_EQ(tail, err.substr(err.size() - tail.size()));
}

TEST_F(PackagerEntry, CopyNeedsItsTargetArgument) {
  ExpectOutcome(Run({"--copy", sandbox.ConfigFile(), "Release"}), -7, "Failed copying target in OvGamePackager.\n");
  ExpectOutcome(Run({"--copy", sandbox.ConfigFile(), "Release", sandbox.Path("game/none.exe")}), -7,
                "Failed copying target in OvGamePackager.\n");
}

TEST_F(PackagerEntry, CopyAndCleanSucceed) {
  std::string target = sandbox.WriteFile("bin/Demo.exe", "new build");
  sandbox.WriteFile("game/tmp/Windows/Release/Demo.exe", "old build");
  ExpectOutcome(Run({"--copy", sandbox.ConfigFile(), "Release", target}), 0, "");
  EXPECT_EQ("new build", sandbox.Read("game/tmp/Windows/Release/Demo.exe"));

  ProgramResult clean = Run({"--clean", sandbox.ConfigFile(), "Release"});
  ExpectOutcome(clean, 0, "");
  EXPECT_FALSE(FileExists(sandbox.Path("game/tmp/Windows/Release/Demo.exe")));
  EXPECT_TRUE(FileExists(sandbox.Path("game/tmp/Windows/Release")));
  EXPECT_NE(std::string::npos, clean.out.find("Deleting "));
}

TEST_F(PackagerEntry, IosCopyAndClean) {
  std::string target = sandbox.WriteFile("bin/Demo.ipa", "ipa");
  ProgramResult copy = Run({"--copy", sandbox.ConfigFile(), "Phone", target});
  ExpectOutcome(copy, 0, "Warning : Distribution Store not found, using default !\n");
  EXPECT_EQ("ipa", sandbox.Read("game/tmp/iOS/Phone/Demo.ipa"));
  ExpectOutcome(Run({"--clean", sandbox.ConfigFile(), "Phone"}), 0,
                "Warning : Distribution Store not found, using default !\n");
  EXPECT_FALSE(FileExists(sandbox.Path("game/tmp/iOS/Phone/Demo.ipa")));
  ExpectOutcome(Run({"--copy", sandbox.ConfigFile(), "Phone"}), -7,
                "Warning : Distribution Store not found, using default !\nFailed copying target in OvGamePackager.\n");
}

}  // namespace
