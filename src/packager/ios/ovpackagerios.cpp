#include "packager/ios/ovpackagerios.h"

#include <cstdio>

#include "core/ovdirectory.h"
#include "packager/windows/ovpackagerwindows.h"

bool COvPackagerIos::Initialize(int argc, char** argv) {
  if (!LoadGeneralParameters(argc, argv)) {
    std::fprintf(stderr, "Failed to initialize general parameters !\n");
    return false;
  }
  return true;
}

bool COvPackagerIos::Clean() {
  OvRemoveDirectoryRecursively(buildDirectory, false);
  return true;
}

bool COvPackagerIos::Copy() { return COvPackagerWindows::CopyTarget(buildDirectory, targetPath); }
