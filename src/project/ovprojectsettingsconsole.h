// The console settings groups: "Console" (output resolutions) and its platform groups "PS4",
// "PS3", "XboxOne" and "Xbox360", which hold no settings of their own.
#pragma once

#include "project/ovprojectsettings.h"

class COvProjectSettingsConsole : public COvProjectSettings {
  OV_PROJECT_SETTINGS_CLASS(COvProjectSettingsConsole)

  // Creates the PS4, PS3, XboxOne and Xbox360 groups.
  COvProjectSettingsConsole();

  bool Getb1080p() const { return b1080p; }
  void Setb1080p(bool value) { b1080p = value; }
  bool Getb720p() const { return b720p; }
  void Setb720p(bool value) { b720p = value; }

 protected:
  bool b1080p = false;
  bool b720p = false;
};

class COvProjectSettingsPS4 : public COvProjectSettings {
  OV_PROJECT_SETTINGS_CLASS(COvProjectSettingsPS4)
  COvProjectSettingsPS4();
};

class COvProjectSettingsPS3 : public COvProjectSettings {
  OV_PROJECT_SETTINGS_CLASS(COvProjectSettingsPS3)
  COvProjectSettingsPS3();
};

class COvProjectSettingsXOne : public COvProjectSettings {
  OV_PROJECT_SETTINGS_CLASS(COvProjectSettingsXOne)
  COvProjectSettingsXOne();
};

class COvProjectSettingsX360 : public COvProjectSettings {
  OV_PROJECT_SETTINGS_CLASS(COvProjectSettingsX360)
  COvProjectSettingsX360();
};
