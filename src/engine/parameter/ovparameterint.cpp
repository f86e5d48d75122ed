#include "engine/parameter/ovparameterint.h"

#include "core/ovstrfuncs.h"

void COvParameterInt::GetValueAsText(char* buffer, int size) const {
  char text[16];
  ovIntToString(GetValue(), text);
  CopyText(text, buffer, size);
}
