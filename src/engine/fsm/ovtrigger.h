// COvTrigger: the condition of a state transition. Engine code derives the concrete triggers;
// the trigger string is free text that a derived trigger may interpret.
#pragma once

#include "core/ovstring.h"

class COvScriptTreeNode;

class COvTrigger {
 public:
  COvTrigger() = default;
  explicit COvTrigger(const char* triggerString) : m_strTrigger(triggerString) {}
  virtual ~COvTrigger() = default;

  // Reads the trigger's settings; the base has none.
  virtual void Initialize(COvScriptTreeNode* node) { (void)node; }
  // True when the trigger fires.
  virtual bool IsTriggered() = 0;

  const TOvString<char>& GetTriggerString() const { return m_strTrigger; }
  // Replaces the trigger string.
  void GetTriggerString(const char* text) { m_strTrigger = text; }

 private:
  TOvString<char> m_strTrigger;
};
