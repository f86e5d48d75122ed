// The mobile settings groups: "Mobile" (orientations), "Android" (API level and signing data)
// and "iOS", which holds no settings of its own.
#pragma once

#include <utility>

#include "core/ovstring.h"
#include "project/ovprojectsettings.h"

class COvProjectSettingsMobile : public COvProjectSettings {
  OV_PROJECT_SETTINGS_CLASS(COvProjectSettingsMobile)

  // Creates the Android and iOS groups.
  COvProjectSettingsMobile();

  bool GetbLandscape() const { return bLandscape; }
  void SetbLandscape(bool value) { bLandscape = value; }
  bool GetbPortrait() const { return bPortrait; }
  void SetbPortrait(bool value) { bPortrait = value; }

 protected:
  bool bLandscape = false;
  bool bPortrait = false;
};

class COvProjectSettingsAndroid : public COvProjectSettings {
  OV_PROJECT_SETTINGS_CLASS(COvProjectSettingsAndroid)

  COvProjectSettingsAndroid();

  int GetandroidSdkVersion() const { return androidSdkVersion; }
  void SetandroidSdkVersion(int value) { androidSdkVersion = value; }
  TOvString<char> GetandroidKeyStore() const { return androidKeyStore; }
  void SetandroidKeyStore(TOvString<char> value) { androidKeyStore = std::move(value); }
  TOvString<char> GetandroidKeyStorePwd() const { return androidKeyStorePwd; }
  void SetandroidKeyStorePwd(TOvString<char> value) { androidKeyStorePwd = std::move(value); }
  TOvString<char> GetandroidKeyAlias() const { return androidKeyAlias; }
  void SetandroidKeyAlias(TOvString<char> value) { androidKeyAlias = std::move(value); }
  TOvString<char> GetandroidKeyAliasPwd() const { return androidKeyAliasPwd; }
  void SetandroidKeyAliasPwd(TOvString<char> value) { androidKeyAliasPwd = std::move(value); }

 protected:
  int androidSdkVersion = 0;
  TOvString<char> androidKeyStore;
  TOvString<char> androidKeyStorePwd;
  TOvString<char> androidKeyAlias;
  TOvString<char> androidKeyAliasPwd;
};

class COvProjectSettingsIos : public COvProjectSettings {
  OV_PROJECT_SETTINGS_CLASS(COvProjectSettingsIos)
  COvProjectSettingsIos();
};
