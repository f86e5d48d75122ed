// Small text helpers shared by the Android packager's source files.
#pragma once

#include <cstdio>

#include "core/ovstring.h"
#include "core/platform/host.h"

namespace ovandroid {

// The host's path separator as a text, for joining paths the way the packager builds them.
inline TOvString<char> Separator() { return TOvString<char>(ovhost::kNativeSeparatorText); }

inline TOvString<char> Decimal(int value) {
  char text[16];
  std::snprintf(text, sizeof(text), "%d", value);
  return TOvString<char>(text);
}

}  // namespace ovandroid
