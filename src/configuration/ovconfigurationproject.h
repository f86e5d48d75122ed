// COvConfigurationProject: the project entry of the configuration file (the game's project file
// and the CMake lists of its native code). Saved by updating its section element in place.
#pragma once

#include "core/ovstring.h"

class COvScriptTreeNode;

class COvConfigurationProject {
 public:
  COvConfigurationProject();
  COvConfigurationProject(const COvConfigurationProject& other);
  COvConfigurationProject& operator=(const COvConfigurationProject& other);
  virtual ~COvConfigurationProject();

  TOvString<char> GetProjectFile() const { return m_strProjectFile; }
  TOvString<char> GetProjectCMakeLists() const { return m_strProjectCMakeLists; }
  void SetProjectFile(TOvString<char> projectFile);
  void SetProjectCMakeLists(TOvString<char> cmakeLists);

  // Reads both paths from the section element; a null node leaves the entry unchanged.
  void Initialize(COvScriptTreeNode* node);
  // Updates the attributes of the section element in place (appending the missing ones); the
  // node's other attributes and children are left alone. A null node is ignored.
  void ToCOvScriptTreeNode(COvScriptTreeNode* node) const;
  // "Warnings : \n" and the missing fields; empty when complete.
  TOvString<char> WellFormed() const;

 private:
  TOvString<char> m_strProjectFile;
  TOvString<char> m_strProjectCMakeLists;
};
