// COvPackagerAndroid --build, --copy and --clean end to end, and the configure failures that a
// damaged project in the build directory causes.
#include <gtest/gtest.h>

#include <filesystem>

#include "packager/android/android_sandbox.h"
#include "support/run_program.h"

namespace {

namespace fs = std::filesystem;

class AndroidBuildTest : public AndroidSandbox {
 protected:
  AndroidBuildTest() {
    sandbox.WriteFile("game/tmp/Android/OpenGLES2/BF-main.bf", "main big file");
    sandbox.WriteFile("game/tmp/Android/OpenGLES2/BF-wav.bf", "packed sounds");
    sandbox.WriteFile("game/tmp/Android/OpenGLES2/Game/level1.dat", "level");
    sandbox.WriteFile("game/tmp/Android/OpenGLES2/Resources/Sounds/hit.wav", "sound");
  }

  // A configured project, as a previous --configure leaves it.
  void WriteConfiguredProject() {
    fs::create_directories(Built("src"));
    sandbox.WriteFile("game/tmp/Android/Release/build.xml", "<project name=\"Demo\"/>\n");
    sandbox.WriteFile("game/tmp/Android/Release/AndroidManifest.xml", "<manifest/>\n");
  }

  std::vector<std::string> AntArguments(const std::string& mode) {
    return {"-buildfile", BuildDirectory() + "build.xml", mode};
  }
};

TEST_F(AndroidBuildTest, DebugBuildWithoutSigningData) {
  WriteConfiguredProject();
  ProgramResult result = Run("--build");
  ASSERT_TRUE(result.started);
  EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
  std::vector<FakeToolRun> runs = RunsOf("ant");
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(ArgumentsOf(runs[0]), AntArguments("debug"));
  std::string out = WithoutCarriageReturns(result.out);
  EXPECT_TRUE(Contains(out, antTool + " -buildfile " + BuildDirectory() + "build.xml debug\n"));
  EXPECT_TRUE(Contains(out, "#Info: Start copying Java Sources\n"));

  // The content, Android's selection of it, and the engine's template.
  EXPECT_EQ(ReadBuilt("assets/BF-main.bf"), "main big file");
  EXPECT_FALSE(FileExists(Built("assets/BF-wav.bf")));
  EXPECT_EQ(ReadBuilt("assets/Game/level1.dat"), "level");
  EXPECT_EQ(ReadBuilt("assets/Resources/Sounds/hit.wave"), "sound");
  EXPECT_EQ(ReadBuilt("src/com/orvo/sdk/TheActivity.java"), "package com.orvo.sdk;\n");
  EXPECT_EQ(ReadBuilt("libs/readme.txt"), "native libraries\n");
}

TEST_F(AndroidBuildTest, ReleaseBuildAfterConfigureWithSigningData) {
  InstallFakeConvert();
  WriteGame({"Demo", false, true,
             Setting("androidkeystore", "release.keystore") + Setting("androidkeystorepwd", "store-secret") +
                 Setting("androidkeyalias", "game") + Setting("androidkeyaliaspwd", "alias-secret")});
  ProgramResult configure = Run("--configure");
  ASSERT_EQ(configure.exitCode, 0) << configure.out << configure.err;
  std::string properties = WithoutCarriageReturns(ReadBuilt("ant.properties"));
  EXPECT_TRUE(Contains(properties, "key.store="));
  EXPECT_TRUE(Contains(
      properties, "\nkey.store.password=store-secret\nkey.alias=game\nkey.alias.password=alias-secret\n"));

  ProgramResult build = Run("--build");
  EXPECT_EQ(build.exitCode, 0) << build.out << build.err;
  std::vector<FakeToolRun> runs = RunsOf("ant");
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(ArgumentsOf(runs[0]), AntArguments("release"));
  EXPECT_FALSE(Contains(build.out + build.err, "secret"));
}

TEST_F(AndroidBuildTest, FailingAntFailsTheBuild) {
  WriteConfiguredProject();
  SetEnv("OV_FAKE_TOOL_EXIT_ant", "1");
  SetEnv("OV_FAKE_TOOL_STDERR_ant", "BUILD FAILED\n");
  ProgramResult result = Run("--build");
  EXPECT_EQ(result.exitCode, ExpectedExitCode(-6));
  std::string err = WithoutCarriageReturns(result.err);
  // Ant's own text-mode line end is echoed as is, so only the packager's lines are compared whole.
  EXPECT_TRUE(Contains(err, "BUILD FAILED"));
  EXPECT_TRUE(Contains(err, "Failed to build APK \nFailed Build in OvGamePackager.\n"));
  EXPECT_TRUE(Contains(WithoutCarriageReturns(result.out), "Return code = 1\n"));
}

TEST_F(AndroidBuildTest, CopyInstallsTheLibraryForItsArchitecture) {
  fs::create_directories(Built("libs"));
  std::string library = sandbox.WriteFile("out/libgame.so", "native code");
  ProgramResult result = Run("--copy", {library, "armeabi-v7a"});
  EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
  EXPECT_EQ(ReadBuilt("libs/armeabi-v7a/libgame.so"), "native code");
}

TEST_F(AndroidBuildTest, CopyNeedsAnArchitecture) {
  fs::create_directories(Built("libs"));
  std::string library = sandbox.WriteFile("out/libgame.so", "native code");
  ProgramResult result = Run("--copy", {library});
  EXPECT_EQ(result.exitCode, ExpectedExitCode(-7));
  EXPECT_TRUE(Contains(WithoutCarriageReturns(result.err),
                       "Error : Missing architecture !\nFailed copying target in OvGamePackager.\n"));
  EXPECT_TRUE(fs::is_empty(Built("libs")));
}

TEST_F(AndroidBuildTest, CopyOfAMissingLibraryFails) {
  fs::create_directories(Built("libs"));
  ProgramResult result = Run("--copy", {sandbox.Path("out/missing.so"), "x86"});
  EXPECT_EQ(result.exitCode, ExpectedExitCode(-7));
}

TEST_F(AndroidBuildTest, CleanEmptiesTheBuildDirectory) {
  WriteConfiguredProject();
  sandbox.WriteFile("game/tmp/Android/Release/res/values/strings.xml", "<resources/>\n");
  ProgramResult result = Run("--clean");
  EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
  EXPECT_TRUE(fs::is_directory(BuildDirectory()));
  EXPECT_TRUE(fs::is_empty(BuildDirectory()));
  EXPECT_TRUE(Contains(result.out, "Deleting "));
}

// Configure on a project whose files are damaged: the project exists (so it is updated), and
// one of the files that Configure edits is wrong.
class AndroidDamagedProjectTest : public AndroidSandbox {
 protected:
  AndroidDamagedProjectTest() {
    sandbox.WriteFile("game/tmp/Android/Release/build.xml", "<project name=\"Demo\"/>\n");
    sandbox.WriteFile("game/tmp/Android/Release/AndroidManifest.xml", "<manifest>\n</manifest>\n");
    sandbox.WriteFile("game/tmp/Android/Release/res/values/strings.xml",
                      "<resources>\n<string name=\"app_name\">Old</string>\n</resources>\n");
    fs::create_directories(Built("res/layout"));
    WriteGame({"Demo", false, true, ""});
  }

