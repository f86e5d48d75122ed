// The desktop settings groups: "Desktop" (window size) and its platform groups "Windows",
// "Linux" and "Mac", which hold no settings of their own.
#pragma once

#include "project/ovprojectsettings.h"

class COvProjectSettingsDesktop : public COvProjectSettings {
  OV_PROJECT_SETTINGS_CLASS(COvProjectSettingsDesktop)

  // Creates the Windows, Linux and Mac groups.
  COvProjectSettingsDesktop();

  int GetiWidth() const { return iWidth; }
  void SetiWidth(int value) { iWidth = value; }
  int GetiHeight() const { return iHeight; }
  void SetiHeight(int value) { iHeight = value; }

 protected:
  int iWidth = 0;
  int iHeight = 0;
};

class COvProjectSettingsWindows : public COvProjectSettings {
  OV_PROJECT_SETTINGS_CLASS(COvProjectSettingsWindows)
  COvProjectSettingsWindows();
};

class COvProjectSettingsLinux : public COvProjectSettings {
  OV_PROJECT_SETTINGS_CLASS(COvProjectSettingsLinux)
  COvProjectSettingsLinux();
};

class COvProjectSettingsMac : public COvProjectSettings {
  OV_PROJECT_SETTINGS_CLASS(COvProjectSettingsMac)
  COvProjectSettingsMac();
};
