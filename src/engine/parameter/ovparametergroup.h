// COvParameterGroup: a named list of parameters that the group owns and deletes with itself.
#pragma once

#include <cstdint>

#include "core/ovarray.h"
#include "core/ovstring.h"
#include "engine/math/ovcolor.h"

class COvParameter;
class COvParameterColor;
class COvParameterColorGradient;
class COvParameterFloat;
class COvParameterInt;

class COvParameterGroup {
 public:
  explicit COvParameterGroup(const char* name) : m_strName(name) {}
  ~COvParameterGroup() { RemoveAllParameters(true); }
  COvParameterGroup(const COvParameterGroup&) = delete;
  COvParameterGroup& operator=(const COvParameterGroup&) = delete;

  // Each creates the parameter, appends it and returns it.
  COvParameterInt* AddParameterInt(const char* name, int32_t value, int32_t minimum, int32_t maximum,
                                   int32_t step);
  COvParameterFloat* AddParameterFloat(const char* name, float value, float minimum, float maximum,
                                       float step);
  COvParameterColor* AddParameterColor(const char* name, float r, float g, float b, float a);
  COvParameterColorGradient* AddParameterColorGradient(const char* name, const COvRGBA<float>& start,
                                                       const COvRGBA<float>& end, int count);

  // Null when index is out of range.
  COvParameter* GetParameter(int index) const;
  int GetParameterCount() const { return m_aParameters.GetCount(); }
  // Takes the parameter out of the group, deleting it when destroy is true. A parameter that
  // is not in the group changes nothing (and is not deleted).
  void RemoveParameter(COvParameter* parameter, bool destroy);
  void RemoveAllParameters(bool destroy);

  const TOvString<char>& GetName() const { return m_strName; }
  void SetName(const char* name) { m_strName = name; }

 private:
  template <typename P>
  P* Append(P* parameter) {
    m_aParameters.Add(parameter);
    return parameter;
  }

  TOvString<char> m_strName;
  COvArray<COvParameter*> m_aParameters;
};
