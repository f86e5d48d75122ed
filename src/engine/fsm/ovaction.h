// COvAction: something a state transition does when it fires. Engine code derives the
// concrete actions.
#pragma once

class COvAction {
 public:
  virtual ~COvAction() = default;
  virtual void Execute() = 0;
};
