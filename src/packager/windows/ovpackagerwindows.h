// COvPackagerWindows: Windows desktop builds. Configure writes the icon and the resource
// script, build copies the compiled content, and each step then hands over to the distribution.
#pragma once

#include "packager/ovpackager.h"

class COvPackagerWindows : public COvPackager {
 public:
  bool Configure() override;
  bool Build() override;
  bool Clean() override;
  bool Copy() override;

  bool CreateResourceScript();
  bool CopyAssets();

  // Places targetPath into the build directory under its own name; shared with iOS.
  static bool CopyTarget(const TOvString<char>& buildDirectory, const COvFilePath& targetPath);
};
