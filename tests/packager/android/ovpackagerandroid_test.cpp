// COvPackagerAndroid: the texts derived from the game's settings, and the set-up failures of a
// run (environment, template directory, splash screen), end to end.
#include "packager/android/ovpackagerandroid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/ovstrfuncs.h"
#include "packager/android/android_sandbox.h"
#include "support/run_program.h"

namespace {

struct TextCase {
  const char* input;
  const char* expected;
};

TEST(AndroidApplicationName, LosesOnlyItsFirstSpace) {
  const TextCase cases[] = {
      {"Demo", "Demo"}, {"My Game", "MyGame"}, {"My Big Game", "MyBig Game"}, {" Lead", "Lead"}, {"", ""}};
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_STREQ(COvPackagerAndroid::ApplicationName(c.input).GetBuffer(), c.expected);
  }
}

TEST(AndroidApplicationName, IsOneArgumentOnTheToolCommandLine) {
  const TextCase cases[] = {{"Demo", "Demo"},
                            {"My Game", "MyGame"},
                            {"My Big Game", "\"MyBig Game\""},
                            {"My <Game> & Co", "\"My<Game> & Co\""},
                            {"Say \"Hi\"", "SayHi"},
                            {"A|B", "\"A|B\""},
                            {"Back sl ash\\", "\"Backsl ash\""}};
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_STREQ(COvPackagerAndroid::ApplicationNameArgument(c.input).GetBuffer(), c.expected);
  }
}

TEST(AndroidKeyStorePath, WindowsStyle) {
  const TextCase cases[] = {{"keys\\release.keystore", "C:/Games/Demo/keys/release.keystore"},
                            {"D:\\keys\\r.ks", "D:/keys/r.ks"},
                            {"d:/keys/r.ks", "d:/keys/r.ks"},
                            {"r.ks", "C:/Games/Demo/r.ks"}};
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_STREQ(
        COvPackagerAndroid::KeyStorePath(c.input, "C:\\Games\\Demo\\", EOvPathStyle::Windows).GetBuffer(),
        c.expected);
  }
}

TEST(AndroidKeyStorePath, PosixStyle) {
  const TextCase cases[] = {{"keys/release.keystore", "/games/demo/keys/release.keystore"},
                            {"keys\\release.keystore", "/games/demo/keys/release.keystore"},
                            {"/keys/r.ks", "/keys/r.ks"},
                            {"D:\\keys\\r.ks", "/games/demo/D:/keys/r.ks"}};
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_STREQ(COvPackagerAndroid::KeyStorePath(c.input, "/games/demo/", EOvPathStyle::Posix).GetBuffer(),
                 c.expected);
  }
}

TEST(AndroidSplashLayout, IsTheTwentyLineLayout) {
  std::string layout = COvPackagerAndroid::SplashLayoutText();
  EXPECT_EQ(layout.size(), 719u);
  EXPECT_EQ(std::count(layout.begin(), layout.end(), '\n'), 20);
  EXPECT_EQ(layout.substr(0, 39), "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
  EXPECT_NE(layout.find("\t<RelativeLayout xmlns:android=\"http://schemas.android.com/apk/res/android\"\n"
                        "\txmlns:tools=\"http://schemas.android.com/tools\"\n"),
            std::string::npos);
  EXPECT_NE(layout.find("\t\tandroid:src=\"@drawable/splash\" />\n</RelativeLayout>\n"), std::string::npos);
}

class AndroidInitializeTest : public AndroidSandbox {
 protected:
  void ExpectInitializeFailure(const ProgramResult& result, const std::string& message) {
    ASSERT_TRUE(result.started);
    EXPECT_EQ(result.exitCode, ExpectedExitCode(-4));
    std::string err = WithoutCarriageReturns(result.err);
    EXPECT_TRUE(Contains(err, message + "Failed initializing Packager.\n"));
    EXPECT_TRUE(RunsOf("android").empty());
  }
};

TEST_F(AndroidInitializeTest, NeedsAndroidSdkRoot) {
  Unset("ANDROID_SDK_ROOT");
  ExpectInitializeFailure(Run("--configure"), "ANDROID_SDK_ROOT not defined !\n");
}

TEST_F(AndroidInitializeTest, NeedsAntHome) {
  Unset("ANT_HOME");
  ExpectInitializeFailure(Run("--build"), "ANT_HOME not defined !\n");
}

TEST_F(AndroidInitializeTest, NeedsTheTemplateBesideTheToolDirectory) {
  std::filesystem::rename(sandbox.Path("Android"), sandbox.Path("android-template"));
  const std::string s = Separator();
  ExpectInitializeFailure(Run("--configure"), "Cant find Android sources at " + sandbox.ToolDir() + s + s +
                                                  ".." + s + "Android\n");
}

TEST_F(AndroidInitializeTest, NeedsASplashScreen) {
  WriteGame({"Demo", true, false, ""});
  ExpectInitializeFailure(Run("--configure"),
                          "No splashscreen !\nFailed to initialize general parameters !\n");
}

}  // namespace
