// A program outside the tree that uses the installed library: names an identifier and prints
// its registered name and CRC.
#include <cinttypes>
#include <cstdio>

#include "ovcore.h"

int main() {
  COvIdentifier id("Hello.TXT");
  std::printf("%s 0x%016" PRIx64 "\n", id.DebugCString(), id.GetCrc64());
  return 0;
}
