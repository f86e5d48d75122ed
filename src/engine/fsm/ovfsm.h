// COvFSM: a finite-state machine that owns its states. Update lets the current state fire its
// transitions; the states can be read from an XML file whose root is "fsm".
#pragma once

#include "core/ovarray.h"
#include "core/ovidentifier.h"
#include "core/ovstring.h"

class COvFSMState;
class COvScriptTree;

class COvFSM {
 public:
  COvFSM() = default;
  // Deletes the states.
  virtual ~COvFSM();
  COvFSM(const COvFSM&) = delete;
  COvFSM& operator=(const COvFSM&) = delete;

  // Reads the XML file at path and loads it; false when either step fails.
  bool Initialize(const TOvString<char>& path);
  // False, with the machine untouched, when the root is missing or not "fsm". Otherwise adds
  // the listed states, takes the named default state (when it is one of them) and enters it.
  bool LoadFromStream(COvScriptTree& tree);
  // Machines are not written: always false.
  bool Save() { return false; }

  // Lets the current state, if any, update.
  void Update(float dt);
  // Leaves the current state (if any) and enters state; a state that is not one of this
  // machine's states changes nothing.
  void ChangeState(COvFSMState* state);

  // Creates, appends and returns a state of this machine named name.
  COvFSMState* CreateState(const char* name);
  // Takes ownership of state and makes it one of this machine's states. Null and states
  // already held are ignored.
  void AddState(COvFSMState* state);
  COvFSMState* FindState(const COvIdentifier& identifier) const;
  // Null when index is out of range.
  COvFSMState* GetState(int index) const;
  int GetStateCount() const { return m_aStates.GetCount(); }
  bool HasState(const COvFSMState* state) const;

  COvFSMState* GetCurrentState() const { return m_pCurrentState; }
  void SetCurrentState(COvFSMState* state) { m_pCurrentState = state; }
  COvFSMState* GetDefaultState() const { return m_pDefaultState; }
  void SetDefaultState(COvFSMState* state) { m_pDefaultState = state; }

  // Deletes every state. The current and default states are cleared with them, so nothing
  // can reach a deleted state afterwards.
  void Release();

 private:
  COvFSMState* m_pDefaultState = nullptr;
  COvFSMState* m_pCurrentState = nullptr;
  COvArray<COvFSMState*> m_aStates;
};
