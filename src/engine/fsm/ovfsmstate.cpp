#include "engine/fsm/ovfsmstate.h"

#include "core/ovid.h"
#include "core/ovlog.h"
#include "engine/fsm/ovfsm.h"
#include "engine/fsm/ovfsmstatetransition.h"
#include "scripttree/ovscripttreenode.h"

void COvFSMState::OnUpdate(float dt) {
  (void)dt;
  for (COvFSMStateTransition* transition : m_aTransitions) {
    if (transition && transition->CheckTrigger()) return;
  }
}

void COvFSMState::SetParameters(COvScriptTreeNode* settings) {
  (void)settings;
  OvTrace("Set parameters in %s FSM\n", m_identifier.GetDebugName() ? m_identifier.GetDebugName() : "");
}

bool COvFSMState::SerializeFrom(COvScriptTreeNode* node, COvFSM* fsm) {
  const OVID& ids = OVID::GetSingleton();
  m_pFSM = fsm;
  m_identifier = COvIdentifier(node->GetAttributeValueAsString(ids.name));
  if (COvScriptTreeNode* editor = node->FindChild(ids.editor_properties)) {
    COvArray<COvScriptTreeNode*> positions;
    editor->GetChildrenByIdArray(ids.position, positions);
    for (COvScriptTreeNode* position : positions) {
      m_vEditorPosition =
          COvVector2(position->GetAttributeValueAsFloat(ids.x), position->GetAttributeValueAsFloat(ids.y));
    }
  }
  if (COvScriptTreeNode* settings = node->FindChild(ids.settings)) SetParameters(settings);
  fsm->AddState(this);
  return true;
}

void COvFSMState::AddStateTransition(COvFSMStateTransition* transition) {
  if (transition) m_aTransitions.Add(transition);
}

COvFSMStateTransition* COvFSMState::GetStateTransition(int index) const {
  return index >= 0 && index < m_aTransitions.GetCount() ? m_aTransitions[index] : nullptr;
}

COvFSMStateTransition* COvFSMState::GetMaxPriority(const COvArray<COvFSMStateTransition*>& transitions) {
  COvFSMStateTransition* best = nullptr;
  for (COvFSMStateTransition* transition : transitions) {
    if (transition && (!best || transition->GetPriority() > best->GetPriority())) best = transition;
  }
  return best;
}

void COvFSMState::SortTransition() {
  COvArray<COvFSMStateTransition*> remaining(m_aTransitions);
  m_aTransitions.RemoveAll();
  while (COvFSMStateTransition* best = GetMaxPriority(remaining)) {
    m_aTransitions.Add(best);
    remaining.RemoveAt(remaining.Find(best));
  }
}
