// COvParameterColor: a tunable RGBA float colour, rendered as "r,g,b,a" with each channel
// times 255, truncated.
#pragma once

#include "engine/math/ovcolor.h"
#include "engine/parameter/ovparameter.h"

class COvParameterColor : public COvParameter {
 public:
  COvParameterColor(const char* name, const COvRGBA<float>& color) : COvParameter(name), m_color(color) {}
  COvParameterColor(const char* name, float r, float g, float b, float a)
      : COvParameter(name), m_color(r, g, b, a) {}

  EType GetType() const override { return eTypeColor; }
  void GetValueAsText(char* buffer, int size) const override;

  const COvRGBA<float>& GetValue() const { return m_color; }
  void SetValue(const COvRGBA<float>& color) { m_color = color; }

 private:
  COvRGBA<float> m_color;
};
