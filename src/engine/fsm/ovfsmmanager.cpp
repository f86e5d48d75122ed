#include "engine/fsm/ovfsmmanager.h"

void COvFSMManager::AddFSM(COvFSM* fsm) {
  if (fsm && m_aFSM.Find(fsm) < 0) m_aFSM.Add(fsm);
}

void COvFSMManager::RemoveFSM(COvFSM* fsm) { m_aFSM.RemoveAt(m_aFSM.Find(fsm)); }

COvFSM* COvFSMManager::GetFSM(int index) const {
  return index >= 0 && index < m_aFSM.GetCount() ? m_aFSM[index] : nullptr;
}
