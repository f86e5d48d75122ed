// COvFSMManager: a list of state machines, for code that updates or inspects them together.
// The machines are not owned.
#pragma once

#include "core/ovarray.h"

class COvFSM;

class COvFSMManager {
 public:
  // Null and machines already listed are ignored.
  void AddFSM(COvFSM* fsm);
  void RemoveFSM(COvFSM* fsm);
  // Null when index is out of range.
  COvFSM* GetFSM(int index) const;
  int GetFSMCount() const { return m_aFSM.GetCount(); }

 private:
  COvArray<COvFSM*> m_aFSM;
};
