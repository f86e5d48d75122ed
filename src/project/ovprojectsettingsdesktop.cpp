// The desktop settings groups and their settings tables.
#include "project/ovprojectsettingsdesktop.h"

#include "project/ovprojectsettingsinternal.h"

const COvRTTI COvProjectSettingsDesktop::TYPE("COvProjectSettingsDesktop", &COvProjectSettings::TYPE);

COvProjectSettingsDesktop::COvProjectSettingsDesktop() : COvProjectSettings(COvIdentifier("Desktop")) {
  AddChild(new COvProjectSettingsWindows());
  AddChild(new COvProjectSettingsLinux());
  AddChild(new COvProjectSettingsMac());
  Initialize();
}

const COvArray<COvReflectionInformation>& COvProjectSettingsDesktop::GetReflectionInformationArray() const {
  using namespace ovproject;
  using Self = COvProjectSettingsDesktop;
  static const COvArray<COvReflectionInformation> table = [this] {
    COvArray<COvReflectionInformation> t(COvProjectSettings::GetReflectionInformationArray());
    t.Add(COvReflectionInformation("desktopWidth", kTypeInt, MemberOffset(this, &Self::iWidth)));
    t.Add(COvReflectionInformation("desktopHeight", kTypeInt, MemberOffset(this, &Self::iHeight)));
    return t;
  }();
  return table;
}

OV_DEFINE_PROJECT_SETTINGS_LEAF(COvProjectSettingsWindows, "Windows")
OV_DEFINE_PROJECT_SETTINGS_LEAF(COvProjectSettingsLinux, "Linux")
OV_DEFINE_PROJECT_SETTINGS_LEAF(COvProjectSettingsMac, "Mac")
