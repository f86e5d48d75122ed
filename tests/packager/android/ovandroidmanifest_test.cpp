// COvAndroidManifest on manifest files: loading, the first-time set-up, the edit and its
// idempotence, and the edge cases of conflicting, foreign and partial declarations.
#include "packager/android/ovandroidmanifest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "packager/android/expected_manifest.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace {

// What the SDK's project tool writes for a new project (one activity, its launcher filter).
const char kCreatedManifest[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<manifest xmlns:android=\"http://schemas.android.com/apk/res/android\"\n"
    "      package=\"com.example.demo\"\n"
    "      android:versionCode=\"1\"\n"
    "      android:versionName=\"1.0\">\n"
    "    <application android:label=\"@string/app_name\" android:icon=\"@drawable/ic_launcher\">\n"
    "        <activity android:name=\"TheActivity\"\n"
    "                  android:label=\"@string/app_name\">\n"
    "            <intent-filter>\n"
    "                <action android:name=\"android.intent.action.MAIN\" />\n"
    "                <category android:name=\"android.intent.category.LAUNCHER\" />\n"
    "            </intent-filter>\n"
    "        </activity>\n"
    "    </application>\n"
    "</manifest>\n";

std::string Manifest(const std::string& attributes, const std::string& content) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<manifest" + attributes + ">\n" + content +
         "</manifest>\n";
}

std::vector<const TiXmlElement*> Children(const TiXmlElement* parent, const char* name = nullptr) {
  std::vector<const TiXmlElement*> children;
  for (const TiXmlElement* child = parent->FirstChildElement(); child; child = child->NextSiblingElement()) {
    if (!name || std::string(child->Value()) == name) children.push_back(child);
  }
  return children;
}

std::vector<std::string> Names(const std::vector<const TiXmlElement*>& elements) {
  std::vector<std::string> names;
  for (const TiXmlElement* element : elements) names.push_back(element->Value());
  return names;
}

std::string AttributeOf(const TiXmlElement* element, const char* name) {
  const char* value = element->Attribute(name);
  return value ? value : "(none)";
}

class AndroidManifestTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& content) { return temp.WriteFile("AndroidManifest.xml", content); }

  std::string Saved() { return WithoutCarriageReturns(ReadFileBytes(temp.Join("AndroidManifest.xml"))); }

  // Loads the file at the given level, edits and saves it, and reloads the result.
  void UpdateAndReload(const std::string& level = "19") {
    ASSERT_TRUE(manifest.Initialize(COvFilePath(temp.Join("AndroidManifest.xml").c_str()), level.c_str()));
    ASSERT_TRUE(manifest.Update("com.example.demo", "1", "1.0"));
    ASSERT_TRUE(manifest.Save());
    ASSERT_TRUE(manifest.Initialize(COvFilePath(temp.Join("AndroidManifest.xml").c_str()), level.c_str()));
  }

  const TiXmlElement* Root() { return manifest.GetRoot(); }

  TempDir temp;
  COvAndroidManifest manifest;
};

TEST_F(AndroidManifestTest, InitializeLoadsTheManifestElement) {
  std::string path = Write(kCreatedManifest);
  ASSERT_TRUE(manifest.Initialize(COvFilePath(path.c_str()), "21"));
  ASSERT_NE(Root(), nullptr);
  EXPECT_STREQ(Root()->Value(), "manifest");
  EXPECT_STREQ(manifest.GetTargetSdkVersion().GetBuffer(), "21");
}

