// COvProject: a game project in memory: the project file's path, the tree of settings groups
// rooted at "General" and the list of engine extensions the project uses. Loads and saves the
// XML project file through the script tree; saving edits the existing document, so elements
// and attributes this class does not know are kept.
#pragma once

#include "core/ovarray.h"
#include "core/ovfilepath.h"
#include "core/ovidentifier.h"
#include "core/ovstring.h"

class COvProjectSettings;
class COvProjectSettingsGeneral;
class COvScriptTree;

class COvProject {
 public:
  // The version written by Save; older files are refused by the loader.
  static constexpr const char* kProjectVersion = "1.1";

  // Loads the file at projectFile (stored in native form) over a default settings tree; a file
  // that cannot be loaded leaves the defaults. Never fails.
  explicit COvProject(const TOvString<char>& projectFile);
  // A new project: loads projectFile as above, then sets the general values (and English).
  // Nothing is written before Save.
  COvProject(const TOvString<char>& name, const TOvString<char>& projectFile,
             const TOvString<char>& genericPath, const TOvString<char>& tempPath,
             const TOvString<char>& iconPath, const TOvString<char>& splashPath, int versionMajor,
             int versionMinor);
  COvProject(const COvProject&) = delete;
  COvProject& operator=(const COvProject&) = delete;
  virtual ~COvProject();

  // Replaces the settings tree with a default one and loads the file into it. False when the
  // file is missing, unreadable, older than version 1.1 or has no "project_settings".
  bool Initialize();
  // True when the file loads and its "project_version" is not older than 1.1 (a version that
  // is not two numbers also passes; a missing one counts as 0.0).
  bool CheckProjectVersion();
  // Writes the settings and extensions into the file, keeping its other content. False when
  // the file cannot be written.
  bool Save();

  const TOvString<char>& GetProjectFile() const { return m_projectFile.GetAsString(); }
  void SetProjectFile(const TOvString<char>& path);
  // The directory part of the project file path, with its final separator.
  TOvString<char> GetProjectDirectory() const;

  // The root group; owned by the project and replaced by Initialize.
  COvProjectSettings* GetGeneralProjectSettings() const;
  // The root when id names it, otherwise the first group of that name below it; null if none.
  COvProjectSettings* FindGroupSettings(const COvIdentifier& id) const;
  // value points to a bool, int, float or TOvString<char> according to the setting's kind.
  // False (and nothing changed) for a null value, an unknown group or an unknown setting.
  bool SetProperty(const COvIdentifier& group, const COvIdentifier& setting, void* value);

  // The values of "generalTmp" / "generalGeneric"; an empty text when they cannot be found.
  const TOvString<char>& GetProjectTempDirectory() const;
  const TOvString<char>& GetProjectGenericPath() const;
  // The generic / temporary path made absolute against the project directory, ending with a
  // separator.
  void GetRealGenericPath(TOvString<char>& out) const;
  void GetRealTemporaryPath(TOvString<char>& out) const;
  // The real temporary path followed by "Windows" and "DX9", each ending with a separator.
  void GetRealCompiledPath(TOvString<char>& out) const;
  // Appends (out is not cleared) the identifiers of the languages set, in the order English,
  // French, Italian, German, Spanish.
  void GetProjectLanguagesArray(COvArray<COvIdentifier>& out) const;

  // Extension names compare exactly (case-sensitive) in memory. Each operation that writes
  // re-reads the file first and changes nothing on disk when it cannot be loaded.
  COvArray<TOvString<char>>& GetExtensions() { return m_aExtensions; }
  bool ContainsExtension(const TOvString<char>& name) const;
  // In memory only.
  void SetExtensions(const COvArray<TOvString<char>>& extensions);
  // Appends name (duplicates allowed), then SaveExtensions.
  void AddExtension(const TOvString<char>& name);
  // Appends, to the file and the list, every name not in the list yet. Nothing at all happens
  // when the file cannot be loaded.
  void AddExtensions(const COvArray<TOvString<char>>& names);
  // Removes the first entry equal to name, then SaveExtensions.
  void RemoveExtension(const TOvString<char>& name);
  // Removes "extensions" from the file and empties the list; nothing when the file cannot be
  // loaded.
  void RemoveAllExtensions();
  // Rewrites the file's "extension" elements from the list.
  void SaveExtensions();

 protected:
  // Loads settings and extensions from the file; see Initialize for the false results.
  bool SerializeFrom();
  bool SerializeTo();

 private:
  // Loads the project file into tree; false when it is missing, unreadable or not XML.
  bool LoadTree(COvScriptTree& tree) const;
  bool SaveTree(COvScriptTree& tree) const;
  void GetRealPath(const TOvString<char>& path, TOvString<char>& out) const;
  const TOvString<char>& GetGeneralText(const COvIdentifier& setting) const;

  COvFilePath m_projectFile;
  COvArray<TOvString<char>> m_aExtensions;
  COvProjectSettingsGeneral* m_pSettings = nullptr;
};
