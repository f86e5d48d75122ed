// Build configuration entry: reading, writing and completeness warnings.
#include "configuration/ovconfigurationbuild.h"

#include <utility>

#include "configuration/ovconfigurationids.h"
#include "scripttree/ovscripttree.h"

COvConfigurationBuild::COvConfigurationBuild() : m_aArchitectures(16) {}

COvConfigurationBuild::COvConfigurationBuild(const COvConfigurationBuild& other) = default;

COvConfigurationBuild& COvConfigurationBuild::operator=(const COvConfigurationBuild& other) = default;

COvConfigurationBuild::~COvConfigurationBuild() = default;

void COvConfigurationBuild::SetName(TOvString<char> name) { m_strName = name.Replace(" ", "_"); }

void COvConfigurationBuild::SetPlatform(TOvString<char> platform) { m_strPlatform = std::move(platform); }

void COvConfigurationBuild::SetDistribution(TOvString<char> distribution) {
  m_strDistribution = std::move(distribution);
}

void COvConfigurationBuild::SetApi(TOvString<char> api) { m_strApi = std::move(api); }

void COvConfigurationBuild::SetHeaderPath(TOvString<char> headerPath) {
  m_strHeaderPath = std::move(headerPath);
}

void COvConfigurationBuild::SetLibraryPath(TOvString<char> libraryPath) {
  m_strLibraryPath = std::move(libraryPath);
}

void COvConfigurationBuild::SetArgs(TOvString<char> args) { m_strArgs = args.Replace("\"", "&quot;"); }

int COvConfigurationBuild::FindArchitecture(TOvString<char> name) const {
  for (int i = 0; i < m_aArchitectures.GetCount(); ++i) {
    if (ovStrcmp(m_aArchitectures[i].GetBuffer(), name.GetBuffer()) == 0) return i;
  }
  return -1;
}

void COvConfigurationBuild::AddArchitecture(TOvString<char> name) {
  if (FindArchitecture(name) == -1) m_aArchitectures.Add(name);
}

void COvConfigurationBuild::RemoveArchitecture(TOvString<char> name) {
  int index = FindArchitecture(name);
  if (index != -1) m_aArchitectures.RemoveAt(index);
}

void COvConfigurationBuild::Initialize(COvScriptTreeNode* node) {
  if (!node) return;
  const COvConfigurationIds& ids = COvConfigurationIds::Get();
  SetName(node->GetAttributeValueAsString(ids.name));
  m_strPlatform = node->GetAttributeValueAsString(ids.platform);
  m_strDistribution = node->GetAttributeValueAsString(ids.distribution);
  m_strApi = node->GetAttributeValueAsString(ids.api);
  m_strHeaderPath = node->GetAttributeValueAsString(ids.headerPath);
  m_strLibraryPath = node->GetAttributeValueAsString(ids.libraryPath);
  SetArgs(node->GetAttributeValueAsString(ids.args));
  m_aArchitectures.RemoveAll();
  for (int i = 0; i < node->GetChildCount(); ++i) {
    COvScriptTreeNode* child = node->GetChild(i);
    if (child && child->GetIdentifier() == ids.architecture) {
      AddArchitecture(child->GetAttributeValueAsString(ids.name));
    }
  }
}

COvScriptTreeNode* COvConfigurationBuild::ToCOvScriptTreeNode() const {
  const COvConfigurationIds& ids = COvConfigurationIds::Get();
  COvScriptTreeNode* node = new COvScriptTreeNode(ids.build);
  node->AddAttribute(COvScriptTreeAttribute(ids.name, m_strName));
  node->AddAttribute(COvScriptTreeAttribute(ids.platform, m_strPlatform));
  node->AddAttribute(COvScriptTreeAttribute(ids.distribution, m_strDistribution));
  node->AddAttribute(COvScriptTreeAttribute(ids.api, m_strApi));
  node->AddAttribute(COvScriptTreeAttribute(ids.headerPath, m_strHeaderPath));
  node->AddAttribute(COvScriptTreeAttribute(ids.libraryPath, m_strLibraryPath));
  node->AddAttribute(COvScriptTreeAttribute(ids.args, m_strArgs));
  for (const TOvString<char>& architecture : m_aArchitectures) {
    COvScriptTreeNode* child = new COvScriptTreeNode(ids.architecture);
    child->AddAttribute(COvScriptTreeAttribute(ids.name, architecture));
    node->AddChild(child);
  }
  return node;
}

TOvString<char> COvConfigurationBuild::WellFormed() const {
  TOvString<char> lines;
  if (m_strPlatform.IsEmpty()) lines += "\tMissing Platform !\n";
  if (m_strName.IsEmpty()) lines += "\tMissing Configuration Name !\n";
  if (m_strApi.IsEmpty()) lines += "\tMissing Api !\n";
  if (m_strLibraryPath.IsEmpty()) lines += "\tMissing OVSDK Library Directory !\n";
  if (m_strHeaderPath.IsEmpty()) lines += "\tMissing Headers Directory !\n";
  if (m_strPlatform == "Android" && m_aArchitectures.GetCount() == 0) {
    lines += "\tAndroid requires at least one Achitecture !\n";
  }
  if (lines.IsEmpty()) return TOvString<char>();
  return "\"" + m_strName + "\" warnings : \n" + lines;
}
