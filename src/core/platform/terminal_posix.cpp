// Terminal test on POSIX systems: isatty. Only generic POSIX code.
#include "core/platform/terminal.h"

#include <unistd.h>

namespace ovplatform {

bool IsStandardOutputTerminal() { return isatty(STDOUT_FILENO) == 1; }

}  // namespace ovplatform
