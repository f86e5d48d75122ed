// COvParameterFloat: a tunable float with a range and a step, rendered as "%f".
#pragma once

#include "engine/parameter/ovparameterranged.h"

class COvParameterFloat : public TOvParameterRanged<float> {
 public:
  using TOvParameterRanged::TOvParameterRanged;
};
