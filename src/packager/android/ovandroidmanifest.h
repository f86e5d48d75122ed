// COvAndroidManifest: edits the AndroidManifest.xml of a generated Android project in place so
// that it declares the engine's activity and the application's identity (package, versions, SDK
// levels, the OpenGL ES 2.0 requirement, application flags, icon, label and the launcher intent
// filter). Nodes that already say the right thing are kept, missing ones are appended and
// conflicting SDK declarations are removed, so running the edit again changes nothing.
#pragma once

#include <tinyxml.h>

#include "core/ovfilepath.h"
#include "core/ovstring.h"

// The element and attribute names and the fixed values that the manifest edit writes and looks
// for. All of them compare case-sensitively.
namespace ovmanifest {

constexpr const char kManifestElement[] = "manifest";
constexpr const char kNamespaceAttribute[] = "xmlns:android";
constexpr const char kAndroidNamespace[] = "http://schemas.android.com/apk/res/android";
constexpr const char kPackageAttribute[] = "package";
constexpr const char kVersionCodeAttribute[] = "android:versionCode";
constexpr const char kVersionNameAttribute[] = "android:versionName";
constexpr const char kInstallLocationAttribute[] = "android:installLocation";
constexpr const char kInstallLocationValue[] = "auto";
constexpr const char kSdkElement[] = "uses-sdk";
constexpr const char kMinSdkAttribute[] = "android:minSdkVersion";
constexpr const char kTargetSdkAttribute[] = "android:targetSdkVersion";
constexpr const char kMinSdkValue[] = "9";
// The target SDK level until Initialize names the packager's own.
constexpr const char kDefaultTargetSdkValue[] = "19";
constexpr const char kFeatureElement[] = "uses-feature";
constexpr const char kGlEsAttribute[] = "android:glEsVersion";
constexpr const char kGlEsValue[] = "0x00020000";
constexpr const char kApplicationElement[] = "application";
constexpr const char kBackupAttribute[] = "android:allowBackup";
constexpr const char kBackupValue[] = "false";
constexpr const char kHardwareAcceleratedAttribute[] = "android:hardwareAccelerated";
constexpr const char kHardwareAcceleratedValue[] = "false";
constexpr const char kIconAttribute[] = "android:icon";
constexpr const char kIconValue[] = "@drawable/ic_launcher";
constexpr const char kLabelAttribute[] = "android:label";
constexpr const char kLabelValue[] = "@string/app_name";
constexpr const char kActivityElement[] = "activity";
constexpr const char kActivityNameAttribute[] = "android:name";
constexpr const char kActivityNameValue[] = "com.orvo.sdk.TheActivity";
constexpr const char kLaunchModeAttribute[] = "android:launchMode";
constexpr const char kLaunchModeValue[] = "singleTask";
constexpr const char kOrientationAttribute[] = "android:screenOrientation";
constexpr const char kOrientationValue[] = "sensorLandscape";
constexpr const char kConfigChangesAttribute[] = "android:configChanges";
constexpr const char kConfigChangesValue[] = "keyboardHidden|screenSize";
constexpr const char kActivityLabelAttribute[] = "android:label";
constexpr const char kActivityLabelValue[] = "@string/app_name";
constexpr const char kIntentFilterElement[] = "intent-filter";
constexpr const char kActionElement[] = "action";
constexpr const char kActionNameAttribute[] = "android:name";
constexpr const char kActionNameValue[] = "android.intent.action.MAIN";
constexpr const char kCategoryElement[] = "category";
constexpr const char kCategoryNameAttribute[] = "android:name";
constexpr const char kLauncherCategoryValue[] = "android.intent.category.LAUNCHER";
constexpr const char kGameCategoryValue[] = "tv.ouya.intent.category.GAME";

}  // namespace ovmanifest

class COvAndroidManifest {
 public:
  COvAndroidManifest();
  virtual ~COvAndroidManifest() = default;
  COvAndroidManifest(const COvAndroidManifest&) = delete;
  COvAndroidManifest& operator=(const COvAndroidManifest&) = delete;

  // Loads the file anew (whatever was loaded before is dropped) and remembers targetSdkVersion
  // for the "uses-sdk" declaration. Prints "Cannot open file %s\n" to standard output when the
  // file cannot be read or parsed; false without a message when its first element is not
  // "manifest". Until it succeeds, every other operation returns false and writes nothing.
  virtual bool Initialize(const COvFilePath& path, const TOvString<char>& targetSdkVersion);
  virtual void Reserved() {}

  // Writes the document back to the file it was loaded from.
  bool Save();
  // First-time set-up after the project tool created the project: removes every "activity" of
  // the "application" element. False when there is no application or no activity.
  bool RemoveActivities();
  bool Update(const TOvString<char>& package, const TOvString<char>& versionCode,
              const TOvString<char>& versionName);
  bool ConfigureApplication(TiXmlElement* application);
  bool ConfigureActivity(TiXmlElement* activity);

  const COvFilePath& GetPath() const { return path; }
  const TOvString<char>& GetTargetSdkVersion() const { return targetSdkVersion; }
  // The document's "manifest" element; null until Initialize succeeds. Owned by the document.
  TiXmlElement* GetRoot() const { return root; }

 private:
  COvFilePath path;
  TiXmlDocument document;
  TiXmlElement* root = nullptr;
  TOvString<char> targetSdkVersion;
};