TEST_F(AndroidManifestTest, InitializeReportsAFileThatCannotBeLoaded) {
  for (const char* content : {"", "this is not XML", "<manifest><application></manifest>"}) {
    SCOPED_TRACE(content);
    std::string path = content[0] ? Write(content) : temp.Join("missing.xml");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(manifest.Initialize(COvFilePath(path.c_str()), "19"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Cannot open file " + path + "\n");
    EXPECT_EQ(manifest.GetRoot(), nullptr);
  }
}

TEST_F(AndroidManifestTest, InitializeRejectsAnotherRootSilently) {
  std::string path = Write("<?xml version=\"1.0\"?>\n<resources>\n</resources>\n");
  testing::internal::CaptureStdout();
  EXPECT_FALSE(manifest.Initialize(COvFilePath(path.c_str()), "19"));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(manifest.GetRoot(), nullptr);
}

TEST_F(AndroidManifestTest, NothingIsEditedOrWrittenWithoutALoadedManifest) {
  EXPECT_FALSE(manifest.RemoveActivities());
  EXPECT_FALSE(manifest.Update("com.example.demo", "1", "1.0"));
  EXPECT_FALSE(manifest.Save());

  // A failed load does not let the previous document be saved under the new name.
  std::string good = Write(kCreatedManifest);
  ASSERT_TRUE(manifest.Initialize(COvFilePath(good.c_str()), "19"));
  std::string missing = temp.Join("other.xml");
  testing::internal::CaptureStdout();
  EXPECT_FALSE(manifest.Initialize(COvFilePath(missing.c_str()), "19"));
  testing::internal::GetCapturedStdout();
  EXPECT_FALSE(manifest.Save());
  EXPECT_FALSE(FileExists(missing));
}

TEST_F(AndroidManifestTest, RemoveActivitiesEmptiesTheApplication) {
  Write(Manifest("",
                 "<application><activity android:name=\"A\"><intent-filter/></activity><meta-data/>"
                 "<activity android:name=\"B\"/></application>\n"));
  ASSERT_TRUE(manifest.Initialize(COvFilePath(temp.Join("AndroidManifest.xml").c_str()), "19"));
  EXPECT_TRUE(manifest.RemoveActivities());
  const TiXmlElement* application = Root()->FirstChildElement("application");
  EXPECT_EQ(Names(Children(application)), std::vector<std::string>{"meta-data"});
}

TEST_F(AndroidManifestTest, UpdateSetsTheIdentityOnTheRoot) {
  Write(Manifest(" package=\"old.package\" android:installLocation=\"internalOnly\"", ""));
  ASSERT_TRUE(manifest.Initialize(COvFilePath(temp.Join("AndroidManifest.xml").c_str()), "19"));
  ASSERT_TRUE(manifest.Update("com.example.game", "7", "3.4"));
  EXPECT_EQ(AttributeOf(Root(), "xmlns:android"), "http://schemas.android.com/apk/res/android");
  EXPECT_EQ(AttributeOf(Root(), "package"), "com.example.game");
  EXPECT_EQ(AttributeOf(Root(), "android:versionCode"), "7");
  EXPECT_EQ(AttributeOf(Root(), "android:versionName"), "3.4");
  EXPECT_EQ(AttributeOf(Root(), "android:installLocation"), "auto");
}

TEST_F(AndroidManifestTest, AnEmptyManifestGainsEveryPart) {
  Write(Manifest("", ""));
  UpdateAndReload();
  EXPECT_EQ(Names(Children(Root())), (std::vector<std::string>{"application", "uses-sdk", "uses-feature"}));
  const TiXmlElement* activity = Root()->FirstChildElement("application")->FirstChildElement("activity");
  ASSERT_NE(activity, nullptr);
  EXPECT_EQ(AttributeOf(activity, "android:name"), "com.orvo.sdk.TheActivity");
  EXPECT_EQ(Names(Children(activity->FirstChildElement("intent-filter"))),
            (std::vector<std::string>{"action", "category", "category"}));
}

TEST_F(AndroidManifestTest, ConflictingSdkDeclarationIsReplaced) {
  Write(Manifest(
      "", "<uses-sdk android:minSdkVersion=\"8\" android:targetSdkVersion=\"17\"/>\n<application/>\n"));
  UpdateAndReload("21");
  std::vector<const TiXmlElement*> sdks = Children(Root(), "uses-sdk");
  ASSERT_EQ(sdks.size(), 1u);
  EXPECT_EQ(AttributeOf(sdks[0], "android:minSdkVersion"), "9");
  EXPECT_EQ(AttributeOf(sdks[0], "android:targetSdkVersion"), "21");
  EXPECT_EQ(Names(Children(Root())), (std::vector<std::string>{"application", "uses-sdk", "uses-feature"}));
}

TEST_F(AndroidManifestTest, OtherFeaturesStayAndTheGlesOneIsAdded) {
  Write(Manifest("",
                 "<uses-feature android:name=\"android.hardware.touchscreen\"/>\n"
                 "<uses-feature android:glEsVersion=\"0x00010000\"/>\n"));
  UpdateAndReload();
  std::vector<const TiXmlElement*> features = Children(Root(), "uses-feature");
  ASSERT_EQ(features.size(), 3u);
  EXPECT_EQ(AttributeOf(features[2], "android:glEsVersion"), "0x00020000");
}

TEST_F(AndroidManifestTest, ForeignActivityStaysAndTheEngineActivityIsAppended) {
  Write(Manifest("",
                 "<application><activity android:name=\"com.other.Settings\" android:label=\"x\"/>"
                 "</application>\n"));
  UpdateAndReload();
  std::vector<const TiXmlElement*> activities =
      Children(Root()->FirstChildElement("application"), "activity");
  ASSERT_EQ(activities.size(), 2u);
  EXPECT_EQ(AttributeOf(activities[0], "android:name"), "com.other.Settings");
  EXPECT_EQ(AttributeOf(activities[0], "android:label"), "x");
  EXPECT_EQ(activities[0]->FirstChildElement(), nullptr);
  EXPECT_EQ(AttributeOf(activities[1], "android:name"), "com.orvo.sdk.TheActivity");
  EXPECT_EQ(AttributeOf(activities[1], "android:launchMode"), "singleTask");
  EXPECT_EQ(AttributeOf(activities[1], "android:screenOrientation"), "sensorLandscape");
  EXPECT_EQ(AttributeOf(activities[1], "android:configChanges"), "keyboardHidden|screenSize");
  EXPECT_EQ(AttributeOf(activities[1], "android:label"), "@string/app_name");
}

TEST_F(AndroidManifestTest, ExistingEngineActivityIsEditedInPlace) {
  Write(Manifest("",
                 "<application><activity android:name=\"com.orvo.sdk.TheActivity\" "
                 "android:launchMode=\"standard\" keep=\"1\"/><service/></application>\n"));
  UpdateAndReload();
  const TiXmlElement* application = Root()->FirstChildElement("application");
  EXPECT_EQ(Names(Children(application)), (std::vector<std::string>{"activity", "service"}));
  const TiXmlElement* activity = application->FirstChildElement("activity");
  EXPECT_EQ(AttributeOf(activity, "android:launchMode"), "singleTask");
  EXPECT_EQ(AttributeOf(activity, "keep"), "1");
}

TEST_F(AndroidManifestTest, ApplicationAttributesAreSet) {
  Write(Manifest("", "<application android:allowBackup=\"true\" android:icon=\"@drawable/other\"/>\n"));
  UpdateAndReload();
  const TiXmlElement* application = Root()->FirstChildElement("application");
  EXPECT_EQ(AttributeOf(application, "android:allowBackup"), "false");
  EXPECT_EQ(AttributeOf(application, "android:hardwareAccelerated"), "false");
  EXPECT_EQ(AttributeOf(application, "android:icon"), "@drawable/ic_launcher");
  EXPECT_EQ(AttributeOf(application, "android:label"), "@string/app_name");
}

TEST_F(AndroidManifestTest, PartialIntentFilterGainsOnlyWhatIsMissing) {
  Write(Manifest("",
                 "<application><activity android:name=\"com.orvo.sdk.TheActivity\"><intent-filter>"
                 "<action android:name=\"android.intent.action.MAIN\"/>"
                 "<category android:name=\"android.intent.category.LAUNCHER\"/>"
                 "</intent-filter></activity></application>\n"));
  UpdateAndReload();
  const TiXmlElement* filter = Root()
                                   ->FirstChildElement("application")
                                   ->FirstChildElement("activity")
                                   ->FirstChildElement("intent-filter");
  std::vector<const TiXmlElement*> entries = Children(filter);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(AttributeOf(entries[0], "android:name"), "android.intent.action.MAIN");
  EXPECT_EQ(AttributeOf(entries[1], "android:name"), "android.intent.category.LAUNCHER");
  EXPECT_EQ(AttributeOf(entries[2], "android:name"), "tv.ouya.intent.category.GAME");
}

TEST_F(AndroidManifestTest, CommentsDoNotHideExistingDeclarations) {
  std::string path =
      Write(Manifest("",
                     "<!-- the engine's application -->\n"
                     "<application>\n<!-- main activity -->\n"
                     "<activity android:name=\"com.orvo.sdk.TheActivity\"><intent-filter>\n"
                     "<!-- launcher -->\n<action android:name=\"android.intent.action.MAIN\"/>"
                     "</intent-filter></activity></application>\n"
                     "<!-- levels -->\n"
                     "<uses-sdk android:minSdkVersion=\"9\" android:targetSdkVersion=\"19\"/>\n"));
  UpdateAndReload();
  EXPECT_EQ(Names(Children(Root())), (std::vector<std::string>{"application", "uses-sdk", "uses-feature"}));
  const TiXmlElement* application = Root()->FirstChildElement("application");
  EXPECT_EQ(Children(application, "activity").size(), 1u);
  EXPECT_EQ(Children(application->FirstChildElement("activity")->FirstChildElement("intent-filter")).size(),
            3u);
  std::string once = ReadFileBytes(path);
  UpdateAndReload();
  EXPECT_EQ(ReadFileBytes(path), once);
}

}  // namespace
