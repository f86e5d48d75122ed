// COvPackagerAndroid set-up: the tools, the engine's Android template and the project file's
// Android settings (API level and signing data), and the texts derived from the game's name.
#include "packager/android/ovpackagerandroid.h"

#include <tinyxml.h>

#include <cstdio>
#include <cstdlib>

#include "core/ovarray.h"
#include "core/ovdirectory.h"
#include "core/ovfilepath.h"
#include "core/ovfindprogram.h"
#include "core/ovprocess.h"
#include "core/ovstrfuncs.h"
#include "core/platform/host.h"
#include "packager/android/ovpackagerandroidinternal.h"

namespace {

// The SDK's project tool and Ant are scripts: .bat files on Windows, shell scripts elsewhere.
constexpr const char* kScriptSuffix = ovhost::kIsWindows ? ".bat" : "";

// The lowest API level the packager targets, whatever the project asks for.
constexpr int kMinimumTargetSdkVersion = 19;

bool Contains(const TOvString<char>& text, const char* characters) {
  for (const char* c = characters; *c; ++c) {
    const char one[2] = {*c, 0};
    if (text.Find(one) >= 0) return true;
  }
  return false;
}

}  // namespace

COvPackagerAndroid::COvPackagerAndroid()
    : androidTool("android"),
      antTool("ant"),
      convertTool("convert"),
      targetSdkVersion(kMinimumTargetSdkVersion),
      packageName("com.example.demo"),
      versionCode(1) {}

bool COvPackagerAndroid::Initialize(int argc, char** argv) {
  if (!LoadGeneralParameters(argc, argv)) {
    std::fprintf(stderr, "Failed to initialize general parameters !\n");
    return false;
  }
  const char* sdkRoot = std::getenv("ANDROID_SDK_ROOT");
  if (!sdkRoot) {
    std::fprintf(stderr, "ANDROID_SDK_ROOT not defined !\n");
    return false;
  }
  const char* antHome = std::getenv("ANT_HOME");
  if (!antHome) {
    std::fprintf(stderr, "ANT_HOME not defined !\n");
    return false;
  }

  const TOvString<char> separator = ovandroid::Separator();
  const TOvString<char> toolDirectory = toolPath.getFilePath();
  const TOvString<char> toolParent = toolDirectory + separator + "..";
  androidSourcesDirectory = toolParent + separator + "Android";
  // The template can only be a direct subdirectory of the parent: its listing is enough.
  COvArray<TOvString<char>> directories;
  OvRetrieveDirectoriesFromDirectory(toolParent, directories);
  if (directories.Find(androidSourcesDirectory) < 0) {
    std::fprintf(stderr, "Cant find Android sources at %s\n", androidSourcesDirectory.GetBuffer());
    return false;
  }

  androidTool = TOvString<char>(sdkRoot) + separator + "tools" + separator + "android" + kScriptSuffix;
  convertTool = OvFindProgram(toolDirectory, "convert");
  antTool = TOvString<char>(antHome) + separator + "bin" + separator + "ant" + kScriptSuffix;

  ReadAndroidSettings();
  if (argc > 5) architecture = argv[5];
  return true;
}

void COvPackagerAndroid::ReadAndroidSettings() {
  TiXmlDocument document;
  if (!document.LoadFile(projectFile.GetAsString().GetBuffer())) return;
  TiXmlElement* group = document.RootElement();
  for (const char* name : {"project_settings", "general", "mobile", "android"}) {
    if (!group) return;
    group = group->FirstChildElement(name);
  }
  if (!group) return;

  const TOvString<char> projectDirectory = projectFile.getFilePath();
  for (TiXmlElement* setting = group->FirstChildElement("setting"); setting;
       setting = setting->NextSiblingElement("setting")) {
    const char* name = setting->Attribute("name");
    const char* value = setting->Attribute("value");
    if (!name || !value) continue;
    if (ovStrcmp(name, "androidsdkid") == 0) {
      int level = ovStringToS32(value);
      if (level > targetSdkVersion) targetSdkVersion = level;
      continue;
    }
    if (!*value) continue;
    if (ovStrcmp(name, "androidkeystore") == 0) {
      keyStoreLine =
          TOvString<char>("key.store=") + KeyStorePath(value, projectDirectory, kOvHostPathStyle) + "\n";
    } else if (ovStrcmp(name, "androidkeystorepwd") == 0) {
      keyStorePasswordLine = TOvString<char>("key.store.password=") + value + "\n";
    } else if (ovStrcmp(name, "androidkeyalias") == 0) {
      keyAliasLine = TOvString<char>("key.alias=") + value + "\n";
    } else if (ovStrcmp(name, "androidkeyaliaspwd") == 0) {
      keyAliasPasswordLine = TOvString<char>("key.alias.password=") + value + "\n";
    }
  }
}

