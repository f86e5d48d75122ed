// COvPackagerAndroid: Android builds. Configure generates (or updates) an Android project in the
// build directory with the SDK's project tool and edits its manifest, layout, strings, icons and
// signing properties; Build fills it with the game content and the engine's Android template
// and runs Ant; Copy installs one native library per architecture; Clean empties the build
// directory.
//
// Tools: $ANDROID_SDK_ROOT/tools/android and $ANT_HOME/bin/ant (the .bat scripts on Windows),
// and ImageMagick's convert from the packager's own directory or else from the PATH. The
// engine's Android template is the directory "Android" beside the packager's directory.
#pragma once

#include "core/ovpathtext.h"
#include "core/ovstring.h"
#include "packager/android/ovandroidmanifest.h"
#include "packager/ovpackager.h"

class COvPackagerAndroid : public COvPackager {
 public:
  COvPackagerAndroid();
  ~COvPackagerAndroid() override = default;

  // The shared initialization, then the tools, the template directory and the Android
  // settings of the project file (API level and signing data). argv[5], when given, is the
  // architecture that Copy installs for.
  bool Initialize(int argc, char** argv) override;
  bool Configure() override;
  // BuildApk; prints "Failed to build APK \n" when it fails.
  bool Build() override;
  // Empties the build directory (the directory itself stays); always true.
  bool Clean() override;
  // Copies targetPath into the build directory's libs/<architecture>/.
  bool Copy() override;

  // The steps of Configure and Build. Each prints its own failure message.
  bool CreateOrUpdateProject();
  bool UpdateProject();
  bool CreateProject();
  bool WriteSplashLayout();
  bool ConfigureManifest();
  // A failed conversion never fails this step: it shows in the report and the process-wide
  // error flag only.
  bool RenderIcons();
  bool EditStrings();
  bool EditAntProperties();
  bool BuildApk();

  const TOvString<char>& GetAndroidSourcesDirectory() const { return androidSourcesDirectory; }
  const TOvString<char>& GetArchitecture() const { return architecture; }
  const TOvString<char>& GetAndroidTool() const { return androidTool; }
  const TOvString<char>& GetAntTool() const { return antTool; }
  const TOvString<char>& GetConvertTool() const { return convertTool; }
  int GetTargetSdkVersion() const { return targetSdkVersion; }
  const TOvString<char>& GetPackageName() const { return packageName; }
  int GetVersionCode() const { return versionCode; }
  // Each is empty or one complete ant.properties line ending with "\n".
  const TOvString<char>& GetKeyStoreLine() const { return keyStoreLine; }
  const TOvString<char>& GetKeyStorePasswordLine() const { return keyStorePasswordLine; }
  const TOvString<char>& GetKeyAliasLine() const { return keyAliasLine; }
  const TOvString<char>& GetKeyAliasPasswordLine() const { return keyAliasPasswordLine; }
  const COvAndroidManifest& GetManifest() const { return manifest; }

  // gameName without its first space ("My Big Game" gives "MyBig Game").
  static TOvString<char> ApplicationName(const TOvString<char>& gameName);
  // The application name as one argument of a tool's command line: double quotes dropped, and
  // quoted when it holds blanks or characters that the Windows command interpreter (which runs
  // the SDK's .bat tool) would act on.
  static TOvString<char> ApplicationNameArgument(const TOvString<char>& gameName);
  // The key store as ant.properties wants it: a relative value is taken from the project
  // directory (which ends with its separator); every '\\' becomes '/'. Absolute is "X:..." for
  // the Windows style and a leading '/' for POSIX.
  static TOvString<char> KeyStorePath(const TOvString<char>& value, const TOvString<char>& projectDirectory,
                                      EOvPathStyle style);
  // The splash-screen layout written to res/layout/main.xml (719 characters, "\n" line ends).
  static const char* SplashLayoutText();

 private:
  void ReadAndroidSettings();
  // Prints "tool arguments" first when announce is set, runs the tool, echoes what it wrote and
  // tells whether no tool run of this process has failed so far. ranClean, when given, tells
  // whether this run itself ended with exit code 0.
  bool RunTool(const TOvString<char>& tool, const TOvString<char>& arguments, bool announce,
               bool* ranClean = nullptr);

  TOvString<char> androidSourcesDirectory;
  TOvString<char> architecture;
  COvAndroidManifest manifest;
  TOvString<char> androidTool;
  TOvString<char> antTool;
  TOvString<char> convertTool;
  int targetSdkVersion = 19;
  TOvString<char> packageName;
  int versionCode = 1;
  TOvString<char> keyStoreLine;
  TOvString<char> keyStorePasswordLine;
  TOvString<char> keyAliasLine;
  TOvString<char> keyAliasPasswordLine;
};
