// COvParameterFloat: a tunable float with a range and a step, rendered as ovFloatToString
// writes it ("%f").
#pragma once

#include "engine/parameter/ovparameter.h"

class COvParameterFloat : public TOvParameterRanged<float> {
 public:
  COvParameterFloat(const char* name, float value, float minimum, float maximum, float step)
      : TOvParameterRanged(name, value, minimum, maximum, step) {}

  EType GetType() const override { return eTypeFloat; }
  void GetValueAsText(char* buffer, int size) const override;
};
