#include "core/ovfindprogram.h"

#include <cstdlib>

#include "core/ovarray.h"
#include "core/ovfilesystem.h"
#include "core/platform/host.h"

TOvString<char> OvFindProgramOnPath(const char* name) {
  const char* path = std::getenv("PATH");
  if (!path) return TOvString<char>();
  const char listSeparator[] = {ovhost::kPathListSeparator, 0};
  const char* const separator = ovhost::kNativeSeparatorText;
  COvArray<TOvString<char>> entries;
  TOvString<char>(path).Split(listSeparator, entries);
  for (const TOvString<char>& entry : entries) {
    TOvString<char> candidate = entry + separator + name + ovhost::kExecutableSuffix;
    if (COvFileSystemUnCached::Exists(candidate)) return candidate;
  }
  return TOvString<char>();
}

TOvString<char> OvFindProgram(const TOvString<char>& directory, const char* name) {
  TOvString<char> local = directory + name + ovhost::kExecutableSuffix;
  if (ovhost::kIsWindows || COvFileSystemUnCached::Exists(local)) return local;
  TOvString<char> found = OvFindProgramOnPath(name);
  return found.IsEmpty() ? local : found;
}
