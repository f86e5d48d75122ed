// COvPackagerIos: iOS builds. The Xcode project is built elsewhere; this packager only places
// the built target into the build directory and cleans it.
#pragma once

#include "packager/ovpackager.h"

class COvPackagerIos : public COvPackager {
 public:
  bool Initialize(int argc, char** argv) override;
  bool Configure() override { return true; }
  bool Build() override { return true; }
  // Empties the build directory; always true. Android cleans the same way.
  bool Clean() override;
  bool Copy() override;
};
