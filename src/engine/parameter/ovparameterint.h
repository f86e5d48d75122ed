// COvParameterInt: a tunable 32-bit integer with a range and a step, rendered as "%d".
#pragma once

#include <cstdint>

#include "engine/parameter/ovparameter.h"

class COvParameterInt : public TOvParameterRanged<int32_t> {
 public:
  COvParameterInt(const char* name, int32_t value, int32_t minimum, int32_t maximum, int32_t step)
      : TOvParameterRanged(name, value, minimum, maximum, step) {}

  EType GetType() const override { return eTypeInt; }
  void GetValueAsText(char* buffer, int size) const override;
};
