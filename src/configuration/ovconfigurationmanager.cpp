// Configuration manager: loading the configuration file, lookups, editing and saving.
#include "configuration/ovconfigurationmanager.h"

#include <cstdio>

#include "configuration/ovconfigurationids.h"
#include "core/ovfile.h"
#include "scripttree/ovscripttree.h"
#include "scripttree/ovscripttreeserializerxml.h"

namespace {

// Process-wide and never reset: names handed out once are never handed out again.
int s_iAutoNameBuildCounter = 0;
int s_iAutoNameDistribCounter = 0;

TOvString<char> FormatAutoName(const char* format, int counter) {
  char buffer[32];
  std::snprintf(buffer, sizeof(buffer), format, counter);
  return TOvString<char>(buffer);
}

COvScriptTreeNode* FindOrAppendSection(COvScriptTreeNode& root, const COvIdentifier& id) {
  COvScriptTreeNode* section = root.FindChild(id);
  if (!section) {
    section = new COvScriptTreeNode(id);
    root.AddChild(section);
  }
  return section;
}

// Detaches and deletes every child of section.
void DeleteChildren(COvScriptTreeNode& section) {
  while (section.GetChildCount() > 0) {
    COvScriptTreeNode* child = section.GetChild(0);
    section.RemoveChild(0);
    COvScriptTreeNode::DeleteSubtree(child);
  }
}

template <typename Entry>
void DeleteEntries(COvArray<Entry*>& entries) {
  for (Entry* entry : entries) delete entry;
  entries.RemoveAll();
}

// One entry per child of section, whatever the child's element name.
template <typename Entry>
void ReadEntries(COvArray<Entry*>& entries, const COvScriptTreeNode& section) {
  DeleteEntries(entries);
  for (int i = 0; i < section.GetChildCount(); ++i) {
    Entry* entry = new Entry();
    entry->Initialize(section.GetChild(i));
    entries.Add(entry);
  }
}

template <typename Entry>
int FindEntry(const COvArray<Entry*>& entries, const COvIdentifier& name) {
  for (int i = 0; i < entries.GetCount(); ++i) {
    if (COvIdentifier(entries[i]->GetName()) == name) return i;
  }
  return -1;
}

template <typename Entry>
void RemoveEntry(COvArray<Entry*>& entries, const COvIdentifier& name) {
  int index = FindEntry(entries, name);
  if (index < 0) return;
  delete entries[index];
  entries.RemoveAt(index);
}

// Reads the entry again from the first element of the section named elementId whose Name
// attribute names it; nothing when the entry or the element is missing.
template <typename Entry>
void ResetEntry(const COvArray<Entry*>& entries, COvScriptTreeNode* section, const COvIdentifier& elementId,
                const COvIdentifier& name) {
  int index = FindEntry(entries, name);
  if (index < 0 || !section) return;
  COvScriptTreeNode* element =
      section->FindChildByIdAndAttributeValue(elementId, COvConfigurationIds::Get().name, name);
  if (element) entries[index]->Initialize(element);
}

// Deletes the first child whose Name attribute names the entry (whatever the child's element
// name), then appends the entry's new element when the entry is still listed.
template <typename Entry>
void ReplaceEntryElement(COvScriptTreeNode& section, const COvArray<Entry*>& entries,
                         const COvIdentifier& name) {
  const COvIdentifier& nameId = COvConfigurationIds::Get().name;
  for (int i = 0; i < section.GetChildCount(); ++i) {
    COvScriptTreeNode* child = section.GetChild(i);
    if (child && COvIdentifier(child->GetAttributeValueAsString(nameId)) == name) {
      section.RemoveChild(i);
      COvScriptTreeNode::DeleteSubtree(child);
      break;
    }
  }
  int index = FindEntry(entries, name);
  if (index >= 0) section.AddChild(entries[index]->ToCOvScriptTreeNode());
}

template <typename Entry>
COvArray<TOvString<char>> ListNames(const COvArray<Entry*>& entries) {
  COvArray<TOvString<char>> names(16);
  for (const Entry* entry : entries) names.Add(entry->GetName());
  return names;
}

template <typename Entry>
TOvString<char> ConcatenateWarnings(const COvArray<Entry*>& entries) {
  TOvString<char> text;
  for (const Entry* entry : entries) text += entry->WellFormed();
  return text;
}

template <typename Entry>
void RebuildSection(COvScriptTreeNode& section, const COvArray<Entry*>& entries) {
  DeleteChildren(section);
  for (const Entry* entry : entries) section.AddChild(entry->ToCOvScriptTreeNode());
}

}  // namespace

