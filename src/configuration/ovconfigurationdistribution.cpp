// Distribution configuration entry: reading, writing, platform compatibility and warnings.
#include "configuration/ovconfigurationdistribution.h"

#include <utility>

#include "configuration/ovconfigurationids.h"
#include "scripttree/ovscripttree.h"

COvConfigurationDistribution::COvConfigurationDistribution() = default;

COvConfigurationDistribution::COvConfigurationDistribution(const COvConfigurationDistribution& other) =
    default;

COvConfigurationDistribution& COvConfigurationDistribution::operator=(
    const COvConfigurationDistribution& other) = default;

COvConfigurationDistribution::~COvConfigurationDistribution() = default;

void COvConfigurationDistribution::SetName(TOvString<char> name) { m_strName = std::move(name); }

void COvConfigurationDistribution::SetDistribution(TOvString<char> distribution) {
  m_strDistribution = std::move(distribution);
}

void COvConfigurationDistribution::SetSteamBuildersPath(TOvString<char> path) {
  m_strSteamBuildersPath = std::move(path);
}

void COvConfigurationDistribution::SetSteamAccount(TOvString<char> account) {
  m_strSteamAccount = account.Replace(" ", "_");
}

void COvConfigurationDistribution::SetSteamPassword(TOvString<char> password) {
  m_strSteamPassword = std::move(password);
}

void COvConfigurationDistribution::SetAppID(TOvString<char> appId) { m_strAppID = std::move(appId); }

void COvConfigurationDistribution::SetDesc(TOvString<char> desc) { m_strDesc = std::move(desc); }

void COvConfigurationDistribution::SetDepotID(TOvString<char> depotId) { m_strDepotID = std::move(depotId); }

bool COvConfigurationDistribution::IsCompatibleWith(TOvString<char> platform) const {
  if (m_strDistribution != "Steam") return false;
  return platform == "Windows" || platform == "Linux" || platform == "Mac";
}

void COvConfigurationDistribution::Initialize(COvScriptTreeNode* node) {
  if (!node) return;
  const COvConfigurationIds& ids = COvConfigurationIds::Get();
  m_strName = node->GetAttributeValueAsString(ids.name);
  m_strDistribution = node->GetAttributeValueAsString(ids.distribution);
  for (int i = 0; i < node->GetChildCount(); ++i) {
    const COvScriptTreeNode* child = node->GetChild(i);
    if (!child) continue;
    const COvIdentifier& id = child->GetIdentifier();
    const TOvString<char>& value = child->GetAttributeValueAsString(ids.value);
    if (id == ids.steamBuildersPath) {
      m_strSteamBuildersPath = value;
    } else if (id == ids.steamAccount) {
      SetSteamAccount(value);
    } else if (id == ids.steamPassword) {
      m_strSteamPassword = value;
    } else if (id == ids.appId) {
      m_strAppID = value;
    } else if (id == ids.desc) {
      m_strDesc = value;
    } else if (id == ids.depotId) {
      m_strDepotID = value;
    }
  }
}

COvScriptTreeNode* COvConfigurationDistribution::ToCOvScriptTreeNode() const {
  const COvConfigurationIds& ids = COvConfigurationIds::Get();
  COvScriptTreeNode* node = new COvScriptTreeNode(ids.distrib);
  node->AddAttribute(COvScriptTreeAttribute(ids.name, m_strName));
  node->AddAttribute(COvScriptTreeAttribute(ids.distribution, m_strDistribution));
  const struct {
    const COvIdentifier& id;
    const TOvString<char>& value;
  } children[] = {
      {ids.steamBuildersPath, m_strSteamBuildersPath},
      {ids.steamAccount, m_strSteamAccount},
      {ids.steamPassword, m_strSteamPassword},
      {ids.appId, m_strAppID},
      {ids.desc, m_strDesc},
      {ids.depotId, m_strDepotID},
  };
  for (const auto& entry : children) {
    COvScriptTreeNode* child = new COvScriptTreeNode(entry.id);
    child->AddAttribute(COvScriptTreeAttribute(ids.value, entry.value));
    node->AddChild(child);
  }
  return node;
}

TOvString<char> COvConfigurationDistribution::WellFormed() const {
  TOvString<char> lines;
  if (m_strName.IsEmpty()) lines += "\tMissing Name !\n";
  if (m_strDistribution.IsEmpty()) lines += "\tMissing Distribution !\n";
  if (lines.IsEmpty()) return TOvString<char>();
  return "\"" + m_strName + "\" warnings : \n" + lines;
}
