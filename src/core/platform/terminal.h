// Whether the process writes to an interactive terminal, so that a tool can show progress
// lines there and keep piped or redirected output free of them.
#pragma once

namespace ovplatform {

// True when standard output is a terminal (a console window on Windows); false for pipes,
// files and devices such as NUL.
bool IsStandardOutputTerminal();

}  // namespace ovplatform
