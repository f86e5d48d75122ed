// COvPackagerAndroid: the texts derived from the game's settings, and the set-up failures of a
// run (environment, template directory, splash screen), end to end.
#include "packager/android/ovpackagerandroid.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "packager/android/android_sandbox.h"

namespace {

TEST(AndroidApplicationName, LosesItsFirstSpaceAndIsOneToolArgument) {
  const struct {
    const char *input, *name, *argument;
  } rows[] = {{"Demo", "Demo", "Demo"},
              {"My Game", "MyGame", "MyGame"},
              {"My Big Game", "MyBig Game", "\"MyBig Game\""},
              {" Lead", "Lead", "Lead"},
              {"", "", ""},
              {"My <Game> & Co", "My<Game> & Co", "\"My<Game> & Co\""},
              {"Say \"Hi\"", "Say\"Hi\"", "SayHi"},
              {"A|B", "A|B", "\"A|B\""},
              {"Back sl ash\\", "Backsl ash\\", "\"Backsl ash\""}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.input);
    EXPECT_STREQ(row.name, COvPackagerAndroid::ApplicationName(row.input).GetBuffer());
    EXPECT_STREQ(row.argument, COvPackagerAndroid::ApplicationNameArgument(row.input).GetBuffer());
  }
}

TEST(AndroidKeyStorePath, RelativePathsAreBelowTheGameAndUseForwardSlashes) {
  const EOvPathStyle windows = EOvPathStyle::Windows, posix = EOvPathStyle::Posix;
  const struct {
    EOvPathStyle style;
    const char *input, *expected;
  } rows[] = {{windows, "keys\\release.keystore", "C:/Games/Demo/keys/release.keystore"},
              {windows, "D:\\keys\\r.ks", "D:/keys/r.ks"},
              {windows, "d:/keys/r.ks", "d:/keys/r.ks"},
              {windows, "r.ks", "C:/Games/Demo/r.ks"},
              {posix, "keys/release.keystore", "/games/demo/keys/release.keystore"},
              {posix, "keys\\release.keystore", "/games/demo/keys/release.keystore"},
              {posix, "/keys/r.ks", "/keys/r.ks"},
              {posix, "D:\\keys\\r.ks", "/games/demo/D:/keys/r.ks"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.input);
    const char* game = row.style == windows ? "C:\\Games\\Demo\\" : "/games/demo/";
    EXPECT_STREQ(row.expected, COvPackagerAndroid::KeyStorePath(row.input, game, row.style).GetBuffer());
  }
}

using AndroidInitializeTest = AndroidSandbox;

TEST_F(AndroidInitializeTest, TheFirstMissingPieceFailsInitialization) {
  // Each row adds one more fault to the previous ones; the one checked first is reported.
  const std::string s = packagertest::kSep;
  const struct {
    const char* action;
    std::string message;
  } rows[] = {
      {"--configure", "Cant find Android sources at " + sandbox.ToolDir() + s + s + ".." + s + "Android\n"},
      {"--build", "ANT_HOME not defined !\n"},
      {"--configure", "ANDROID_SDK_ROOT not defined !\n"},
      {"--configure", "No splashscreen !\nFailed to initialize general parameters !\n"}};
  std::filesystem::rename(sandbox.Path("Android"), sandbox.Path("android-template"));
  for (size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(rows[i].message);
    if (i == 1) SetEnv("ANT_HOME", nullptr);
    if (i == 2) SetEnv("ANDROID_SDK_ROOT", nullptr);
    if (i == 3) WriteGame("Demo", false, false);
    packagertest::ExpectOutcome(
        Run(rows[i].action), -4,
        (i < 3 ? Preamble() : NoIcon()) + rows[i].message + "Failed initializing Packager.\n");
  }
  EXPECT_TRUE(RunsOf("android").empty());
}

}  // namespace
