#include "engine/fsm/ovfsmstatetransition.h"

#include "engine/fsm/ovaction.h"
#include "engine/fsm/ovfsm.h"
#include "engine/fsm/ovfsmstate.h"
#include "engine/fsm/ovtrigger.h"

COvFSMStateTransition::COvFSMStateTransition(COvFSMState* target, COvFSMState* source, COvTrigger* trigger,
                                             const COvArray<COvAction*>& actions, int priority)
    : m_pTarget(target), m_pSource(source), m_pTrigger(trigger), m_aActions(actions), m_iPriority(priority) {}

bool COvFSMStateTransition::CheckTrigger() {
  if (!m_pTrigger || !m_pTrigger->IsTriggered()) return false;
  for (COvAction* action : m_aActions) {
    if (action) action->Execute();
  }
  if (m_pSource && m_pSource->GetFSM()) m_pSource->GetFSM()->ChangeState(m_pTarget);
  return true;
}

COvAction* COvFSMStateTransition::GetAction(int index) const {
  return index >= 0 && index < m_aActions.GetCount() ? m_aActions[index] : nullptr;
}
