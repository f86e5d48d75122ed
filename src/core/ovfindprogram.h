// Locating external programs: in a given directory first, else on the PATH.
#pragma once

#include "core/ovstring.h"

// The first PATH entry holding name (plus the host's executable suffix), joined with it;
// empty when no entry holds it.
TOvString<char> OvFindProgramOnPath(const char* name);

// directory + name (plus the executable suffix) when that file exists, else the program found
// on the PATH; when neither exists, the path in directory, so that running it fails visibly.
// directory ends with its separator.
TOvString<char> OvFindProgram(const TOvString<char>& directory, const char* name);
