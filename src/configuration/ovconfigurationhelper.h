// COvConfigurationHelper: turns one build configuration into the command lines of the tool
// chain (CMake configure and build, asset compilation, the two packager runs) and creates the
// temporary directories those tools write into. It runs nothing itself.
//
// A build with several CPU architectures is processed once per architecture: the compile
// command advances the current architecture and HasAnotherArchitecture() says whether another
// configure/compile pass is due. Every getter assigns (replaces) its two outputs.
#pragma once

#include "core/ovarray.h"
#include "core/ovstring.h"

class COvConfigurationManager;

class COvConfigurationHelper {
 public:
  COvConfigurationHelper();
  COvConfigurationHelper(const COvConfigurationHelper& other);
  COvConfigurationHelper& operator=(const COvConfigurationHelper& other);
  virtual ~COvConfigurationHelper();

  // manager must hold the loaded configurationFile. Reads the build named buildName, its
  // distribution, the project entry and the project file's temporary directory, finds cmake on
  // PATH and creates the build and platform temporary directories. A project file that cannot
  // be read is reported on standard error ("Can't read project file !"); the directories then
  // stay unset. toolsDirectory is expected to end with a separator.
  void Initialize(TOvString<char> configurationFile, COvConfigurationManager& manager,
                  TOvString<char> buildName, TOvString<char> toolsDirectory);

  void GetBuildProjectCommand(TOvString<char>& program, TOvString<char>& arguments);
  // Also moves on to the next architecture.
  void GetCompileProjectCommand(TOvString<char>& program, TOvString<char>& arguments);
  void GetCompileAssetsCommand(TOvString<char>& program, TOvString<char>& arguments);
  void GetConfigurePackagerCommand(TOvString<char>& program, TOvString<char>& arguments);
  void GetPackageCommand(TOvString<char>& program, TOvString<char>& arguments);
  // Nothing to clean: both outputs are left as they are.
  void GetCleanCommand(TOvString<char>& program, TOvString<char>& arguments);

  // platform + separator + api, e.g. Windows/DX9 (Windows\DX9 on Windows).
  TOvString<char> GetTargetBuildAsString() const;
  bool HasAnotherArchitecture() const;

 protected:
  void GetOvGamePackagerCommand(TOvString<char>& program, TOvString<char>& arguments, TOvString<char> action);
  // Reads the project file's temporary directory and creates the build directory (with
  // subdirectory below it) and the platform's temporary directory. False, with a message on
  // standard error, when the project file cannot be read.
  bool FindTmpDirectory(TOvString<char> subdirectory);

  // The architecture of the current pass; empty when there is none.
  TOvString<char> GetCurrentArchitecture() const;
  // The current pass's CMake directory below the platform's temporary directory, created.
  TOvString<char> CreateWorkDirectory() const;

  int platformIndex;
  int apiIndex;
  TOvString<char> platform;
  TOvString<char> api;
  int architectureIndex;
  COvArray<TOvString<char>> architectures;
  TOvString<char> toolsDirectory;
  TOvString<char> cmakePath;
  TOvString<char> buildName;
  // In the build's stored form (each double quote as "&quot;"), as it enters the command lines.
  TOvString<char> buildArgs;
  TOvString<char> buildDirectory;
  TOvString<char> platformTempDirectory;
  TOvString<char> tempDirectory;
  TOvString<char> cmakeListsPath;
  TOvString<char> libraryPath;
  TOvString<char> headerPath;
  TOvString<char> projectFile;
  TOvString<char> configurationFile;
  TOvString<char> sourceControlUser;
  TOvString<char> sourceControlPassword;
  TOvString<char> sourceControlUrl;
};
