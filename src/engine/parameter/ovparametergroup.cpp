#include "engine/parameter/ovparametergroup.h"

#include "engine/parameter/ovparametercolor.h"
#include "engine/parameter/ovparametercolorgradient.h"
#include "engine/parameter/ovparameterfloat.h"
#include "engine/parameter/ovparameterint.h"

COvParameterInt* COvParameterGroup::AddParameterInt(const char* name, int32_t value, int32_t minimum,
                                                    int32_t maximum, int32_t step) {
  return Append(new COvParameterInt(name, value, minimum, maximum, step));
}

COvParameterFloat* COvParameterGroup::AddParameterFloat(const char* name, float value, float minimum,
                                                        float maximum, float step) {
  return Append(new COvParameterFloat(name, value, minimum, maximum, step));
}

COvParameterColor* COvParameterGroup::AddParameterColor(const char* name, float r, float g, float b,
                                                        float a) {
  return Append(new COvParameterColor(name, r, g, b, a));
}

COvParameterColorGradient* COvParameterGroup::AddParameterColorGradient(const char* name,
                                                                        const COvRGBA<float>& start,
                                                                        const COvRGBA<float>& end,
                                                                        int count) {
  return Append(new COvParameterColorGradient(name, start, end, count));
}

COvParameter* COvParameterGroup::GetParameter(int index) const {
  return index >= 0 && index < m_aParameters.GetCount() ? m_aParameters[index] : nullptr;
}

void COvParameterGroup::RemoveParameter(COvParameter* parameter, bool destroy) {
  int index = m_aParameters.Find(parameter);
  if (index < 0) return;
  m_aParameters.RemoveAt(index);
  if (destroy) delete parameter;
}

void COvParameterGroup::RemoveAllParameters(bool destroy) {
  if (destroy) {
    for (COvParameter* parameter : m_aParameters) delete parameter;
  }
  m_aParameters.RemoveAll();
}
