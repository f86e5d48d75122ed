// COvProjectManager: the process-wide owner of the current project for tools that work on one
// project at a time. Forwards extension maintenance and path queries to the current project,
// extracts the editor's settings node from the project file and checks workspace layouts.
#pragma once

#include "core/ovarray.h"
#include "core/ovstring.h"

class COvProject;
class COvScriptTreeNode;

class COvProjectManager {
 public:
  // Created on first call and kept until the process ends.
  static COvProjectManager* GetInstance();

  COvProjectManager(const COvProjectManager&) = delete;
  COvProjectManager& operator=(const COvProjectManager&) = delete;
  // Deletes the current project.
  virtual ~COvProjectManager();

  // Makes a project loaded from projectFile current (a default one when the file cannot be
  // loaded) and deletes the previous one. Always true.
  bool LoadProject(const TOvString<char>& projectFile);
  // The manager takes ownership of project (null allowed); the previous project is deleted
  // unless it is the same object.
  void SetCurrentProject(COvProject* project);
  // Null before a project is loaded or set.
  COvProject* GetCurrentProject() const { return m_pCurrentProject; }

  // The queries of the current project; empty results when there is none.
  const TOvString<char>& GetCurrentProjectFile() const;
  TOvString<char> GetCurrentProjectDirectory() const;
  COvArray<TOvString<char>> GetCurrentProjectExtensions() const;

  // Forwarded to the current project, which rewrites its file; nothing when there is none.
  void AddExtensionInCurrentProject(const TOvString<char>& name);
  void AddExtensionsInCurrentProject(const COvArray<TOvString<char>>& names);
  void RemoveExtensionInCurrentProject(const TOvString<char>& name);
  void RemoveAllExtensionsInCurrentProject();

  // A deep copy of the project file's "editor_settings" element, or null when the file cannot
  // be loaded, lacks it or no project is current. The caller owns the copy and frees it with
  // COvScriptTreeNode::DeleteSubtree.
  COvScriptTreeNode* GetEditorProjectSettings() const;

  // True when path holds exactly the subdirectories Game, Levels, Resources and Videos under
  // Generic, and Resources holds every engine resource directory (others allowed there).
  // Names match exactly (case-sensitive). path may end with a separator or not.
  static bool IsAcceptableWorkspace(const TOvString<char>& path);

 private:
  COvProjectManager() = default;

  COvProject* m_pCurrentProject = nullptr;
};
