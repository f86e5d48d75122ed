// COvProjectManager: current project ownership, forwarding, editor settings and the workspace
// layout check.
#include "project/ovprojectmanager.h"

#include "core/ovdirectory.h"
#include "core/ovid.h"
#include "core/platform/host.h"
#include "project/ovproject.h"
#include "scripttree/ovscripttree.h"
#include "scripttree/ovscripttreenode.h"
#include "scripttree/ovscripttreeserializerxml.h"

namespace {

const char* const kSeparator = ovhost::kNativeSeparatorText;

bool Contains(const COvArray<TOvString<char>>& listing, const TOvString<char>& entry) {
  return listing.Find(entry) >= 0;
}

}  // namespace

COvProjectManager* COvProjectManager::GetInstance() {
  static COvProjectManager* instance = new COvProjectManager();
  return instance;
}

COvProjectManager::~COvProjectManager() { delete m_pCurrentProject; }

bool COvProjectManager::LoadProject(const TOvString<char>& projectFile) {
  COvProject* project = new COvProject(projectFile);
  project->Initialize();
  SetCurrentProject(project);
  return true;
}

void COvProjectManager::SetCurrentProject(COvProject* project) {
  if (project == m_pCurrentProject) return;
  delete m_pCurrentProject;
  m_pCurrentProject = project;
}

const TOvString<char>& COvProjectManager::GetCurrentProjectFile() const {
  return m_pCurrentProject ? m_pCurrentProject->GetProjectFile() : TOvString<char>::STR_EMPTY;
}

TOvString<char> COvProjectManager::GetCurrentProjectDirectory() const {
  return m_pCurrentProject ? m_pCurrentProject->GetProjectDirectory() : TOvString<char>();
}

COvArray<TOvString<char>> COvProjectManager::GetCurrentProjectExtensions() const {
  return m_pCurrentProject ? m_pCurrentProject->GetExtensions() : COvArray<TOvString<char>>();
}

void COvProjectManager::AddExtensionInCurrentProject(const TOvString<char>& name) {
  if (m_pCurrentProject) m_pCurrentProject->AddExtension(name);
}

void COvProjectManager::AddExtensionsInCurrentProject(const COvArray<TOvString<char>>& names) {
  if (m_pCurrentProject) m_pCurrentProject->AddExtensions(names);
}

void COvProjectManager::RemoveExtensionInCurrentProject(const TOvString<char>& name) {
  if (m_pCurrentProject) m_pCurrentProject->RemoveExtension(name);
}

void COvProjectManager::RemoveAllExtensionsInCurrentProject() {
  if (m_pCurrentProject) m_pCurrentProject->RemoveAllExtensions();
}

COvScriptTreeNode* COvProjectManager::GetEditorProjectSettings() const {
  if (!m_pCurrentProject) return nullptr;
  COvScriptTree tree;
  COvScriptTreeSerializerXML serializer;
  if (!serializer.Load(tree, m_pCurrentProject->GetProjectFile())) return nullptr;
  COvScriptTreeNode* root = tree.GetRootNode();
  if (!root) return nullptr;
  COvScriptTreeNode* editor = root->FindChild(OVID::GetSingleton().editor_settings);
  return editor ? new COvScriptTreeNode(*editor) : nullptr;
}

bool COvProjectManager::IsAcceptableWorkspace(const TOvString<char>& path) {
  // Listings name entries directory + separator + name, so the expected entries are built the
  // same way; a path without its final separator is taken as if it had one.
  TOvString<char> workspace(path);
  if (!workspace.IsEmpty() && !workspace.EndsWith(kSeparator)) workspace += kSeparator;

  COvArray<TOvString<char>> listing;
  OvRetrieveDirectoriesFromDirectory(workspace, listing);
  if (listing.GetCount() == 0) return false;
  if (!Contains(listing, workspace + "Generic")) return false;

  const TOvString<char> generic = workspace + kSeparator + "Generic";
  listing.RemoveAll();
  OvRetrieveDirectoriesFromDirectory(generic, listing);
  if (listing.GetCount() != 4) return false;
  for (const char* name : {"Game", "Levels", "Resources", "Videos"}) {
    if (!Contains(listing, generic + kSeparator + name)) return false;
  }

  const TOvString<char> resources = generic + kSeparator + "Resources";
  listing.RemoveAll();
  OvRetrieveDirectoriesFromDirectory(resources, listing);
  for (const char* name : {"Animations", "AudioStreams", "DataSets", "Fonts", "FSM", "Material", "Meshes",
                           "MetaAnimation", "ParticleSystems", "Prefab", "Ragdoll", "Shaders", "Shapes",
                           "Sounds", "Sprites", "String", "Subtitles", "Textures"}) {
    if (!Contains(listing, resources + kSeparator + name)) return false;
  }
  return true;
}
