// COvConfigurationManager: loads the configuration file (an XML document with the project,
// source-control, build and distribution sections) into a script tree, builds one object per
// entry, answers lookups by name and edits and saves the entries.
//
// Entry names are identifiers: names differing only in letter case name the same entry. Every
// object handed out (builds, distributions, project, source control) stays owned by the manager.
#pragma once

#include "configuration/ovconfigurationbuild.h"
#include "configuration/ovconfigurationdistribution.h"
#include "configuration/ovconfigurationproject.h"
#include "configuration/ovconfigurationsourcecontrol.h"
#include "core/ovarray.h"
#include "core/ovidentifier.h"
#include "core/ovstring.h"

class COvScriptTree;
class COvScriptTreeNode;

class COvConfigurationManager {
 public:
  COvConfigurationManager();
  virtual ~COvConfigurationManager();
  COvConfigurationManager(const COvConfigurationManager&) = delete;
  COvConfigurationManager& operator=(const COvConfigurationManager&) = delete;

  // Remembers path, then loads it.
  void Initialize(const char* path);
  // (Re)loads the file; a missing file is created empty. When the file cannot be opened,
  // "Cannot open file <path>" goes to standard error and the manager keeps no sections; a
  // malformed file gives an empty configuration without any message.
  void LoadConfig();

  TOvString<char> GetBuildFilePath() const { return m_strBuildFilePath; }
  // Null before a successful load.
  COvConfigurationProject* GetProject() const { return m_pProject; }
  COvConfigurationSourceControl* GetSourceControl() const { return m_pSourceControl; }
  // The first entry whose name matches, or null.
  COvConfigurationBuild* GetBuild(const COvIdentifier& name) const;
  COvConfigurationDistribution* GetDistrib(const COvIdentifier& name) const;

  COvArray<TOvString<char>> GetListBuild() const;
  COvArray<TOvString<char>> GetListDistrib() const;
  // Names of the distributions compatible with platform, in list order.
  COvArray<TOvString<char>> GetListDistribForPlatform(const TOvString<char>& platform) const;
  // Every entry's WellFormed() text in list order; empty when all entries are complete.
  TOvString<char> AllWellFormedBuild() const;
  TOvString<char> AllWellFormedDistrib() const;

  // Editing works on the lists in memory; the file changes only when saved.
  void AddBuild(const TOvString<char>& name);
  void AddDistrib(const TOvString<char>& name);
  void RemoveBuild(const COvIdentifier& name);
  void RemoveDistrib(const TOvString<char>& name);
  // Reads one entry again from the loaded tree, discarding its unsaved changes.
  void ResetBuild(const COvIdentifier& name);
  void ResetDistrib(const COvIdentifier& name);
  // A name no entry uses yet. The counters behind them are shared by every manager of the
  // process and only grow, so two calls never return the same name.
  TOvString<char> GenerateAutoNameBuild();
  TOvString<char> GenerateAutoNameDistrib();

  // Write the tree to the file. Nothing is written when no configuration was loaded; failures
  // are not reported.
  void SaveAll();
  void SaveAllBuild();
  void SaveAllDistrib();
  // Writes the entry's element again, as the last one of its section.
  void SaveCurrentBuild(const COvIdentifier& name);
  void SaveCurrentDistrib(const COvIdentifier& name);

 private:
  void InitializeProject();
  void InitializeSourceControl();
  void InitializeBuildsArray();
  void InitializeDistribsArray();
  void SaveTree();

  TOvString<char> m_strBuildFilePath;
  COvScriptTree* m_pTree = nullptr;
  COvScriptTreeNode* m_pProjectNode = nullptr;
  COvScriptTreeNode* m_pSourceControlNode = nullptr;
  COvScriptTreeNode* m_pBuildsNode = nullptr;
  COvScriptTreeNode* m_pDistribsNode = nullptr;
  COvConfigurationProject* m_pProject = nullptr;
  COvConfigurationSourceControl* m_pSourceControl = nullptr;
  COvArray<COvConfigurationBuild*> m_aBuilds;
  COvArray<COvConfigurationDistribution*> m_aDistribs;
};
