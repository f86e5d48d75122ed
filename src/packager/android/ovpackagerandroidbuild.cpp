// COvPackagerAndroid::Build, Copy and Clean: the game content and the engine's Android template
// go into the configured project and Ant builds the package; native libraries are installed per
// architecture; cleaning empties the build directory.
#include <cstdio>

#include "core/ovdirectory.h"
#include "core/ovfilepath.h"
#include "packager/android/ovpackagerandroid.h"
#include "packager/android/ovpackagerandroidinternal.h"

using ovandroid::Separator;

bool COvPackagerAndroid::Build() {
  if (!BuildApk()) {
    std::fprintf(stderr, "Failed to build APK \n");
    return false;
  }
  return true;
}

bool COvPackagerAndroid::BuildApk() {
  const TOvString<char> separator = Separator();
  // Files that could not be copied are reported by CopyContent; the package is still built so
  // that every problem shows in one run, but the build does not count as a success.
  bool contentCopied =
      CopyContent(TOvString<char>("OpenGLES2") + separator, TOvString<char>("assets") + separator);
  OvCreateDirectory(buildDirectory + "src");
  std::printf("#Info: Start copying Java Sources\n");
  CopyRecursively(androidSourcesDirectory, buildDirectory);

  // Ant signs a release package with the ant.properties lines that Configure wrote.
  bool signing = !keyStoreLine.IsEmpty() && !keyStorePasswordLine.IsEmpty() && !keyAliasLine.IsEmpty() &&
                 !keyAliasPasswordLine.IsEmpty();
  const TOvString<char> arguments =
      TOvString<char>("-buildfile ") + buildDirectory + "build.xml " + (signing ? "release" : "debug");
  bool built = RunTool(antTool, arguments, true);
  return built && contentCopied;
}

bool COvPackagerAndroid::Copy() {
  if (architecture.IsEmpty()) {
    std::fprintf(stderr, "Error : Missing architecture !\n");
    return false;
  }
  const TOvString<char> separator = Separator();
  const TOvString<char> libraryDirectory =
      buildDirectory + separator + "libs" + separator + architecture + separator;
  OvCreateDirectory(libraryDirectory);
  return OvCopyFile(targetPath.GetAsString(), libraryDirectory + targetPath.getFileNameExt());
}

bool COvPackagerAndroid::Clean() {
  OvRemoveDirectoryRecursively(buildDirectory, false);
  return true;
}
