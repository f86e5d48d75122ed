// COvPackagerAndroid --configure, end to end: project creation and update, the manifest, the
// splash layout and image, the launcher icons, the application name and the signing data.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <filesystem>

#include "packager/android/android_sandbox.h"
#include "packager/android/expected_manifest.h"
#include "packager/android/ovpackagerandroid.h"
#include "support/run_program.h"

namespace {

// The text of the "app_name" string of strings.xml; "(none)" when the file or entry is missing.
std::string AppName(const std::string& path) {
  TiXmlDocument document;
  if (!document.LoadFile(path.c_str()) || !document.RootElement()) return "(not XML)";
  for (TiXmlElement* entry = document.RootElement()->FirstChildElement("string"); entry;
       entry = entry->NextSiblingElement("string")) {
    const char* name = entry->Attribute("name");
    if (name && std::string(name) == "app_name") return entry->GetText() ? entry->GetText() : "";
  }
  return "(none)";
}

class AndroidConfigureTest : public AndroidSandbox {
 protected:
  // The icons cost six conversions per run: only the tests about them have one.
  AndroidConfigureTest() {
    InstallFakeConvert();
    WriteGame({"Demo", false, true, ""});
  }

  void WriteGameWithIcon() { WriteGame({"Demo", true, true, ""}); }

  void ExpectSuccess(const ProgramResult& result) {
    ASSERT_TRUE(result.started);
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
  }