COvConfigurationManager::COvConfigurationManager() : m_aBuilds(16), m_aDistribs(16) {}

COvConfigurationManager::~COvConfigurationManager() {
  DeleteEntries(m_aBuilds);
  DeleteEntries(m_aDistribs);
  delete m_pProject;
  delete m_pSourceControl;
  delete m_pTree;
}

void COvConfigurationManager::Initialize(const char* path) {
  m_strBuildFilePath = path;
  LoadConfig();
}

void COvConfigurationManager::LoadConfig() {
  // The section nodes die with the tree's content below.
  m_pProjectNode = nullptr;
  m_pSourceControlNode = nullptr;
  m_pBuildsNode = nullptr;
  m_pDistribsNode = nullptr;
  if (!m_pTree) {
    m_pTree = new COvScriptTree();
  } else {
    m_pTree->Empty();
  }

  // Appending creates the file when it does not exist yet.
  COvFileHandle* handle = nullptr;
  bool opened = COvFileSystemUnCached::Open(handle, m_strBuildFilePath, eOvFileSystemOpenMode_AppendBinary,
                                            false) == eOvFileSystemError_None;
  if (opened) {
    COvFileSystemUnCached::Close(handle);
    handle = nullptr;
    opened = COvFileSystemUnCached::Open(handle, m_strBuildFilePath, eOvFileSystemOpenMode_ReadBinary,
                                         false) == eOvFileSystemError_None;
  }
  if (!opened) {
    std::fprintf(stderr, "Cannot open file %s\n", m_strBuildFilePath.GetBuffer());
    return;
  }
  COvScriptTreeSerializerXML serializer;
  serializer.LoadXmlFromFileHandle(*m_pTree, handle);
  COvFileSystemUnCached::Close(handle);

  const COvConfigurationIds& ids = COvConfigurationIds::Get();
  COvScriptTreeNode* root = m_pTree->GetRootNode();
  if (!root) root = m_pTree->CreateRootNode(ids.configurations);
  m_pProjectNode = FindOrAppendSection(*root, ids.projectConfig);
  m_pSourceControlNode = FindOrAppendSection(*root, ids.sourceControlConfig);
  m_pBuildsNode = FindOrAppendSection(*root, ids.buildConfigs);
  m_pDistribsNode = FindOrAppendSection(*root, ids.distribConfigs);

  InitializeProject();
  InitializeSourceControl();
  InitializeBuildsArray();
  InitializeDistribsArray();
}

void COvConfigurationManager::InitializeProject() {
  if (!m_pProject) m_pProject = new COvConfigurationProject();
  m_pProject->Initialize(m_pProjectNode);
}

void COvConfigurationManager::InitializeSourceControl() {
  if (!m_pSourceControl) m_pSourceControl = new COvConfigurationSourceControl();
  m_pSourceControl->Initialize(m_pSourceControlNode);
}

void COvConfigurationManager::InitializeBuildsArray() { ReadEntries(m_aBuilds, *m_pBuildsNode); }

void COvConfigurationManager::InitializeDistribsArray() { ReadEntries(m_aDistribs, *m_pDistribsNode); }

COvConfigurationBuild* COvConfigurationManager::GetBuild(const COvIdentifier& name) const {
  int index = FindEntry(m_aBuilds, name);
  return index < 0 ? nullptr : m_aBuilds[index];
}

COvConfigurationDistribution* COvConfigurationManager::GetDistrib(const COvIdentifier& name) const {
  int index = FindEntry(m_aDistribs, name);
  return index < 0 ? nullptr : m_aDistribs[index];
}

COvArray<TOvString<char>> COvConfigurationManager::GetListBuild() const { return ListNames(m_aBuilds); }

