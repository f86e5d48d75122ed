// COvProject: loading, version check and saving of the project file, settings access, resolved
// paths and extension maintenance.
#include "project/ovproject.h"

#include "core/ovid.h"
#include "core/platform/host.h"
#include "project/ovprojectsettingsgeneral.h"
#include "project/ovprojectsettingsinternal.h"
#include "scripttree/ovscripttree.h"
#include "scripttree/ovscripttreeattribute.h"
#include "scripttree/ovscripttreenode.h"
#include "scripttree/ovscripttreeserializerxml.h"

namespace {

const char* const kNativeSeparator = ovhost::kNativeSeparatorText;

// Detaches and deletes every child of node named id.
void DeleteChildrenById(COvScriptTreeNode& node, const COvIdentifier& id) {
  COvArray<COvScriptTreeNode*> doomed;
  node.GetChildrenByIdArray(id, doomed);
  node.RemoveChildrenById(id);
  for (COvScriptTreeNode* child : doomed) COvScriptTreeNode::DeleteSubtree(child);
}

COvScriptTreeNode* FindOrAppendChild(COvScriptTreeNode& node, const COvIdentifier& id) {
  COvScriptTreeNode* child = node.FindChild(id);
  if (!child) {
    child = new COvScriptTreeNode(id);
    node.AddChild(child);
  }
  return child;
}

void AppendExtensionElement(COvScriptTreeNode& extensions, const TOvString<char>& name) {
  const OVID& ids = OVID::GetSingleton();
  COvScriptTreeNode* element = new COvScriptTreeNode(ids.extension);
  element->AddAttribute(COvScriptTreeAttribute(ids.name, name));
  extensions.AddChild(element);
}

// True when version is older than reference. Each must be two numbers separated by a dot
// (empty pieces do not count); any other form is never older.
bool IsOlderVersion(const TOvString<char>& version, const TOvString<char>& reference) {
  COvArray<TOvString<char>> pieces, referencePieces;
  version.Split(".", pieces);
  reference.Split(".", referencePieces);
  if (pieces.GetCount() != 2 || referencePieces.GetCount() != 2) return false;
  int major = ovStringToS32(pieces[0]);
  int minor = ovStringToS32(pieces[1]);
  int referenceMajor = ovStringToS32(referencePieces[0]);
  int referenceMinor = ovStringToS32(referencePieces[1]);
  return major < referenceMajor || (major == referenceMajor && minor < referenceMinor);
}

}  // namespace

COvProject::COvProject(const TOvString<char>& projectFile) : m_pSettings(new COvProjectSettingsGeneral()) {
  // The path is made native before the first load so that it names the same file as later.
  SetProjectFile(projectFile);
  SerializeFrom();
}

COvProject::COvProject(const TOvString<char>& name, const TOvString<char>& projectFile,
                       const TOvString<char>& genericPath, const TOvString<char>& tempPath,
                       const TOvString<char>& iconPath, const TOvString<char>& splashPath, int versionMajor,
                       int versionMinor)
    : COvProject(projectFile) {
  const OVID& ids = OVID::GetSingleton();
  TOvString<char> text(name);
  SetProperty(ids.general, ids.generalname, &text);
  text = genericPath;
  SetProperty(ids.general, ids.generalgeneric, &text);
  text = tempPath;
  SetProperty(ids.general, ids.generaltmp, &text);
  text = iconPath;
  SetProperty(ids.general, ids.generalicon, &text);
  text = splashPath;
  SetProperty(ids.general, ids.generalsplashscreen, &text);
  SetProperty(ids.general, ids.generalmajor, &versionMajor);
  SetProperty(ids.general, ids.generalminor, &versionMinor);
  bool english = true;
  SetProperty(ids.general, ids.english, &english);
}

COvProject::~COvProject() { delete m_pSettings; }

bool COvProject::Initialize() {
  delete m_pSettings;
  m_pSettings = new COvProjectSettingsGeneral();
  return SerializeFrom();
}

bool COvProject::LoadTree(COvScriptTree& tree) const {
  COvScriptTreeSerializerXML serializer;
  return serializer.Load(tree, GetProjectFile()) && tree.GetRootNode();
}

bool COvProject::SaveTree(COvScriptTree& tree) const {
  COvScriptTreeSerializerXML serializer;
  return serializer.Save(tree, GetProjectFile());
}

