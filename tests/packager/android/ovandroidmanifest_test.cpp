// COvAndroidManifest on manifest files: loading, the edit and its idempotence, and the edge
// cases of conflicting, foreign, partial and commented declarations.
#include "packager/android/ovandroidmanifest.h"

#include <gtest/gtest.h>

#include <string>

#include "support/run_program.h"
#include "support/temp_dir.h"

namespace {

std::string Manifest(const std::string& content, const std::string& attributes = "") {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<manifest" + attributes + ">\n" + content +
         "</manifest>\n";
}

// The element tree: names, each with the last dotted part of the attribute that identifies it.
std::string Outline(const TiXmlElement* element) {
  std::string text = element->Value();
  for (const char* key : {"android:name", "android:targetSdkVersion", "android:glEsVersion"}) {
    if (const char* value = element->Attribute(key))
      text += "=" + std::string(value).substr(std::string(value).rfind('.') + 1);
  }
  if (!element->FirstChildElement()) return text;
  text += "{";
  for (const TiXmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
    text += (child == element->FirstChildElement() ? "" : " ") + Outline(child);
  }
  return text + "}";
}

std::string Attribute(const TiXmlElement* element, const char* name) {
  return element && element->Attribute(name) ? element->Attribute(name) : "(none)";
}

class AndroidManifestTest : public ::testing::Test {
 protected:
  bool Load(const std::string& level = "19") {
    return manifest.Initialize(COvFilePath(path.c_str()), level.c_str());
  }
  // Loads the file at the given level, edits and saves it, and reloads the result.
  void UpdateAndReload(const std::string& level) {
    ASSERT_TRUE(Load(level));
    ASSERT_TRUE(manifest.Update("com.example.demo", "1", "1.0"));
    ASSERT_TRUE(manifest.Save());
    ASSERT_TRUE(Load(level));
  }