TOvString<char> COvPackagerAndroid::ApplicationName(const TOvString<char>& gameName) {
  int space = gameName.Find(" ");
  if (space < 0) return gameName;
  return gameName.Mid(0, space) + gameName.Mid(space + 1);
}

TOvString<char> COvPackagerAndroid::ApplicationNameArgument(const TOvString<char>& gameName) {
  TOvString<char> name = ApplicationName(gameName).Replace("\"", "");
  if (!Contains(name, " \t&<>|^()")) return name;
  // A backslash before the closing quote would escape it.
  while (name.EndsWith("\\")) name = name.Mid(0, name.GetLength() - 1);
  return TOvString<char>("\"") + name + "\"";
}

TOvString<char> COvPackagerAndroid::KeyStorePath(const TOvString<char>& value,
                                                 const TOvString<char>& projectDirectory,
                                                 EOvPathStyle style) {
  const char* text = value.GetBuffer();
  bool absolute = style == EOvPathStyle::Windows ? (text[0] && text[1] == ':') : text[0] == '/';
  TOvString<char> path = absolute ? value : projectDirectory + value;
  return path.Replace("\\", "/");
}

const char* COvPackagerAndroid::SplashLayoutText() {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
         "\t<RelativeLayout xmlns:android=\"http://schemas.android.com/apk/res/android\"\n"
         "\txmlns:tools=\"http://schemas.android.com/tools\"\n"
         "\tandroid:background=\"#F02080\"\n"
         "\tandroid:layout_width=\"fill_parent\"\n"
         "\tandroid:layout_height=\"fill_parent\" >\n"
         "\t<SurfaceView\n"
         "\t\tandroid:id=\"@+id/surfaceView1\"\n"
         "\t\tandroid:layout_width=\"wrap_content\"\n"
         "\t\tandroid:layout_height=\"wrap_content\"\n"
         "\t\tandroid:layout_centerHorizontal=\"true\"\n"
         "\t\tandroid:layout_centerVertical=\"true\" />\n"
         "\t<ImageView\n"
         "\t\tandroid:id=\"@+id/imageView1\"\n"
         "\t\tandroid:contentDescription=\"@null\"\n"
         "\t\tandroid:layout_width=\"match_parent\"\n"
         "\t\tandroid:layout_height=\"match_parent\"\n"
         "\t\tandroid:scaleType=\"centerCrop\"\n"
         "\t\tandroid:src=\"@drawable/splash\" />\n"
         "</RelativeLayout>\n";
}

bool COvPackagerAndroid::RunTool(const TOvString<char>& tool, const TOvString<char>& arguments,
                                 bool announce, bool* ranClean) {
  if (announce) std::printf("%s %s\n", tool.GetBuffer(), arguments.GetBuffer());
  COvProcess process;
  TOvString<char> out, err;
  const bool clean = process.RunProcessRetrieveOutput(tool, arguments, out, err);
  if (ranClean) *ranClean = clean;
  std::printf("%s", out.GetBuffer());
  std::fprintf(stderr, "%s", err.GetBuffer());
  process.WaitForCompletion();
  // A failed start leaves the runner blocked; the next tool gets a runner of its own anyway.
  process.ResetAfterError();
  return !COvProcess::CheckForErrors();
}
