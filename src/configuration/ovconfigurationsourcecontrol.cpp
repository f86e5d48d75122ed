// Source-control entry of the configuration file.
#include "configuration/ovconfigurationsourcecontrol.h"

#include "configuration/ovconfigurationids.h"
#include "configuration/ovconfigurationsection.h"
#include "scripttree/ovscripttree.h"

COvConfigurationSourceControl::COvConfigurationSourceControl() = default;

COvConfigurationSourceControl::COvConfigurationSourceControl(const COvConfigurationSourceControl& other) =
    default;

COvConfigurationSourceControl& COvConfigurationSourceControl::operator=(
    const COvConfigurationSourceControl& other) = default;

COvConfigurationSourceControl::~COvConfigurationSourceControl() = default;

void COvConfigurationSourceControl::SetType(const TOvString<char>& type) { m_strType = type; }

void COvConfigurationSourceControl::SetUrl(const TOvString<char>& url) { m_strUrl = url; }

void COvConfigurationSourceControl::SetUserId(const TOvString<char>& userId) { m_strUserId = userId; }

void COvConfigurationSourceControl::SetUserPwd(const TOvString<char>& userPwd) { m_strUserPwd = userPwd; }

void COvConfigurationSourceControl::Initialize(COvScriptTreeNode* node) {
  if (!node) return;
  const COvConfigurationIds& ids = COvConfigurationIds::Get();
  m_strType = node->GetAttributeValueAsString(ids.sourceControlUsing);
  m_strUrl = node->GetAttributeValueAsString(ids.url);
  m_strUserId = node->GetAttributeValueAsString(ids.userName);
  m_strUserPwd = node->GetAttributeValueAsString(ids.password);
}

void COvConfigurationSourceControl::ToCOvScriptTreeNode(COvScriptTreeNode* node) const {
  if (!node) return;
  const COvConfigurationIds& ids = COvConfigurationIds::Get();
  OvSetSectionAttribute(*node, ids.sourceControlUsing, m_strType);
  OvSetSectionAttribute(*node, ids.url, m_strUrl);
  OvSetSectionAttribute(*node, ids.userName, m_strUserId);
  OvSetSectionAttribute(*node, ids.password, m_strUserPwd);
}

TOvString<char> COvConfigurationSourceControl::WellFormed() const {
  TOvString<char> lines;
  if (m_strType.IsEmpty()) lines += "\tMissing Type !\n";
  if (m_strUrl.IsEmpty()) lines += "\tMissing Url !\n";
  if (m_strUserId.IsEmpty()) lines += "\tMissing User Identifier !\n";
  if (m_strUserPwd.IsEmpty()) lines += "\tMissing User Password !\n";
  if (lines.IsEmpty()) return TOvString<char>();
  return "Warnings : \n" + lines;
}
