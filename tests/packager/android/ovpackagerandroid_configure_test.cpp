// COvPackagerAndroid --configure, end to end: project creation and update, the manifest, the
// splash layout and image, the launcher icons, the application name and the signing data.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "packager/android/android_sandbox.h"

namespace {

using namespace packagertest;
using Runs = std::vector<std::vector<std::string>>;

// The manifest that the first configure of a project made by the SDK's project tool leaves
// (package com.example.demo, version code 1, version 2.5), as TinyXML saves it, with "\n" line
// ends.
const char kConfiguredManifest[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n"
    "<manifest xmlns:android=\"http://schemas.android.com/apk/res/android\" package=\"com.example.demo\" "
    "android:versionCode=\"1\" android:versionName=\"2.5\" android:installLocation=\"auto\">\n"
    "    <application android:label=\"@string/app_name\" android:icon=\"@drawable/ic_launcher\" "
    "android:allowBackup=\"false\" android:hardwareAccelerated=\"false\">\n"
    "        <activity android:name=\"com.orvo.sdk.TheActivity\" android:launchMode=\"singleTask\" "
    "android:screenOrientation=\"sensorLandscape\" android:configChanges=\"keyboardHidden|screenSize\" "
    "android:label=\"@string/app_name\">\n"
    "            <intent-filter>\n"
    "                <action android:name=\"android.intent.action.MAIN\" />\n"
    "                <category android:name=\"android.intent.category.LAUNCHER\" />\n"
    "                <category android:name=\"tv.ouya.intent.category.GAME\" />\n"
    "            </intent-filter>\n"
    "        </activity>\n"
    "    </application>\n"
    "    <uses-sdk android:minSdkVersion=\"9\" android:targetSdkVersion=\"19\" />\n"
    "    <uses-feature android:glEsVersion=\"0x00020000\" />\n"
    "</manifest>\n";

class AndroidConfigureTest : public AndroidSandbox {
 protected:
  std::vector<std::string> CreateArguments(const std::string& name, const std::string& level = "19") {
    return {"create", "project",        "--target",   "android-" + level, "--name",    name,
            "--path", BuildDirectory(), "--activity", "TheActivity",      "--package", "com.example.demo"};
  }
};

TEST_F(AndroidConfigureTest, FirstConfigureCreatesTheProjectAndTheSecondOnlyUpdatesIt) {
  // A name with XML characters is one argument of the tool and stays well-formed text.
  WriteGame("My &lt;Game&gt; &amp; Co");
  const std::string name = "My<Game> & Co";
  ProgramResult result = Run("--configure");
  ExpectSuccess(result);
  EXPECT_EQ(RunsOf("android"), Runs{CreateArguments(name)});
  const std::string out = WithoutCarriageReturns(result.out);
  EXPECT_TRUE(Contains(out, androidTool + " create project --target android-19 --name \"" + name +
                                "\" --path " + BuildDirectory() +
                                " --activity TheActivity --package com.example.demo\n"));
  EXPECT_TRUE(Contains(out, "#Info: Android Project created.\n"));
  EXPECT_TRUE(Contains(out, "#Info: Android Manifest updated.\n"));
  // Without an icon nothing is rendered.
  EXPECT_TRUE(Contains(WithoutCarriageReturns(result.err), "Warning : No icon !\n"));
  EXPECT_TRUE(RunsOf("convert").empty());

  const std::string manifest = ReadBuilt("AndroidManifest.xml"),
                    strings = ReadBuilt("res/values/strings.xml");
  EXPECT_EQ(kConfiguredManifest, WithoutCarriageReturns(manifest));
  EXPECT_TRUE(Contains(strings, "<string name=\"app_name\">My&lt;Game&gt; &amp; Co</string>"));
  // The splash layout, written in text mode: CR LF line ends on Windows.
  const std::string layout = ReadBuilt("res/layout/main.xml"), text = WithoutCarriageReturns(layout);
  EXPECT_EQ(ovhost::kIsWindows ? 739u : 719u, layout.size());
  EXPECT_EQ(0u, text.find("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"));
  EXPECT_TRUE(Contains(text,
                       "\t<RelativeLayout xmlns:android=\"http://schemas.android.com/apk/res/android\"\n"
                       "\txmlns:tools=\"http://schemas.android.com/tools\"\n"));
  EXPECT_TRUE(EndsWith(text, "\t\tandroid:src=\"@drawable/splash\" />\n</RelativeLayout>\n"));
  EXPECT_EQ("splash image bytes", ReadBuilt("res/drawable/splash.jpg"));
  EXPECT_FALSE(FileExists(Built("res/drawable/splash_hd.jpg")));
  // The generated Java sources are removed.
  EXPECT_TRUE(std::filesystem::is_empty(Built("src")));

  ProgramResult second = Run("--configure");
  ExpectSuccess(second);
  EXPECT_EQ(
      RunsOf("android"),
      (Runs{CreateArguments(name),
            {"update", "project", "--name", name, "--target", "android-19", "--path", BuildDirectory()}}));
  EXPECT_TRUE(Contains(WithoutCarriageReturns(second.out), "#Info: Android Project updated.\n"));
  EXPECT_EQ(manifest, ReadBuilt("AndroidManifest.xml"));
  EXPECT_EQ(strings, ReadBuilt("res/values/strings.xml"));
}

TEST_F(AndroidConfigureTest, FailingIconConversionDoesNotStopConfigure) {
  WriteGame("Demo", true);
  SetEnv("OV_FAKE_TOOL_EXIT_convert", "1");
  ExpectSuccess(Run("--configure"));
  EXPECT_EQ(6u, RunsOf("convert").size());
  EXPECT_FALSE(std::filesystem::exists(Built("res/drawable-ldpi/ic_launcher.png")));
  EXPECT_FALSE(std::filesystem::exists(Built("res/drawable-ldpi/.tmp-ic_launcher.png")));
}

// The settings of the android group, each row configured and then built: ant builds a release
// only with complete signing data.
TEST_F(AndroidConfigureTest, SigningDataOnlyWhenCompleteAndApiLevelNeverBelowNineteen) {
  const std::string keys = Setting("androidkeystorepwd", "store&amp;pass") +
                           Setting("androidkeyalias", "game") + Setting("androidkeyaliaspwd", "alias pass");
  const std::string rest = "\nkey.store.password=store&pass\nkey.alias=game\nkey.alias.password=alias pass\n";
  std::string relative = sandbox.GameDir() + kSep + "keys/release.keystore";
  std::replace(relative.begin(), relative.end(), '\\', '/');
  const std::string absolute = ovhost::kIsWindows ? "D:\\keys\\r.ks" : "/keys/r.ks";
  const struct {
    std::string settings, properties, level;
  } rows[] = {
      // Three signing settings, and the fourth without a value or with another letter case. Every
      // API level setting is applied in turn: a level below 19, a text that is no number (0), a
      // name in another letter case and a setting without value all leave 19.
      {Setting("androidkeystore", "r.ks") + Setting("androidkeystorepwd", "a") +
           Setting("androidkeyalias", "b") + Setting("androidKeyAliasPwd", "c") +
           "<setting name=\"androidkeyaliaspwd\"/>" + Setting("androidkeyaliaspwd", "") +
           Setting("androidsdkid", "17") + Setting("androidsdkid", "abc") + Setting("androidSdkId", "23") +
           "<setting name=\"androidsdkid\"/>\n",
       "# created by ov_fake_android\n", "19"},
      {Setting("androidkeystore", "keys\\release.keystore") + keys + Setting("androidsdkid", "21"),
       "key.store=" + relative + rest, "21"},
      {Setting("androidkeystore", absolute) + keys,
       std::string("key.store=") + (ovhost::kIsWindows ? "D:/keys/r.ks" : "/keys/r.ks") + rest, "19"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.properties);
    const bool signing = row.properties[0] != '#';
    std::filesystem::remove_all(sandbox.Path("game/tmp"));
    std::filesystem::remove(sandbox.Path("tools.log"));
    WriteGame("Demo", false, true, row.settings);
    ProgramResult result = Run("--configure");
    ExpectSuccess(result);
    EXPECT_EQ(row.properties, WithoutCarriageReturns(ReadBuilt("ant.properties")));
    const std::string announced =
        "#Info: Start rewriting ant.properties " + BuildDirectory() + "ant.properties\n";
    EXPECT_EQ(signing, bool(Contains(WithoutCarriageReturns(result.out), announced)));
    EXPECT_EQ(RunsOf("android"), Runs{CreateArguments("Demo", row.level)});
    EXPECT_TRUE(Contains(ReadBuilt("AndroidManifest.xml"), "android:targetSdkVersion=\"" + row.level + "\""));
    ProgramResult build = Run("--build");
    ExpectSuccess(build);
    const char* mode = signing ? "release" : "debug";
    EXPECT_EQ(RunsOf("ant"), (Runs{{"-buildfile", BuildDirectory() + "build.xml", mode}}));
    // The passwords are in the file only, never in the output.
    for (const char* secret : {"store&pass", "alias pass"}) {
      EXPECT_FALSE(Contains(result.out + result.err + build.out + build.err, secret));
    }
  }
}

#ifndef _WIN32
// The real ImageMagick is installed on the Linux machines only; the Windows leg runs the same
// steps with the fake converter above.
TEST_F(AndroidConfigureTest, RealImageMagickRendersLauncherIconsOfEverySize) {
  WriteGame("Demo", true);
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
    EXPECT_EQ(std::string("\x89PNG\r\n\x1a\n", 8) + png.substr(8, 4) + "IHDR", png.substr(0, 16));
    auto word = [&png](size_t at) {
      return (unsigned(uint8_t(png[at])) << 24) | (unsigned(uint8_t(png[at + 1])) << 16) |
             (unsigned(uint8_t(png[at + 2])) << 8) | unsigned(uint8_t(png[at + 3]));
    };
    EXPECT_EQ(size, word(16));
    EXPECT_EQ(size, word(20));
  }
}
#endif

}  // namespace
