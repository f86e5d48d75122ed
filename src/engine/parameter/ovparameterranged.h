// TOvParameterRanged: the value, range and step shared by the int and float parameters, which
// differ only in their value type and its text ("%d", or "%f" as ovFloatToString writes it).
// SetValue does not clamp to the range.
#pragma once

#include <cstdint>

#include "core/ovstrfuncs.h"
#include "engine/parameter/ovparameter.h"

template <typename T>
class TOvParameterRanged : public COvParameter {
 public:
  TOvParameterRanged(const char* name, T value, T minimum, T maximum, T step)
      : COvParameter(name), m_value(value), m_min(minimum), m_max(maximum), m_step(step) {}

  EType GetType() const override { return TypeOf(T()); }
  void GetValueAsText(char* buffer, int size) const override {
    char text[64];  // room for any "%d" or "%f"
    Format(m_value, text);
    CopyText(text, buffer, size);
  }

  T GetValue() const { return m_value; }
  void SetValue(T value) { m_value = value; }
  T GetValueMin() const { return m_min; }
  void SetValueMin(T minimum) { m_min = minimum; }
  T GetValueMax() const { return m_max; }
  void SetValueMax(T maximum) { m_max = maximum; }
  T GetValueStep() const { return m_step; }
  void SetValueStep(T step) { m_step = step; }

 private:
  static EType TypeOf(int32_t) { return eTypeInt; }
  static EType TypeOf(float) { return eTypeFloat; }
  static void Format(int32_t value, char* text) { ovIntToString(value, text); }
  static void Format(float value, char* text) { ovFloatToString(value, text); }

  T m_value, m_min, m_max, m_step;
};
