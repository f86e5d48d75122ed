// Writing one generated text file in text mode, the way the packager's steps report it: each
// failing step (open, write, close) prints its own message on standard error. The file is
// replaced as a whole (core/ovfilereplace.h): after a failure the previous file is still there.
#pragma once

#include "core/ovstring.h"

// The three messages are printf formats that may use one "%s" for the path. False after the
// message of the first step that failed; a file that cannot be put in place of the old one is
// reported with the close message.
bool OvWriteTextFile(const TOvString<char>& path, const TOvString<char>& text, const char* openError,
                     const char* writeError, const char* closeError);
