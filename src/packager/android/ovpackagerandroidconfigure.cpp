// COvPackagerAndroid::Configure and its steps: the Android project in the build directory is
// created (or updated) by the SDK's project tool, then its splash layout, manifest, launcher
// icons, sources, strings and signing properties are set for the game.
#include <tinyxml.h>

#include <cstdio>

#include "core/ovdirectory.h"
#include "core/ovfilepath.h"
#include "core/ovfilereplace.h"
#include "core/ovfilesystem.h"
#include "core/ovstrfuncs.h"
#include "packager/android/ovpackagerandroid.h"
#include "packager/android/ovpackagerandroidinternal.h"
#include "packager/ovtextfile.h"
#include "packager/ovxmlfile.h"

namespace {

struct IconDensity {
  const char* directory;
  int size;
};

constexpr IconDensity kIconDensities[] = {
    {"drawable-ldpi", 36},  {"drawable-mdpi", 48},    {"drawable-hdpi", 72},
    {"drawable-xhdpi", 96}, {"drawable-xxhdpi", 144}, {"drawable-xxxhdpi", 192},
};

}  // namespace

using ovandroid::Decimal;
using ovandroid::Separator;

bool COvPackagerAndroid::Configure() {
  CreateOrUpdateProject();
  const TOvString<char> manifestPath = buildDirectory + Separator() + "AndroidManifest.xml";
  if (!manifest.Initialize(COvFilePath(manifestPath), Decimal(targetSdkVersion))) {
    std::printf("Failed to initialize manifest \n");
    return false;
  }
  if (!ConfigureManifest()) {
    std::printf("Failed to configure manifest \n");
    return false;
  }
  if (!OvRemoveDirectoryRecursively(buildDirectory + "src", false)) {
    std::fprintf(stderr, "Failed to clean sources directory \n");
    return false;
  }
  if (!EditStrings()) {
    std::fprintf(stderr, "Failed to edit strings.xml \n");
    return false;
  }
  if (!EditAntProperties()) {
    std::fprintf(stderr, "Failed to edit ant.properties \n");
    return false;
  }
  return true;
}

bool COvPackagerAndroid::CreateOrUpdateProject() {
  bool result;
  if (COvFileSystemUnCached::Exists(buildDirectory + Separator() + "build.xml")) {
    result = UpdateProject();
    if (result) {
      std::printf("#Info: Android Project updated.\n");
    } else {
      std::fprintf(stderr, "Failed to update Android Project.\n");
    }
  } else {
    if (CreateProject()) {
      std::printf("#Info: Android Project created.\n");
    } else {
      std::fprintf(stderr, "Failed to create Android Project.\n");
    }
    // The project tool's own activity gives way to the engine's, once.
    manifest.Initialize(COvFilePath(buildDirectory + "AndroidManifest.xml"), Decimal(targetSdkVersion));
    result = manifest.RemoveActivities();
    manifest.Save();
  }
  WriteSplashLayout();
  return result;
}

bool COvPackagerAndroid::UpdateProject() {
  TOvString<char> arguments = TOvString<char>("update project") + " --name " +
                              ApplicationNameArgument(gameName) + " --target android-" +
                              Decimal(targetSdkVersion) + " --path " + buildDirectory;
  return RunTool(androidTool, arguments, true);
}

bool COvPackagerAndroid::CreateProject() {
  TOvString<char> arguments = TOvString<char>("create project") + " --target android-" +
                              Decimal(targetSdkVersion) + " --name " + ApplicationNameArgument(gameName) +
                              " --path " + buildDirectory + " --activity " + "TheActivity" + " --package " +
                              packageName;
  return RunTool(androidTool, arguments, true);
}

bool COvPackagerAndroid::WriteSplashLayout() {
  const TOvString<char> separator = Separator();
  const TOvString<char> resDirectory = buildDirectory + "res" + separator;
  const TOvString<char> layoutPath = resDirectory + "layout" + separator + "main.xml";
  if (!OvWriteTextFile(layoutPath, SplashLayoutText(), "Can't open %s\n", "Failed writing main.xml\n",
                       "Failed closing main.xml\n")) {
    return false;
  }

  const TOvString<char> drawableDirectory = resDirectory + "drawable" + separator;
  OvCreateDirectory(drawableDirectory);
  // The extension of the file name only: a dot in a directory name is not one.
  TOvString<char> extension = COvFilePath(splashScreenPath).getFileExt();
  if (!extension.IsEmpty()) extension = TOvString<char>(".") + extension;
  OvCopyFile(splashScreenPath, drawableDirectory + "splash" + extension);
  return true;
}

