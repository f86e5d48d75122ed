// Locating external programs: in a given directory first, else on the PATH.
#pragma once

#include "core/ovstring.h"

// The first PATH entry holding name (plus the host's executable suffix), joined with it;
// empty when no entry holds it.
TOvString<char> OvFindProgramOnPath(const char* name);

// directory + name (plus the executable suffix) when that file exists; else, on POSIX hosts,
// where such tools are system packages, the program found on the PATH. Windows tools ship
// beside the program (the PATH there holds unrelated programs of the same name, such as the
// system's convert.exe). When nothing is found, the path in directory, so that running it
// fails visibly. directory ends with its separator.
TOvString<char> OvFindProgram(const TOvString<char>& directory, const char* name);
