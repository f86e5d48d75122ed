// COvFSMState: one named state of a machine, with its transitions in priority order once
// sorted. The state does not own its transitions; its machine owns the state.
#pragma once

#include "core/ovarray.h"
#include "core/ovidentifier.h"
#include "engine/math/ovvector.h"

class COvFSM;
class COvFSMStateTransition;
class COvScriptTreeNode;

class COvFSMState {
 public:
  COvFSMState(const COvIdentifier& identifier, COvFSM* fsm) : m_identifier(identifier), m_pFSM(fsm) {}
  explicit COvFSMState(COvFSM* fsm) : m_pFSM(fsm) {}
  virtual ~COvFSMState() = default;
  COvFSMState(const COvFSMState&) = delete;
  COvFSMState& operator=(const COvFSMState&) = delete;

  virtual void OnEnter() {}
  // Fires the first transition, in array order, whose trigger reports true.
  virtual void OnUpdate(float dt);
  virtual void OnLeave() {}
  // Reads the state's "settings" node; the base only traces the call.
  virtual void SetParameters(COvScriptTreeNode* settings);
  // Names the state from node's "name" attribute, reads its editor position, hands its
  // "settings" child (when there is one) to SetParameters and appends the state to fsm.
  virtual bool SerializeFrom(COvScriptTreeNode* node, COvFSM* fsm);

  // Null is ignored.
  void AddStateTransition(COvFSMStateTransition* transition);
  // Null when index is out of range.
  COvFSMStateTransition* GetStateTransition(int index) const;
  int GetStateTransitionCount() const { return m_aTransitions.GetCount(); }
  // Orders the transitions by descending priority; equal priorities keep their order.
  void SortTransition();
  // The first transition of highest priority; null for an empty array.
  static COvFSMStateTransition* GetMaxPriority(const COvArray<COvFSMStateTransition*>& transitions);

  COvFSM* GetFSM() const { return m_pFSM; }
  const COvIdentifier& GetIdentifier() const { return m_identifier; }
  void SetIdentifier(const COvIdentifier& identifier) { m_identifier = identifier; }
  // Where the editor draws the state; nothing else uses it.
  const COvVector2& GetEditorPosition() const { return m_vEditorPosition; }

 private:
  friend class COvFSM;

  COvIdentifier m_identifier;
  COvArray<COvFSMStateTransition*> m_aTransitions;
  COvFSM* m_pFSM;
  COvVector2 m_vEditorPosition;
};
