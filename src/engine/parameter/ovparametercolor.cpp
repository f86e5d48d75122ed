#include "engine/parameter/ovparametercolor.h"

#include <cstdio>

namespace {

// channel * 255 truncated; values no int can hold (and NaN) saturate instead of overflowing.
int ChannelText(float channel) {
  float scaled = channel * 255.0f;
  if (!(scaled > -2147483648.0f)) return scaled < 0 ? -2147483647 - 1 : 0;
  if (scaled >= 2147483648.0f) return 2147483647;
  return static_cast<int>(scaled);
}

}  // namespace

void COvParameterColor::GetValueAsText(char* buffer, int size) const {
  char text[64];
  std::snprintf(text, sizeof(text), "%d,%d,%d,%d", ChannelText(m_color.r), ChannelText(m_color.g),
                ChannelText(m_color.b), ChannelText(m_color.a));
  CopyText(text, buffer, size);
}
