#include "core/ovstrfuncs.h"
#include "packager/ovpackager.h"

namespace {
const char* const kPlatformNames[ePlatformCount] = {"Windows", "Linux", "Mac", "Xbox360", "XboxOne", "PS3",
                                                    "PS4",     "PSVita", "iOS", "Android", "WiiU",    "3DS"};
}

int GetPlatformIndex(const char* name) {
  if (!name) return ePlatformCount;
  for (int i = 0; i < ePlatformCount; ++i) {
    if (ovStrcmpNoCase(name, kPlatformNames[i]) == 0) return i;
  }
  return ePlatformCount;
}
