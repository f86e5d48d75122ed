// COvConfigurationBuild: one build configuration of the configuration file (platform,
// distribution, graphics API, SDK directories, extra arguments, CPU architectures), read from
// and written back as a `build` element of the script tree.
#pragma once

#include "core/ovarray.h"
#include "core/ovstring.h"

class COvScriptTreeNode;

class COvConfigurationBuild {
 public:
  COvConfigurationBuild();
  COvConfigurationBuild(const COvConfigurationBuild& other);
  COvConfigurationBuild& operator=(const COvConfigurationBuild& other);
  virtual ~COvConfigurationBuild();

  TOvString<char> GetName() const { return m_strName; }
  TOvString<char> GetPlatform() const { return m_strPlatform; }
  TOvString<char> GetDistribution() const { return m_strDistribution; }
  TOvString<char> GetApi() const { return m_strApi; }
  TOvString<char> GetHeaderPath() const { return m_strHeaderPath; }
  TOvString<char> GetLibraryPath() const { return m_strLibraryPath; }
  // The arguments in their stored form: each double quote held as "&quot;".
  TOvString<char> GetArgs() const { return m_strArgs; }
  COvArray<TOvString<char>> GetArchitectures() const { return m_aArchitectures; }

  // Blanks become underscores, so a name is always one word.
  void SetName(TOvString<char> name);
  void SetPlatform(TOvString<char> platform);
  void SetDistribution(TOvString<char> distribution);
  void SetApi(TOvString<char> api);
  void SetHeaderPath(TOvString<char> headerPath);
  void SetLibraryPath(TOvString<char> libraryPath);
  // Each double-quote character is stored as "&quot;" (existing "&quot;" texts stay as they are).
  void SetArgs(TOvString<char> args);

  // Index of the first architecture equal to name (case-sensitive), or -1.
  int FindArchitecture(TOvString<char> name) const;
  // Appends name unless it is already listed.
  void AddArchitecture(TOvString<char> name);
  // Removes name, keeping the order of the others; nothing when it is not listed.
  void RemoveArchitecture(TOvString<char> name);

  // Reads the entry from its element; a null node leaves the entry unchanged.
  void Initialize(COvScriptTreeNode* node);
  // A new `build` element holding every field; the caller owns it.
  COvScriptTreeNode* ToCOvScriptTreeNode() const;
  // Warning text listing the missing fields; empty when the entry is complete.
  TOvString<char> WellFormed() const;

 private:
  TOvString<char> m_strName;
  TOvString<char> m_strPlatform;
  TOvString<char> m_strDistribution;
  TOvString<char> m_strApi;
  TOvString<char> m_strHeaderPath;
  TOvString<char> m_strLibraryPath;
  TOvString<char> m_strArgs;
  COvArray<TOvString<char>> m_aArchitectures;
};
