// COvFSMStateTransition: a prioritised edge from a source state to a target state. When its
// trigger fires, its actions run in order and the source state's machine switches to the
// target. The transition does not own its states, trigger or actions.
#pragma once

#include "core/ovarray.h"

class COvAction;
class COvFSMState;
class COvTrigger;

class COvFSMStateTransition {
 public:
  // The actions are copied into the transition's own array.
  COvFSMStateTransition(COvFSMState* target, COvFSMState* source, COvTrigger* trigger,
                        const COvArray<COvAction*>& actions, int priority);
  virtual ~COvFSMStateTransition() = default;

  // False when there is no trigger or it does not fire; otherwise runs the actions, changes
  // the source machine's state to the target and returns true.
  bool CheckTrigger();

  COvTrigger* GetTrigger() const { return m_pTrigger; }
  void SetTrigger(COvTrigger* trigger) { m_pTrigger = trigger; }
  COvFSMState* GetReachableState() const { return m_pTarget; }
  void SetReachableState(COvFSMState* target) { m_pTarget = target; }
  COvFSMState* GetSourceState() const { return m_pSource; }
  int GetPriority() const { return m_iPriority; }
  void SetPriority(int priority) { m_iPriority = priority; }
  // Null when index is out of range.
  COvAction* GetAction(int index) const;
  int GetActionCount() const { return m_aActions.GetCount(); }

 private:
  COvFSMState* m_pTarget;
  COvFSMState* m_pSource;
  COvTrigger* m_pTrigger;
  COvArray<COvAction*> m_aActions;
  int32_t m_iPriority;
};
