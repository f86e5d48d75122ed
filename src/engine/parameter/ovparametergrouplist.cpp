#include "engine/parameter/ovparametergrouplist.h"

#include "engine/parameter/ovparametergroup.h"

COvParameterGroupList::~COvParameterGroupList() {
  for (COvParameterGroup* group : m_aGroups) delete group;
}

COvParameterGroup* COvParameterGroupList::AddParameterGroup(const char* name) {
  COvParameterGroup* group = new COvParameterGroup(name);
  m_aGroups.Add(group);
  return group;
}

COvParameterGroup* COvParameterGroupList::GetParameterGroup(int index) const {
  return index >= 0 && index < m_aGroups.GetCount() ? m_aGroups[index] : nullptr;
}