  void ExpectConfigureFailure(const ProgramResult& result) {
    ASSERT_TRUE(result.started);
    EXPECT_EQ(result.exitCode, ExpectedExitCode(-5));
    EXPECT_TRUE(Contains(WithoutCarriageReturns(result.err), "Failed Configure in OvGamePackager.\n"));
  }
};

TEST_F(AndroidDamagedProjectTest, ManifestThatIsNotXml) {
  sandbox.WriteFile("game/tmp/Android/Release/AndroidManifest.xml", "this is not XML <<<");
  ProgramResult result = Run("--configure");
  ExpectConfigureFailure(result);
  std::string out = WithoutCarriageReturns(result.out);
  EXPECT_TRUE(Contains(out, "Cannot open file " + BuildDirectory() + Separator() +
                                "AndroidManifest.xml\n"
                                "Failed to initialize manifest \n"));
}

TEST_F(AndroidDamagedProjectTest, ManifestWithAnotherRoot) {
  sandbox.WriteFile("game/tmp/Android/Release/AndroidManifest.xml", "<application/>\n");
  ProgramResult result = Run("--configure");
  ExpectConfigureFailure(result);
  std::string out = WithoutCarriageReturns(result.out);
  EXPECT_TRUE(Contains(out, "Failed to initialize manifest \n"));
  EXPECT_FALSE(Contains(out, "Cannot open file"));
  EXPECT_EQ(ReadBuilt("AndroidManifest.xml"), "<application/>\n");
}

TEST_F(AndroidDamagedProjectTest, StringsWithoutResources) {
  sandbox.WriteFile("game/tmp/Android/Release/res/values/strings.xml", "<strings/>\n");
  ProgramResult result = Run("--configure");
  ExpectConfigureFailure(result);
  EXPECT_TRUE(Contains(WithoutCarriageReturns(result.err), "Cannot find ressource node " +
                                                               Built("res/values/strings.xml") +
                                                               "\n"
                                                               "Failed to edit strings.xml \n"));
}

TEST_F(AndroidDamagedProjectTest, MissingStrings) {
  fs::remove(Built("res/values/strings.xml"));
  ProgramResult result = Run("--configure");
  ExpectConfigureFailure(result);
  EXPECT_TRUE(Contains(WithoutCarriageReturns(result.err), "Cannot open file "));
}

TEST_F(AndroidDamagedProjectTest, StringsWithACommentKeepOneApplicationName) {
  sandbox.WriteFile("game/tmp/Android/Release/res/values/strings.xml",
                    "<resources>\n<!-- shown on the launcher -->\n<string name=\"app_name\">Old</string>\n"
                    "<string name=\"other\">x</string>\n</resources>\n");
  ProgramResult result = Run("--configure");
  EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
  std::string strings = ReadBuilt("res/values/strings.xml");
  EXPECT_FALSE(Contains(strings, "Old"));
  EXPECT_TRUE(Contains(strings, "<string name=\"other\">x</string>"));
  EXPECT_TRUE(Contains(strings, "<string name=\"app_name\">Demo</string>"));
}

}  // namespace