  std::vector<std::string> CreateArguments(const std::string& name, const std::string& level = "19") {
    return {"create", "project",        "--target",   "android-" + level, "--name",    name,
            "--path", BuildDirectory(), "--activity", "TheActivity",      "--package", "com.example.demo"};
  }
};

TEST_F(AndroidConfigureTest, FirstConfigureCreatesTheProject) {
  WriteGameWithIcon();
  ProgramResult result = Run("--configure");
  ExpectSuccess(result);
  std::vector<FakeToolRun> runs = RunsOf("android");
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(ArgumentsOf(runs[0]), CreateArguments("Demo"));
  std::string out = WithoutCarriageReturns(result.out);
  EXPECT_TRUE(Contains(out, androidTool + " create project --target android-19 --name Demo --path " +
                                BuildDirectory() + " --activity TheActivity --package com.example.demo\n"));
  EXPECT_TRUE(Contains(out, "#Info: Android Project created.\n"));
  EXPECT_TRUE(Contains(out, "#Info: Android Manifest updated.\n"));
}

TEST_F(AndroidConfigureTest, FirstConfigureGivesTheEngineManifest) {
  ExpectSuccess(Run("--configure"));
  EXPECT_EQ(WithoutCarriageReturns(ReadBuilt("AndroidManifest.xml")), ConfiguredManifest("19"));
}

TEST_F(AndroidConfigureTest, SecondConfigureUpdatesAndChangesNothing) {
  ExpectSuccess(Run("--configure"));
  std::string manifest = ReadBuilt("AndroidManifest.xml");
  std::string strings = ReadBuilt("res/values/strings.xml");
  std::string layout = ReadBuilt("res/layout/main.xml");

  ProgramResult second = Run("--configure");
  ExpectSuccess(second);
  std::vector<FakeToolRun> runs = RunsOf("android");
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(ArgumentsOf(runs[1]), (std::vector<std::string>{"update", "project", "--name", "Demo", "--target",
                                                            "android-19", "--path", BuildDirectory()}));
  std::string out = WithoutCarriageReturns(second.out);
  EXPECT_TRUE(Contains(out, androidTool + " update project --name Demo --target android-19 --path " +
                                BuildDirectory() + "\n"));
  EXPECT_TRUE(Contains(out, "#Info: Android Project updated.\n"));
  EXPECT_TRUE(Contains(ReadBuilt("build.xml"), "updated by ov_fake_android"));
  EXPECT_EQ(ReadBuilt("AndroidManifest.xml"), manifest);
  EXPECT_EQ(ReadBuilt("res/values/strings.xml"), strings);
  EXPECT_EQ(ReadBuilt("res/layout/main.xml"), layout);
}

TEST_F(AndroidConfigureTest, SplashLayoutAndImageAreWritten) {
  ExpectSuccess(Run("--configure"));
  std::string layout = ReadBuilt("res/layout/main.xml");
  // Written in text mode: CR LF line ends on Windows.
  EXPECT_EQ(layout.size(), ovhost::kIsWindows ? 739u : 719u);
  EXPECT_EQ(WithoutCarriageReturns(layout), COvPackagerAndroid::SplashLayoutText());
  EXPECT_EQ(ReadBuilt("res/drawable/splash.jpg"), "splash image bytes");
  EXPECT_FALSE(FileExists(Built("res/drawable/splash_hd.jpg")));
}

TEST_F(AndroidConfigureTest, GeneratedJavaSourcesAreRemoved) {
  ExpectSuccess(Run("--configure"));
  EXPECT_TRUE(std::filesystem::is_directory(Built("src")));
  EXPECT_TRUE(std::filesystem::is_empty(Built("src")));
}

TEST_F(AndroidConfigureTest, NameWithXmlCharactersStaysWellFormed) {
  WriteGame({"My &lt;Game&gt; &amp; Co", false, true, ""});
  ExpectSuccess(Run("--configure"));
  std::vector<FakeToolRun> runs = RunsOf("android");
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(ArgumentsOf(runs[0]), CreateArguments("My<Game> & Co"));
  EXPECT_EQ(AppName(Built("res/values/strings.xml")), "My<Game> & Co");

  // And survives the next run.
  ExpectSuccess(Run("--configure"));
  EXPECT_EQ(AppName(Built("res/values/strings.xml")), "My<Game> & Co");
}

TEST_F(AndroidConfigureTest, FailingIconConversionDoesNotStopConfigure) {
  WriteGameWithIcon();
  SetEnv("OV_FAKE_TOOL_EXIT_convert", "1");
  ProgramResult result = Run("--configure");
  ExpectSuccess(result);
  EXPECT_EQ(RunsOf("convert").size(), 6u);
  EXPECT_FALSE(std::filesystem::exists(Built("res/drawable-ldpi/ic_launcher.png")));
  EXPECT_FALSE(std::filesystem::exists(Built("res/drawable-ldpi/.tmp-ic_launcher.png")));
  EXPECT_EQ(AppName(Built("res/values/strings.xml")), "Demo");
}

TEST_F(AndroidConfigureTest, NoIconWarnsAndRendersNothing) {
  WriteGame({"Demo", false, true, ""});
  ProgramResult result = Run("--configure");
  ExpectSuccess(result);
  EXPECT_TRUE(Contains(WithoutCarriageReturns(result.err), "Warning : No icon !\n"));
  EXPECT_TRUE(RunsOf("convert").empty());
}

TEST_F(AndroidConfigureTest, CompleteSigningDataRewritesAntProperties) {
  WriteGame({"Demo", false, true,
             Setting("androidkeystore", "keys\\release.keystore") +
                 Setting("androidkeystorepwd", "store&amp;pass") + Setting("androidkeyalias", "game") +
                 Setting("androidkeyaliaspwd", "alias pass")});
  ProgramResult result = Run("--configure");
  ExpectSuccess(result);
  std::string keyStore = sandbox.GameDir() + Separator() + "keys/release.keystore";
  for (char& c : keyStore) {
    if (c == '\\') c = '/';
  }
  EXPECT_EQ(WithoutCarriageReturns(ReadBuilt("ant.properties")),
            "key.store=" + keyStore +
                "\nkey.store.password=store&pass\nkey.alias=game\nkey.alias.password=alias pass\n");
  EXPECT_TRUE(Contains(WithoutCarriageReturns(result.out),
                       "#Info: Start rewriting ant.properties " + BuildDirectory() + "ant.properties\n"));
  // The passwords are in the file only, never in the output.
  EXPECT_FALSE(Contains(result.out + result.err, "store&pass"));
}

TEST_F(AndroidConfigureTest, AbsoluteKeyStoreIsKeptAsGiven) {
  std::string keyStore = ovhost::kIsWindows ? "D:\\keys\\r.ks" : "/keys/r.ks";
  WriteGame({"Demo", false, true,
             Setting("androidkeystore", keyStore) + Setting("androidkeystorepwd", "a") +
                 Setting("androidkeyalias", "b") + Setting("androidkeyaliaspwd", "c")});
  ExpectSuccess(Run("--configure"));
  EXPECT_TRUE(Contains(ReadBuilt("ant.properties"),
                       ovhost::kIsWindows ? "key.store=D:/keys/r.ks" : "key.store=/keys/r.ks"));
}

TEST_F(AndroidConfigureTest, IncompleteSigningDataLeavesAntPropertiesAlone) {
  // Three settings, and the fourth without a value or with another letter case.
  WriteGame({"Demo", false, true,
             Setting("androidkeystore", "release.keystore") + Setting("androidkeystorepwd", "a") +
                 Setting("androidkeyalias", "b") + Setting("androidKeyAliasPwd", "c") +
                 "                    <setting name=\"androidkeyaliaspwd\"/>\n" +
                 Setting("androidkeyaliaspwd", "")});
  ProgramResult result = Run("--configure");
  ExpectSuccess(result);
  EXPECT_EQ(ReadBuilt("ant.properties"), "# created by ov_fake_android\n");
  EXPECT_FALSE(Contains(result.out, "ant.properties"));
}

TEST_F(AndroidConfigureTest, ApiLevelIsNeverBelowNineteen) {
  // Every setting is applied in turn: a level below 19, a text that is no number (0), a name in
  // another letter case and a setting without value all leave 19.
  const std::vector<std::pair<std::string, std::string>> cases = {
      {Setting("androidsdkid", "17") + Setting("androidsdkid", "abc") + Setting("androidSdkId", "23") +
           "                    <setting name=\"androidsdkid\"/>\n",
       "19"},
      {Setting("androidsdkid", "21"), "21"}};
  for (const auto& [settings, level] : cases) {
    SCOPED_TRACE(settings);
    std::filesystem::remove_all(sandbox.Path("game/tmp"));
    std::filesystem::remove(sandbox.Path("tools.log"));
    WriteGame({"Demo", false, true, settings});
    ExpectSuccess(Run("--configure"));
    std::vector<FakeToolRun> runs = RunsOf("android");
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(ArgumentsOf(runs[0]), CreateArguments("Demo", level));
    EXPECT_TRUE(Contains(ReadBuilt("AndroidManifest.xml"), "android:targetSdkVersion=\"" + level + "\""));
  }
}

#ifndef _WIN32
// The real ImageMagick is installed on the Linux machines only; the Windows leg runs the same
// steps with the fake converter above.
TEST_F(AndroidConfigureTest, RealImageMagickRendersLauncherIconsOfEverySize) {
  WriteGameWithIcon();
  std::filesystem::remove(sandbox.Path("tools/convert"));
  std::filesystem::copy_file(std::string(OV_TEST_SOURCE_DIR) + "/examples/demo/icons/game.png",
                             sandbox.Path("game/art/icon.png"),
                             std::filesystem::copy_options::overwrite_existing);
  ExpectSuccess(Run("--configure"));
  const std::vector<std::pair<std::string, unsigned>> densities = {
      {"drawable-ldpi", 36},  {"drawable-mdpi", 48},    {"drawable-hdpi", 72},
      {"drawable-xhdpi", 96}, {"drawable-xxhdpi", 144}, {"drawable-xxxhdpi", 192}};
  for (const auto& [directory, size] : densities) {
    SCOPED_TRACE(directory);
    std::string png = ReadBuilt("res/" + directory + "/ic_launcher.png");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    auto word = [&png](size_t at) {
      return (unsigned(uint8_t(png[at])) << 24) | (unsigned(uint8_t(png[at + 1])) << 16) |
             (unsigned(uint8_t(png[at + 2])) << 8) | unsigned(uint8_t(png[at + 3]));
    };
    EXPECT_EQ(word(16), size);
    EXPECT_EQ(word(20), size);
  }
}
#endif

}  // namespace
