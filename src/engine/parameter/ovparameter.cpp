#include "engine/parameter/ovparameter.h"

void COvParameter::CopyText(const char* text, char* buffer, int size) {
  if (!buffer || size < 1) return;
  int length = 0;
  while (length < size - 1 && text[length]) {
    buffer[length] = text[length];
    ++length;
  }
  buffer[length] = 0;
}