bool COvProject::CheckProjectVersion() {
  COvScriptTree tree;
  if (!LoadTree(tree)) return false;
  TOvString<char> version("0.0");
  tree.GetRootNode()->GetAttributeValueAsString(OVID::GetSingleton().project_version, version);
  return !IsOlderVersion(version, kProjectVersion);
}

bool COvProject::SerializeFrom() {
  if (!CheckProjectVersion()) return false;
  COvScriptTree tree;
  if (!LoadTree(tree)) return false;
  const OVID& ids = OVID::GetSingleton();
  COvScriptTreeNode* root = tree.GetRootNode();
  COvScriptTreeNode* settings = root->FindChild(ids.project_settings);
  if (!settings) return false;
  m_pSettings->SerializeFrom(settings);

  m_aExtensions.RemoveAll();
  if (COvScriptTreeNode* extensions = root->FindChild(ids.extensions)) {
    for (int i = 0; i < extensions->GetChildCount(); ++i) {
      const COvScriptTreeNode* element = extensions->GetChild(i);
      // Text content comes in as children with the null identifier; only elements count.
      if (!element || element->GetIdentifier().IsNull()) continue;
      m_aExtensions.Add(element->GetAttributeValueAsString(ids.name));
    }
  }
  return true;
}

bool COvProject::SerializeTo() {
  const OVID& ids = OVID::GetSingleton();
  COvScriptTree tree;
  if (!LoadTree(tree)) {
    tree.Empty();
    tree.CreateRootNode(ids.project);
  }
  COvScriptTreeNode* root = tree.GetRootNode();

  const COvScriptTreeAttribute* version = root->FindAttribute(ids.project_version);
  if (!version || version->GetValue() != kProjectVersion) {
    if (version) {
      COvScriptTreeAttribute old(*version);
      root->RemoveAttribute(old);
    }
    root->AddAttribute(COvScriptTreeAttribute(ids.project_version, kProjectVersion));
  }

  // Every old copy goes: a second "project_settings" left behind would be the one read back.
  DeleteChildrenById(*root, ids.project_settings);
  COvScriptTreeNode* settings = new COvScriptTreeNode(ids.project_settings);
  root->AddChild(settings);
  m_pSettings->SerializeTo(settings, this);

  COvScriptTreeNode* extensions = FindOrAppendChild(*root, ids.extensions);
  for (const TOvString<char>& name : m_aExtensions) {
    COvScriptTreeNode* element = extensions->FindChildByAttribute(ids.name, COvIdentifier(name));
    if (element && element->GetIdentifier() == ids.extension) {
      if (COvScriptTreeAttribute* attribute = element->FindAttribute(ids.name)) {
        attribute->SetValue(name);
      } else {
        element->AddAttribute(COvScriptTreeAttribute(ids.name, name));
      }
    } else {
      AppendExtensionElement(*extensions, name);
    }
  }
  return SaveTree(tree);
}

bool COvProject::Save() { return SerializeTo(); }

void COvProject::SetProjectFile(const TOvString<char>& path) {
  TOvString<char> native(path);
  COvFilePath::ConvertToNativePath(native);
  m_projectFile = native;
}

TOvString<char> COvProject::GetProjectDirectory() const { return m_projectFile.getFilePath(); }

COvProjectSettings* COvProject::GetGeneralProjectSettings() const { return m_pSettings; }

COvProjectSettings* COvProject::FindGroupSettings(const COvIdentifier& id) const {
  if (!m_pSettings) return nullptr;
  if (m_pSettings->GetIdentifier() == id) return m_pSettings;
  return m_pSettings->FindChild(id);
}

bool COvProject::SetProperty(const COvIdentifier& group, const COvIdentifier& setting, void* value) {
  if (!value) return false;
  COvProjectSettings* settings = FindGroupSettings(group);
  if (!settings) return false;
  COvReflectionInformation info;
  if (!settings->FindReflectionInformation(setting, info)) return false;
  void* object = settings;
  switch (ovproject::KindOf(info)) {
    case ovproject::ESettingKind::Bool:
      info.SetValueBool(object, *static_cast<const bool*>(value));
      return true;
    case ovproject::ESettingKind::Int:
      info.SetValueInt(object, *static_cast<const int*>(value));
      return true;
    case ovproject::ESettingKind::Float:
      info.SetValueFloat(object, *static_cast<const float*>(value));
      return true;
    case ovproject::ESettingKind::String:
      info.SetValueString(object, *static_cast<const TOvString<char>*>(value));
      return true;
    case ovproject::ESettingKind::Other:
      break;
  }
  return false;
}

