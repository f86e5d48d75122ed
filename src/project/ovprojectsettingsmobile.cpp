// The mobile settings groups and their settings tables.
#include "project/ovprojectsettingsmobile.h"

#include "project/ovprojectsettingsinternal.h"

const COvRTTI COvProjectSettingsMobile::TYPE("COvProjectSettingsMobile", &COvProjectSettings::TYPE);

COvProjectSettingsMobile::COvProjectSettingsMobile() : COvProjectSettings(COvIdentifier("Mobile")) {
  AddChild(new COvProjectSettingsAndroid());
  AddChild(new COvProjectSettingsIos());
  Initialize();
}

const COvArray<COvReflectionInformation>& COvProjectSettingsMobile::GetReflectionInformationArray() const {
  using namespace ovproject;
  using Self = COvProjectSettingsMobile;
  static const COvArray<COvReflectionInformation> table = [this] {
    COvArray<COvReflectionInformation> t(COvProjectSettings::GetReflectionInformationArray());
    t.Add(COvReflectionInformation("mobileLandscape", kTypeBool, MemberOffset(this, &Self::bLandscape)));
    t.Add(COvReflectionInformation("mobilePortrait", kTypeBool, MemberOffset(this, &Self::bPortrait)));
    return t;
  }();
  return table;
}

const COvRTTI COvProjectSettingsAndroid::TYPE("COvProjectSettingsAndroid", &COvProjectSettings::TYPE);

COvProjectSettingsAndroid::COvProjectSettingsAndroid() : COvProjectSettings(COvIdentifier("Android")) {
  Initialize();
}

const COvArray<COvReflectionInformation>& COvProjectSettingsAndroid::GetReflectionInformationArray() const {
  using namespace ovproject;
  using Self = COvProjectSettingsAndroid;
  static const COvArray<COvReflectionInformation> table = [this] {
    COvArray<COvReflectionInformation> t(COvProjectSettings::GetReflectionInformationArray());
    t.Add(COvReflectionInformation("androidSdkId", kTypeInt, MemberOffset(this, &Self::androidSdkVersion)));
    t.Add(COvReflectionInformation("androidKeyStore", kTypeText, MemberOffset(this, &Self::androidKeyStore)));
    t.Add(COvReflectionInformation("androidKeyStorePwd", kTypeText,
                                   MemberOffset(this, &Self::androidKeyStorePwd)));
    t.Add(COvReflectionInformation("androidKeyAlias", kTypeText, MemberOffset(this, &Self::androidKeyAlias)));
    t.Add(COvReflectionInformation("androidKeyAliasPwd", kTypeText,
                                   MemberOffset(this, &Self::androidKeyAliasPwd)));
    return t;
  }();
  return table;
}

OV_DEFINE_PROJECT_SETTINGS_LEAF(COvProjectSettingsIos, "iOS")