COvArray<TOvString<char>> COvConfigurationManager::GetListDistrib() const { return ListNames(m_aDistribs); }

COvArray<TOvString<char>> COvConfigurationManager::GetListDistribForPlatform(
    const TOvString<char>& platform) const {
  COvArray<TOvString<char>> names(16);
  for (const COvConfigurationDistribution* distrib : m_aDistribs) {
    if (distrib->IsCompatibleWith(platform)) names.Add(distrib->GetName());
  }
  return names;
}

TOvString<char> COvConfigurationManager::AllWellFormedBuild() const { return ConcatenateWarnings(m_aBuilds); }

TOvString<char> COvConfigurationManager::AllWellFormedDistrib() const {
  return ConcatenateWarnings(m_aDistribs);
}

void COvConfigurationManager::AddBuild(const TOvString<char>& name) {
  COvConfigurationBuild* build = new COvConfigurationBuild();
  build->SetName(name);
  m_aBuilds.Add(build);
}

void COvConfigurationManager::AddDistrib(const TOvString<char>& name) {
  COvConfigurationDistribution* distrib = new COvConfigurationDistribution();
  distrib->SetName(name);
  m_aDistribs.Add(distrib);
}

void COvConfigurationManager::RemoveBuild(const COvIdentifier& name) { RemoveEntry(m_aBuilds, name); }

void COvConfigurationManager::RemoveDistrib(const TOvString<char>& name) {
  RemoveEntry(m_aDistribs, COvIdentifier(name));
}

void COvConfigurationManager::ResetBuild(const COvIdentifier& name) {
  ResetEntry(m_aBuilds, m_pBuildsNode, COvConfigurationIds::Get().build, name);
}

void COvConfigurationManager::ResetDistrib(const COvIdentifier& name) {
  ResetEntry(m_aDistribs, m_pDistribsNode, COvConfigurationIds::Get().distrib, name);
}

TOvString<char> COvConfigurationManager::GenerateAutoNameBuild() {
  TOvString<char> name;
  do {
    name = FormatAutoName("NewConfig_%03d", ++s_iAutoNameBuildCounter);
  } while (GetBuild(COvIdentifier(name)));
  return name;
}

TOvString<char> COvConfigurationManager::GenerateAutoNameDistrib() {
  TOvString<char> name;
  do {
    name = FormatAutoName("NewDistrib_%03d", ++s_iAutoNameDistribCounter);
  } while (GetDistrib(COvIdentifier(name)));
  return name;
}

void COvConfigurationManager::SaveTree() {
  // Without a loaded configuration there is nothing sound to write: saving would only empty
  // the file.
  if (!m_pTree || !m_pTree->GetRootNode() || !m_pBuildsNode || !m_pDistribsNode) return;
  COvScriptTreeSerializerXML serializer;
  serializer.Save(*m_pTree, m_strBuildFilePath);
}

void COvConfigurationManager::SaveAll() {
  if (!m_pTree || !m_pTree->GetRootNode()) return;
  if (m_pProject) m_pProject->ToCOvScriptTreeNode(m_pProjectNode);
  if (m_pSourceControl) m_pSourceControl->ToCOvScriptTreeNode(m_pSourceControlNode);
  SaveTree();
  SaveAllBuild();
  SaveAllDistrib();
}

void COvConfigurationManager::SaveAllBuild() {
  if (!m_pBuildsNode) return;
  RebuildSection(*m_pBuildsNode, m_aBuilds);
  SaveTree();
}

void COvConfigurationManager::SaveAllDistrib() {
  if (!m_pDistribsNode) return;
  RebuildSection(*m_pDistribsNode, m_aDistribs);
  SaveTree();
}

void COvConfigurationManager::SaveCurrentBuild(const COvIdentifier& name) {
  if (!m_pBuildsNode) return;
  ReplaceEntryElement(*m_pBuildsNode, m_aBuilds, name);
  SaveTree();
}

void COvConfigurationManager::SaveCurrentDistrib(const COvIdentifier& name) {
  if (!m_pDistribsNode) return;
  ReplaceEntryElement(*m_pDistribsNode, m_aDistribs, name);
  SaveTree();
}
