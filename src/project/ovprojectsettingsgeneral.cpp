// COvProjectSettingsGeneral: the root group and its settings table.
#include "project/ovprojectsettingsgeneral.h"

#include "project/ovprojectsettingsconsole.h"
#include "project/ovprojectsettingsdesktop.h"
#include "project/ovprojectsettingsinternal.h"
#include "project/ovprojectsettingsmobile.h"

const COvRTTI COvProjectSettingsGeneral::TYPE("COvProjectSettingsGeneral", &COvProjectSettings::TYPE);

COvProjectSettingsGeneral::COvProjectSettingsGeneral() : COvProjectSettings(COvIdentifier("General")) {
  AddChild(new COvProjectSettingsDesktop());
  AddChild(new COvProjectSettingsConsole());
  AddChild(new COvProjectSettingsMobile());
  Initialize();
}

const COvArray<COvReflectionInformation>& COvProjectSettingsGeneral::GetReflectionInformationArray() const {
  using namespace ovproject;
  using Self = COvProjectSettingsGeneral;
  static const COvArray<COvReflectionInformation> table = [this] {
    COvArray<COvReflectionInformation> t(COvProjectSettings::GetReflectionInformationArray());
    t.Add(COvReflectionInformation("generalName", kTypeText, MemberOffset(this, &Self::strProjectName)));
    t.Add(COvReflectionInformation("generalGeneric", kTypeText,
                                   MemberOffset(this, &Self::strProjectGenericPath)));
    t.Add(COvReflectionInformation("generalTmp", kTypeText,
                                   MemberOffset(this, &Self::strProjectTempDirectory)));
    t.Add(COvReflectionInformation("generalIcon", kTypeText, MemberOffset(this, &Self::strIconPath)));
    t.Add(COvReflectionInformation("generalSplashscreen", kTypeText,
                                   MemberOffset(this, &Self::strSplashscreenPath)));
    t.Add(COvReflectionInformation("generalMajor", kTypeInt, MemberOffset(this, &Self::iVErsionMajor)));
    t.Add(COvReflectionInformation("generalMinor", kTypeInt, MemberOffset(this, &Self::iVErsionMinor)));
    t.Add(COvReflectionInformation("English", kTypeBool, MemberOffset(this, &Self::bEnglish)));
    t.Add(COvReflectionInformation("French", kTypeBool, MemberOffset(this, &Self::bFrench)));
    t.Add(COvReflectionInformation("Spanish", kTypeBool, MemberOffset(this, &Self::bSpanish)));
    t.Add(COvReflectionInformation("German", kTypeBool, MemberOffset(this, &Self::bGerman)));
    t.Add(COvReflectionInformation("Italian", kTypeBool, MemberOffset(this, &Self::bItalian)));
    t.Add(COvReflectionInformation("generalNetworking", kTypeBool, MemberOffset(this, &Self::bNetworking)));
    t.Add(COvReflectionInformation("generalRecording", kTypeBool, MemberOffset(this, &Self::bRecording)));
    t.Add(COvReflectionInformation("generalLocalMultiplayer", kTypeBool,
                                   MemberOffset(this, &Self::bLocalMultiplayer)));
    return t;
  }();
  return table;
}
