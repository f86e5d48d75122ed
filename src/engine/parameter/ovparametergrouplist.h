// COvParameterGroupList: the parameter groups of a tool or panel, owned by the list.
#pragma once

#include "core/ovarray.h"

class COvParameterGroup;

class COvParameterGroupList {
 public:
  COvParameterGroupList() = default;
  ~COvParameterGroupList();
  COvParameterGroupList(const COvParameterGroupList&) = delete;
  COvParameterGroupList& operator=(const COvParameterGroupList&) = delete;

  // Creates an empty group, appends it and returns it.
  COvParameterGroup* AddParameterGroup(const char* name);
  // Null when index is out of range.
  COvParameterGroup* GetParameterGroup(int index) const;
  int GetParameterGroupCount() const { return m_aGroups.GetCount(); }

 private:
  COvArray<COvParameterGroup*> m_aGroups;
};
