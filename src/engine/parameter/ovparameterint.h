// COvParameterInt: a tunable 32-bit integer with a range and a step, rendered as "%d".
#pragma once

#include "engine/parameter/ovparameterranged.h"

class COvParameterInt : public TOvParameterRanged<int32_t> {
 public:
  using TOvParameterRanged::TOvParameterRanged;
};
