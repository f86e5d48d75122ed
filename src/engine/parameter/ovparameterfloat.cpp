#include "engine/parameter/ovparameterfloat.h"

#include "core/ovstrfuncs.h"

void COvParameterFloat::GetValueAsText(char* buffer, int size) const {
  char text[64];
  ovFloatToString(GetValue(), text);
  CopyText(text, buffer, size);
}
