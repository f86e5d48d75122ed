#include "engine/fsm/ovfsm.h"

#include "core/ovid.h"
#include "engine/fsm/ovfsmstate.h"
#include "scripttree/ovscripttree.h"
#include "scripttree/ovscripttreeserializerxml.h"

COvFSM::~COvFSM() { Release(); }

bool COvFSM::Initialize(const TOvString<char>& path) {
  COvScriptTree tree;
  COvScriptTreeSerializerXML serializer;
  return serializer.Load(tree, path) && LoadFromStream(tree);
}

bool COvFSM::LoadFromStream(COvScriptTree& tree) {
  const OVID& ids = OVID::GetSingleton();
  COvScriptTreeNode* root = tree.GetRootNode();
  if (!root || root->GetIdentifier() != ids.fsm) return false;
  for (int i = 0; i < root->GetChildCount(); ++i) {
    COvScriptTreeNode* child = root->GetChild(i);
    if (child->GetIdentifier() == ids.state_list) {
      for (int j = 0; j < child->GetChildCount(); ++j) {
        COvFSMState* state = new COvFSMState(this);
        state->SerializeFrom(child->GetChild(j), this);
      }
    } else if (child->GetIdentifier() == ids.default_state) {
      COvFSMState* state = FindState(COvIdentifier(child->GetAttributeValueAsString(ids.name)));
      if (state) m_pDefaultState = state;
    }
    // The entries of "state_transition_list" (in, out, trigger) build nothing.
  }
  if (m_pDefaultState && HasState(m_pDefaultState)) ChangeState(m_pDefaultState);
  return true;
}

void COvFSM::Update(float dt) {
  if (m_pCurrentState) m_pCurrentState->OnUpdate(dt);
}

void COvFSM::ChangeState(COvFSMState* state) {
  if (!HasState(state)) return;
  if (m_pCurrentState) m_pCurrentState->OnLeave();
  m_pCurrentState = state;
  state->OnEnter();
}

COvFSMState* COvFSM::CreateState(const char* name) {
  COvFSMState* state = new COvFSMState(COvIdentifier(name), this);
  m_aStates.Add(state);
  return state;
}

void COvFSM::AddState(COvFSMState* state) {
  if (!state || HasState(state)) return;
  state->m_pFSM = this;
  m_aStates.Add(state);
}

COvFSMState* COvFSM::FindState(const COvIdentifier& identifier) const {
  for (COvFSMState* state : m_aStates) {
    if (state->GetIdentifier() == identifier) return state;
  }
  return nullptr;
}

COvFSMState* COvFSM::GetState(int index) const {
  return index >= 0 && index < m_aStates.GetCount() ? m_aStates[index] : nullptr;
}

bool COvFSM::HasState(const COvFSMState* state) const {
  return state && m_aStates.Find(const_cast<COvFSMState*>(state)) >= 0;
}

void COvFSM::Release() {
  for (COvFSMState* state : m_aStates) delete state;
  m_aStates.RemoveAll();
  m_pCurrentState = nullptr;
  m_pDefaultState = nullptr;
}
