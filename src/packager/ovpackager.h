// COvPackager: the packager interface that every target platform implements, and the fields
// that the shared initialization (LoadGeneralParameters) fills for them. One run creates one
// packager, calls Initialize and then the operation of the requested action.
#pragma once

#include "core/ovfilepath.h"
#include "core/ovstring.h"

class COvDistribution;
class COvProject;

// Positions in the platform name table; GetPlatformIndex gives ePlatformCount for an unknown name.
enum EOvPlatform {
  ePlatformWindows = 0,
  ePlatformLinux = 1,
  ePlatformMac = 2,
  ePlatformXbox360 = 3,
  ePlatformXboxOne = 4,
  ePlatformPS3 = 5,
  ePlatformPS4 = 6,
  ePlatformPSVita = 7,
  ePlatformIos = 8,
  ePlatformAndroid = 9,
  ePlatformWiiU = 10,
  ePlatform3DS = 11,
  ePlatformCount = 12
};

// Case-insensitive position of name in the platform table; ePlatformCount when absent or null.
int GetPlatformIndex(const char* name);

class COvPackager {
 public:
  COvPackager() = default;
  virtual ~COvPackager() = default;
  COvPackager(const COvPackager&) = delete;
  COvPackager& operator=(const COvPackager&) = delete;

  // Base implementation: LoadGeneralParameters.
  virtual bool Initialize(int argc, char** argv);
  virtual void Reserved() {}
  virtual bool Configure() = 0;
  virtual bool Build() = 0;
  virtual bool Clean() = 0;
  virtual bool Copy() = 0;

  bool LoadGeneralParameters(int argc, char** argv);
  // Copies the compiled content below platformTempDirectory + source into buildDirectory +
  // target. Single copy failures are reported and make the result false once every file was
  // tried; missing source directories are not failures.
  bool CopyContent(TOvString<char> sourceSubdirectory, TOvString<char> targetSubdirectory);

 protected:
  COvFilePath toolPath;
  COvFilePath configurationFile;
  COvFilePath projectFile;
  TOvString<char> buildDirectory;
  TOvString<char> platformTempDirectory;
  TOvString<char> gameName;
  TOvString<char> iconPath;
  TOvString<char> splashScreenPath;
  int versionMajor = 0;
  int versionMinor = 0;
  // Owned for the whole run; never deleted before the process ends.
  COvDistribution* distribution = nullptr;
  int platform = ePlatformCount;
  COvFilePath targetPath;
  // The project loaded by Initialize; like the distribution, never deleted before the process ends.
  COvProject* projectObject = nullptr;
};
