// COvParameterColorGradient: a tunable list of RGBA float colours, rendered as "GRADIENT".
#pragma once

#include "core/ovarray.h"
#include "engine/math/ovcolor.h"
#include "engine/parameter/ovparameter.h"

class COvParameterColorGradient : public COvParameter {
 public:
  COvParameterColorGradient(const char* name, const COvArray<COvRGBA<float>>& colors)
      : COvParameter(name), m_aColors(colors) {}
  // count colours from start towards end: colour i is start + i * (end - start) / count, so
  // end itself is not included. A count below 1 gives an empty gradient.
  COvParameterColorGradient(const char* name, const COvRGBA<float>& start, const COvRGBA<float>& end,
                            int count);

  EType GetType() const override { return eTypeColorGradient; }
  void GetValueAsText(char* buffer, int size) const override { CopyText("GRADIENT", buffer, size); }

  const COvArray<COvRGBA<float>>& GetValue() const { return m_aColors; }
  void SetValue(const COvArray<COvRGBA<float>>& colors) { m_aColors = colors; }

 private:
  COvArray<COvRGBA<float>> m_aColors;
};
