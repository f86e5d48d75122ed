// The console settings groups and their settings tables.
#include "project/ovprojectsettingsconsole.h"

#include "project/ovprojectsettingsinternal.h"

const COvRTTI COvProjectSettingsConsole::TYPE("COvProjectSettingsConsole", &COvProjectSettings::TYPE);

COvProjectSettingsConsole::COvProjectSettingsConsole() : COvProjectSettings(COvIdentifier("Console")) {
  AddChild(new COvProjectSettingsPS4());
  AddChild(new COvProjectSettingsPS3());
  AddChild(new COvProjectSettingsXOne());
  AddChild(new COvProjectSettingsX360());
  Initialize();
}

const COvArray<COvReflectionInformation>& COvProjectSettingsConsole::GetReflectionInformationArray() const {
  using namespace ovproject;
  using Self = COvProjectSettingsConsole;
  static const COvArray<COvReflectionInformation> table = [this] {
    COvArray<COvReflectionInformation> t(COvProjectSettings::GetReflectionInformationArray());
    t.Add(COvReflectionInformation("console1080p", kTypeBool, MemberOffset(this, &Self::b1080p)));
    t.Add(COvReflectionInformation("console720p", kTypeBool, MemberOffset(this, &Self::b720p)));
    return t;
  }();
  return table;
}

OV_DEFINE_PROJECT_SETTINGS_LEAF(COvProjectSettingsPS4, "PS4")
OV_DEFINE_PROJECT_SETTINGS_LEAF(COvProjectSettingsPS3, "PS3")
OV_DEFINE_PROJECT_SETTINGS_LEAF(COvProjectSettingsXOne, "XboxOne")
OV_DEFINE_PROJECT_SETTINGS_LEAF(COvProjectSettingsX360, "Xbox360")
