#include "engine/parameter/ovparametercolorgradient.h"

COvParameterColorGradient::COvParameterColorGradient(const char* name, const COvRGBA<float>& start,
                                                     const COvRGBA<float>& end, int count)
    : COvParameter(name) {
  for (int i = 0; i < count; ++i) {
    COvRGBA<float> color;
    for (int channel = 0; channel < COvRGBA<float>::e_max; ++channel) {
      color[channel] = start[channel] +
                       static_cast<float>(i) * (end[channel] - start[channel]) / static_cast<float>(count);
    }
    m_aColors.Add(color);
  }
}
