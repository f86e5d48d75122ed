// Project entry of the configuration file.
#include "configuration/ovconfigurationproject.h"

#include <utility>

#include "configuration/ovconfigurationids.h"
#include "configuration/ovconfigurationsection.h"
#include "scripttree/ovscripttree.h"

COvConfigurationProject::COvConfigurationProject() = default;

COvConfigurationProject::COvConfigurationProject(const COvConfigurationProject& other) = default;

COvConfigurationProject& COvConfigurationProject::operator=(const COvConfigurationProject& other) = default;

COvConfigurationProject::~COvConfigurationProject() = default;

void COvConfigurationProject::SetProjectFile(TOvString<char> projectFile) {
  m_strProjectFile = std::move(projectFile);
}

void COvConfigurationProject::SetProjectCMakeLists(TOvString<char> cmakeLists) {
  m_strProjectCMakeLists = std::move(cmakeLists);
}

void COvConfigurationProject::Initialize(COvScriptTreeNode* node) {
  if (!node) return;
  const COvConfigurationIds& ids = COvConfigurationIds::Get();
  m_strProjectFile = node->GetAttributeValueAsString(ids.projectFile);
  m_strProjectCMakeLists = node->GetAttributeValueAsString(ids.projectCMakeLists);
}

void COvConfigurationProject::ToCOvScriptTreeNode(COvScriptTreeNode* node) const {
  if (!node) return;
  const COvConfigurationIds& ids = COvConfigurationIds::Get();
  OvSetSectionAttribute(*node, ids.projectFile, m_strProjectFile);
  OvSetSectionAttribute(*node, ids.projectCMakeLists, m_strProjectCMakeLists);
}

TOvString<char> COvConfigurationProject::WellFormed() const {
  TOvString<char> lines;
  if (m_strProjectFile.IsEmpty()) lines += "\tMissing Project File Path !\n";
  if (m_strProjectCMakeLists.IsEmpty()) lines += "\tMissing CMakeLists Path !\n";
  if (lines.IsEmpty()) return TOvString<char>();
  return "Warnings : \n" + lines;
}