const TOvString<char>& COvProject::GetGeneralText(const COvIdentifier& setting) const {
  const COvProjectSettings* group = FindGroupSettings(OVID::GetSingleton().general);
  COvReflectionInformation info;
  if (!group || !group->FindReflectionInformation(setting, info) ||
      ovproject::KindOf(info) != ovproject::ESettingKind::String) {
    return TOvString<char>::STR_EMPTY;
  }
  const unsigned char* base = static_cast<const unsigned char*>(static_cast<const void*>(group));
  return *reinterpret_cast<const TOvString<char>*>(base + info.GetValueOffset());
}

const TOvString<char>& COvProject::GetProjectTempDirectory() const {
  return GetGeneralText(OVID::GetSingleton().generaltmp);
}

const TOvString<char>& COvProject::GetProjectGenericPath() const {
  return GetGeneralText(OVID::GetSingleton().generalgeneric);
}

void COvProject::GetRealPath(const TOvString<char>& path, TOvString<char>& out) const {
  out = path;
  COvFilePath::ConvertToAbsolute(out, GetProjectDirectory());
  // An empty result means the current directory; a lone separator would name the root.
  if (!out.IsEmpty() && !out.EndsWith(kNativeSeparator)) out += kNativeSeparator;
}

void COvProject::GetRealGenericPath(TOvString<char>& out) const { GetRealPath(GetProjectGenericPath(), out); }

void COvProject::GetRealTemporaryPath(TOvString<char>& out) const {
  GetRealPath(GetProjectTempDirectory(), out);
}

void COvProject::GetRealCompiledPath(TOvString<char>& out) const {
  GetRealTemporaryPath(out);
  out += "Windows";
  out += kNativeSeparator;
  out += "DX9";
  out += kNativeSeparator;
}

void COvProject::GetProjectLanguagesArray(COvArray<COvIdentifier>& out) const {
  const OVID& ids = OVID::GetSingleton();
  const COvIdentifier* languages[] = {&ids.english, &ids.french, &ids.italian, &ids.german, &ids.spanish};
  for (const COvIdentifier* language : languages) {
    COvReflectionInformation info;
    if (m_pSettings->FindReflectionInformation(*language, info) &&
        ovproject::KindOf(info) == ovproject::ESettingKind::Bool && info.GetValueBool(m_pSettings)) {
      out.Add(info.GetIdentifier());
    }
  }
}

bool COvProject::ContainsExtension(const TOvString<char>& name) const {
  return m_aExtensions.Find(name) >= 0;
}

void COvProject::SetExtensions(const COvArray<TOvString<char>>& extensions) { m_aExtensions = extensions; }

void COvProject::AddExtension(const TOvString<char>& name) {
  m_aExtensions.Add(name);
  SaveExtensions();
}

void COvProject::AddExtensions(const COvArray<TOvString<char>>& names) {
  COvScriptTree tree;
  if (!LoadTree(tree)) return;
  COvScriptTreeNode* extensions = FindOrAppendChild(*tree.GetRootNode(), OVID::GetSingleton().extensions);
  for (const TOvString<char>& name : names) {
    if (ContainsExtension(name)) continue;
    AppendExtensionElement(*extensions, name);
    m_aExtensions.Add(name);
  }
  SaveTree(tree);
}

void COvProject::RemoveExtension(const TOvString<char>& name) {
  m_aExtensions.RemoveAt(m_aExtensions.Find(name));
  SaveExtensions();
}

void COvProject::RemoveAllExtensions() {
  COvScriptTree tree;
  if (!LoadTree(tree)) return;
  DeleteChildrenById(*tree.GetRootNode(), OVID::GetSingleton().extensions);
  SaveTree(tree);
  m_aExtensions.RemoveAll();
}

void COvProject::SaveExtensions() {
  const OVID& ids = OVID::GetSingleton();
  COvScriptTree tree;
  if (!LoadTree(tree)) return;
  COvScriptTreeNode* extensions = FindOrAppendChild(*tree.GetRootNode(), ids.extensions);
  DeleteChildrenById(*extensions, ids.extension);
  for (const TOvString<char>& name : m_aExtensions) AppendExtensionElement(*extensions, name);
  SaveTree(tree);
}