bool COvPackagerAndroid::ConfigureManifest() {
  const TOvString<char> versionName = Decimal(versionMajor) + "." + Decimal(versionMinor);
  manifest.Update(packageName, Decimal(versionCode), versionName);
  bool saved = manifest.Save();
  if (saved) {
    std::printf("#Info: Android Manifest updated.\n");
  } else {
    std::fprintf(stderr, "Failed to update Android Manifest.\n");
  }
  RenderIcons();
  return saved;
}

bool COvPackagerAndroid::RenderIcons() {
  const TOvString<char> separator = Separator();
  OvCreateDirectory(buildDirectory + separator + "res");
  if (COvFilePath(iconPath).getFileName().IsEmpty()) {
    std::fprintf(stderr, "Warning : No icon !\n");
    return true;
  }
  for (const IconDensity& density : kIconDensities) {
    OvCreateDirectory(buildDirectory + "res" + separator + density.directory);
    const TOvString<char> size = Decimal(density.size);
    // The converter writes a temporary image that replaces the icon only after a clean run.
    const TOvString<char> icon =
        buildDirectory + separator + "res" + separator + density.directory + separator + "ic_launcher.png";
    const TOvString<char> temporaryIcon = OvTemporarySibling(icon);
    TOvString<char> arguments = iconPath + " -resize " + size + "x" + size + "! " + temporaryIcon;
    bool made = false;
    RunTool(convertTool, arguments, false, &made);
    if (made) {
      OvCommitTemporary(temporaryIcon, icon);
    } else {
      OvDeleteFile(temporaryIcon);
    }
  }
  return true;
}

bool COvPackagerAndroid::EditStrings() {
  const TOvString<char> separator = Separator();
  const TOvString<char> path = buildDirectory + "res" + separator + "values" + separator + "strings.xml";
  TiXmlDocument document;
  if (!document.LoadFile(path.GetBuffer())) {
    std::fprintf(stderr, "Cannot open file %s\n", path.GetBuffer());
    return false;
  }
  TiXmlElement* resources = document.RootElement();
  if (!resources || ovStrcmp(resources->Value(), "resources") != 0) {
    std::fprintf(stderr, "Cannot find ressource node %s\n", path.GetBuffer());
    return false;
  }
  // Comments between the strings are passed over rather than ending the search.
  for (TiXmlElement* entry = resources->FirstChildElement(); entry; entry = entry->NextSiblingElement()) {
    const char* name = entry->Attribute("name");
    if (ovStrcmp(entry->Value(), "string") == 0 && name && ovStrcmp(name, "app_name") == 0) {
      resources->RemoveChild(entry);
      break;
    }
  }
  TiXmlElement applicationName("string");
  applicationName.SetAttribute("name", "app_name");
  applicationName.InsertEndChild(TiXmlText(ApplicationName(gameName).GetBuffer()));
  resources->InsertEndChild(applicationName);
  if (!OvSaveXmlDocument(document, path)) {
    std::fprintf(stderr, "Cannot same strings.xml file \n");
    return false;
  }
  return true;
}

bool COvPackagerAndroid::EditAntProperties() {
  if (keyStoreLine.IsEmpty() || keyStorePasswordLine.IsEmpty() || keyAliasLine.IsEmpty() ||
      keyAliasPasswordLine.IsEmpty()) {
    return true;
  }
  const TOvString<char> path = buildDirectory + "ant.properties";
  std::printf("#Info: Start rewriting ant.properties %s\n", path.GetBuffer());
  // A properties file cut short by a full disk would sign with a missing key: a failed write
  // or close fails the step too, and the previous file stays.
  return OvWriteTextFile(path, keyStoreLine + keyStorePasswordLine + keyAliasLine + keyAliasPasswordLine,
                         "Failed to open %s\n", "Failed to write %s\n", "Failed to write %s\n");
}
