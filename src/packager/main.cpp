// OvGamePackager: performs one action (configure, build, copy, clean) for one build
// configuration of a configuration file and reports the result through the exit status.
#include <cstdio>

#include "configuration/ovconfigurationmanager.h"
#include "core/ovfilepath.h"
#include "core/ovidentifier.h"
#include "core/ovstrfuncs.h"
#include "packager/android/ovpackagerandroid.h"
#include "packager/ios/ovpackagerios.h"
#include "packager/windows/ovpackagerwindows.h"

namespace {

const char kUsage[] =
    "OvGamePackager [--configure | --build | --copy | --clean] configurationFile config_name "
    "target_path_to_copy architecture\n";

bool IsKnownAction(const char* action) {
  for (const char* known : {"--clean", "--configure", "--build", "--copy"}) {
    if (ovStrcmp(action, known) == 0) return true;
  }
  return false;
}

COvPackager* CreatePackager(int platform) {
  switch (platform) {
    case ePlatformWindows: return new COvPackagerWindows();
    case ePlatformIos: return new COvPackagerIos();
    case ePlatformAndroid: return new COvPackagerAndroid();
    default: return nullptr;
  }
}

int Run(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "%s", kUsage);
    return -1;
  }
  TOvString<char> action(argv[1]);
  COvFilePath configurationPath(argv[2]);
  COvConfigurationManager manager;
  manager.Initialize(configurationPath.GetAsString().GetBuffer());

  COvConfigurationBuild* build = manager.GetBuild(COvIdentifier(argv[3]));
  if (!build) {
    std::fprintf(stderr, "Unknown build configuration \"%s\"\n", argv[3]);
    return -2;
  }
  int platform = GetPlatformIndex(build->GetPlatform().GetBuffer());
  if (!IsKnownAction(action.GetBuffer())) {
    std::fprintf(stderr, "%s", kUsage);
    return -2;
  }
  // The packager lives until the process ends, as do the objects it creates; held here so
  // that they stay reachable (a leak checker would report them otherwise).
  static COvPackager* packager = nullptr;
  packager = CreatePackager(platform);
  if (!packager) {
    std::fprintf(stderr, "Unsupported platform.\n");
    return -3;
  }
  if (!packager->Initialize(argc, argv)) {
    std::fprintf(stderr, "Failed initializing Packager.\n");
    return -4;
  }
  if (action == "--configure") {
    if (!packager->Configure()) {
      std::fprintf(stderr, "Failed Configure in OvGamePackager.\n");
      return -5;
    }
  } else if (action == "--build") {
    if (!packager->Build()) {
      std::fprintf(stderr, "Failed Build in OvGamePackager.\n");
      return -6;
    }
  } else if (action == "--copy") {
    if (argc < 5 || !packager->Copy()) {
      std::fprintf(stderr, "Failed copying target in OvGamePackager.\n");
      return -7;
    }
  } else if (action == "--clean") {
    if (!packager->Clean()) {
      std::fprintf(stderr, "Failed Clean in OvGamePackager.\n");
      return -8;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int status = Run(argc, argv);
  // Progress lines and tool output must reach the caller before the status does.
  std::fflush(stdout);
  std::fflush(stderr);
  return status;
}