  TempDir temp;
  std::string path = temp.Join("AndroidManifest.xml");
  COvAndroidManifest manifest;
};

TEST_F(AndroidManifestTest, FilesThatAreNoManifestDoNotLoadAndLeaveNothingToEditOrSave) {
  // Unreadable files are reported; another root is refused silently. A failed load does not let
  // the previously loaded document be edited or saved under the new name.
  for (const char* content : {"", "this is not XML", "<manifest><application></manifest>", "<resources/>"}) {
    SCOPED_TRACE(content);
    path = temp.WriteFile("AndroidManifest.xml", Manifest("<application><activity/></application>\n"));
    ASSERT_TRUE(Load());
    path = temp.Join("other.xml");
    if (content[0]) temp.WriteFile("other.xml", content);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(Load());
    EXPECT_EQ(std::string(content) == "<resources/>" ? "" : "Cannot open file " + path + "\n",
              testing::internal::GetCapturedStdout());
    EXPECT_EQ(nullptr, manifest.GetRoot());
    EXPECT_FALSE(manifest.RemoveActivities() || manifest.Update("com.example.demo", "1", "1.0") ||
                 manifest.Save());
    EXPECT_EQ(content[0] != '\0', FileExists(path));
    EXPECT_EQ(content, ReadFileBytes(path));
  }
}

TEST_F(AndroidManifestTest, RemoveActivitiesLeavesTheRestOfTheApplication) {
  temp.WriteFile("AndroidManifest.xml",
                 Manifest("<application><activity android:name=\"A\"><intent-filter/></activity><meta-data/>"
                          "<activity android:name=\"B\"/></application>\n"));
  ASSERT_TRUE(Load());
  EXPECT_TRUE(manifest.RemoveActivities());
  EXPECT_EQ("manifest{application{meta-data}}", Outline(manifest.GetRoot()));
  EXPECT_FALSE(manifest.RemoveActivities());  // no activity left to remove
}

TEST_F(AndroidManifestTest, UpdateAddsWhatIsMissingOnceAndKeepsTheRest) {
  const std::string engine =
      "activity=TheActivity{intent-filter{action=MAIN category=LAUNCHER category=GAME}}";
  const std::string tail = " uses-sdk=19 uses-feature=0x00020000}";
  const std::string engineActivity = "<activity android:name=\"com.orvo.sdk.TheActivity\">";
  const struct {
    const char* name;
    std::string content;
    std::string outline;
    const char* level = "19";
  } rows[] = {
      {"empty", "", "manifest{application{" + engine + "}" + tail},
      {"conflicting SDK levels",
       "<uses-sdk android:minSdkVersion=\"8\" android:targetSdkVersion=\"17\"/>\n<application/>\n",
       "manifest{application{" + engine + "} uses-sdk=21 uses-feature=0x00020000}", "21"},
      {"other features",
       "<uses-feature android:name=\"android.hardware.touchscreen\"/>\n"
       "<uses-feature android:glEsVersion=\"0x00010000\"/>\n",
       "manifest{uses-feature=touchscreen uses-feature=0x00010000 application{" + engine + "}" + tail},
      {"foreign activity", "<application><activity android:name=\"com.other.Settings\"/></application>\n",
       "manifest{application{activity=Settings " + engine + "}" + tail},
      {"partial intent filter",
       "<application>" + engineActivity +
           "<intent-filter><action android:name=\"android.intent.action.MAIN\"/>"
           "<category "
           "android:name=\"android.intent.category.LAUNCHER\"/></intent-filter></activity><service/>"
           "</application>\n",
       "manifest{application{" + engine + " service}" + tail},
      {"comments between the declarations",
       "<!-- the engine's application -->\n<application>\n<!-- main activity -->\n" + engineActivity +
           "<intent-filter>\n<!-- launcher -->\n<action android:name=\"android.intent.action.MAIN\"/>"
           "</intent-filter></activity></application>\n<!-- levels -->\n"
           "<uses-sdk android:minSdkVersion=\"9\" android:targetSdkVersion=\"19\"/>\n",
       "manifest{application{" + engine + "}" + tail},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    temp.WriteFile("AndroidManifest.xml", Manifest(row.content));
    UpdateAndReload(row.level);
    EXPECT_EQ(row.outline, Outline(manifest.GetRoot()));
    const std::string once = ReadFileBytes(path);
    UpdateAndReload(row.level);
    EXPECT_EQ(once, ReadFileBytes(path));
  }
}

TEST_F(AndroidManifestTest, UpdateSetsTheEngineAttributesOverExistingOnes) {
  temp.WriteFile(
      "AndroidManifest.xml",
      Manifest(
          "<application android:allowBackup=\"true\" android:icon=\"@drawable/other\">"
          "<activity android:name=\"com.other.Settings\" android:label=\"x\"/>"
          "<activity android:name=\"com.orvo.sdk.TheActivity\" android:launchMode=\"standard\" keep=\"1\"/>"
          "</application>\n",
          " package=\"old.package\" android:installLocation=\"internalOnly\""));
  ASSERT_TRUE(Load());
  ASSERT_TRUE(manifest.Update("com.example.game", "7", "3.4"));
  const TiXmlElement* root = manifest.GetRoot();
  EXPECT_EQ("com.example.game 7 3.4 auto",
            Attribute(root, "package") + " " + Attribute(root, "android:versionCode") + " " +
                Attribute(root, "android:versionName") + " " + Attribute(root, "android:installLocation"));
  const TiXmlElement* application = root->FirstChildElement("application");
  EXPECT_EQ("false @drawable/ic_launcher",
            Attribute(application, "android:allowBackup") + " " + Attribute(application, "android:icon"));
  const TiXmlElement* foreign = application->FirstChildElement("activity");
  EXPECT_EQ("x (none)", Attribute(foreign, "android:label") + " " + Attribute(foreign, "android:launchMode"));
  const TiXmlElement* engine = foreign->NextSiblingElement("activity");
  EXPECT_EQ("singleTask 1", Attribute(engine, "android:launchMode") + " " + Attribute(engine, "keep"));
}

}  // namespace
