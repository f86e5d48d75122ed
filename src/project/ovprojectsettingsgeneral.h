// COvProjectSettingsGeneral: the root group of a project's settings ("General"): name, paths,
// icon, splash screen, version, languages and feature flags. Constructing it builds the whole
// group tree (Desktop, Console and Mobile with their platforms) with default values.
#pragma once

#include <utility>

#include "core/ovstring.h"
#include "project/ovprojectsettings.h"

class COvProjectSettingsGeneral : public COvProjectSettings {
  OV_PROJECT_SETTINGS_CLASS(COvProjectSettingsGeneral)

  COvProjectSettingsGeneral();

  TOvString<char> GetstrProjectName() const { return strProjectName; }
  void SetstrProjectName(TOvString<char> value) { strProjectName = std::move(value); }
  TOvString<char> GetstrProjectGenericPath() const { return strProjectGenericPath; }
  void SetstrProjectGenericPath(TOvString<char> value) { strProjectGenericPath = std::move(value); }
  TOvString<char> GetstrProjectTempDirectory() const { return strProjectTempDirectory; }
  void SetstrProjectTempDirectory(TOvString<char> value) { strProjectTempDirectory = std::move(value); }
  TOvString<char> GetstrIconPath() const { return strIconPath; }
  void SetstrIconPath(TOvString<char> value) { strIconPath = std::move(value); }
  TOvString<char> GetstrSplashscreenPath() const { return strSplashscreenPath; }
  void SetstrSplashscreenPath(TOvString<char> value) { strSplashscreenPath = std::move(value); }
  int GetiVErsionMajor() const { return iVErsionMajor; }
  void SetiVErsionMajor(int value) { iVErsionMajor = value; }
  int GetiVErsionMinor() const { return iVErsionMinor; }
  void SetiVErsionMinor(int value) { iVErsionMinor = value; }
  bool GetbEnglish() const { return bEnglish; }
  void SetbEnglish(bool value) { bEnglish = value; }
  bool GetbFrench() const { return bFrench; }
  void SetbFrench(bool value) { bFrench = value; }
  bool GetbSpanish() const { return bSpanish; }
  void SetbSpanish(bool value) { bSpanish = value; }
  bool GetbGerman() const { return bGerman; }
  void SetbGerman(bool value) { bGerman = value; }
  bool GetbItalian() const { return bItalian; }
  void SetbItalian(bool value) { bItalian = value; }
  bool GetbNetworking() const { return bNetworking; }
  void SetbNetworking(bool value) { bNetworking = value; }
  bool GetbRecording() const { return bRecording; }
  void SetbRecording(bool value) { bRecording = value; }
  bool GetbLocalMultiplayer() const { return bLocalMultiplayer; }
  void SetbLocalMultiplayer(bool value) { bLocalMultiplayer = value; }

 protected:
  TOvString<char> strProjectName;
  TOvString<char> strProjectGenericPath;
  TOvString<char> strProjectTempDirectory;
  TOvString<char> strIconPath;
  TOvString<char> strSplashscreenPath;
  int iVErsionMajor = 0;
  int iVErsionMinor = 0;
  bool bEnglish = false;
  bool bFrench = false;
  bool bSpanish = false;
  bool bGerman = false;
  bool bItalian = false;
  bool bNetworking = false;
  bool bRecording = false;
  bool bLocalMultiplayer = false;
};
