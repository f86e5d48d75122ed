// COvPackagerAndroid --build, --copy and --clean end to end, and the configure failures that a
// damaged project in the build directory causes.
#include <gtest/gtest.h>

#include <filesystem>

#include "packager/android/android_sandbox.h"

namespace {

namespace fs = std::filesystem;
using namespace packagertest;

class AndroidBuildTest : public AndroidSandbox {
 protected:
  AndroidBuildTest() {
    sandbox.WriteFile("game/tmp/Android/OpenGLES2/BF-main.bf", "main big file");
    // A configured project, as a previous --configure leaves it, with an empty libs directory.
    fs::create_directories(Built("libs"));
    sandbox.WriteFile("game/tmp/Android/Release/build.xml", "<project name=\"Demo\"/>\n");
    sandbox.WriteFile("game/tmp/Android/Release/AndroidManifest.xml", "<manifest>\n</manifest>\n");
    sandbox.WriteFile("game/tmp/Android/Release/res/values/strings.xml",
                      "<resources>\n<string name=\"app_name\">Old</string>\n</resources>\n");
  }
};

// Ant's arguments for each build mode are checked with the signing data that selects it, and
// the tool's announced command line with the project tool's.
TEST_F(AndroidBuildTest, BuildFillsTheBuildDirectoryAndCleanEmptiesIt) {
  ProgramResult result = Run("--build");
  ExpectSuccess(result);
  EXPECT_TRUE(Contains(WithoutCarriageReturns(result.out), "#Info: Start copying Java Sources\n"));
  // The content (Android's selection of it is the content copy's) and the engine's template.
  EXPECT_EQ("main big file", ReadBuilt("assets/BF-main.bf"));
  EXPECT_EQ("package com.orvo.sdk;\n", ReadBuilt("src/com/orvo/sdk/TheActivity.java"));
  EXPECT_EQ("native libraries\n", ReadBuilt("libs/readme.txt"));

  ExpectOutcome(Run("--clean"), 0, Preamble());
  EXPECT_TRUE(fs::is_directory(BuildDirectory()));
  EXPECT_TRUE(fs::is_empty(BuildDirectory()));
}

TEST_F(AndroidBuildTest, FailingAntFailsTheBuild) {
  SetEnv("OV_FAKE_TOOL_EXIT_ant", "1");
  SetEnv("OV_FAKE_TOOL_STDERR_ant", "BUILD FAILED\n");
  ProgramResult result = Run("--build");
  // Ant's own text-mode line end is echoed as is, so only the packager's lines are compared whole.
  ExpectOutcomeEndingWith(result, -6, "Failed to build APK \nFailed Build in OvGamePackager.\n");
  EXPECT_TRUE(Contains(result.err, "BUILD FAILED"));
}

TEST_F(AndroidBuildTest, CopyInstallsTheLibraryForItsArchitecture) {
  const std::string library = sandbox.WriteFile("out/libgame.so", "native code");
  const std::string failed = "Failed copying target in OvGamePackager.\n";
  ExpectOutcome(Run("--copy", {library}), -7, Preamble() + "Error : Missing architecture !\n" + failed);
  EXPECT_TRUE(fs::is_empty(Built("libs")));
  ExpectOutcome(Run("--copy", {sandbox.Path("out/missing.so"), "x86"}), -7, Preamble() + failed);
  ExpectOutcome(Run("--copy", {library, "armeabi-v7a"}), 0, Preamble());
  EXPECT_EQ("native code", ReadBuilt("libs/armeabi-v7a/libgame.so"));
}

// Configure on a project whose files are damaged: the project exists (so it is updated), and
// one of the files that Configure edits is wrong.
TEST_F(AndroidBuildTest, DamagedProjectFilesFailConfigure) {
  const std::string strings = Built("res/values/strings.xml");
  const struct {
    const char *file, *content;  // null content: the file is removed
    std::string out, err;
  } rows[] = {
      {"AndroidManifest.xml", "this is not XML <<<",
       "Cannot open file " + BuildDirectory() + kSep +
           "AndroidManifest.xml\nFailed to initialize manifest \n",
       ""},
      {"res/values/strings.xml", "<strings/>\n", "",
       "Cannot find ressource node " + strings + "\nFailed to edit strings.xml \n"},
      {"res/values/strings.xml", nullptr, "",
       "Cannot open file " + strings + "\nFailed to edit strings.xml \n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.out + row.err);
    const std::string saved = ReadBuilt(row.file);
    if (row.content) {
      sandbox.WriteFile(std::string("game/tmp/Android/Release/") + row.file, row.content);
    } else {
      fs::remove(Built(row.file));
    }
    ProgramResult result = Run("--configure");
    ExpectOutcomeEndingWith(result, -5, row.err + "Failed Configure in OvGamePackager.\n");
    EXPECT_TRUE(Contains(WithoutCarriageReturns(result.out), row.out));
    EXPECT_EQ(row.content ? row.content : "", ReadBuilt(row.file));
    sandbox.WriteFile(std::string("game/tmp/Android/Release/") + row.file, saved);
  }
  // A comment in strings.xml does not hide the application name, which is replaced once.
  sandbox.WriteFile("game/tmp/Android/Release/res/values/strings.xml",
                    "<resources>\n<!-- shown on the launcher -->\n<string name=\"app_name\">Old</string>\n"
                    "<string name=\"other\">x</string>\n</resources>\n");
  ExpectSuccess(Run("--configure"));
  const std::string edited = ReadBuilt("res/values/strings.xml");
  EXPECT_FALSE(Contains(edited, "Old"));
  EXPECT_TRUE(Contains(edited, "<string name=\"other\">x</string>"));
  EXPECT_TRUE(Contains(edited, "<string name=\"app_name\">Demo</string>"));
}

}  // namespace
