// Fuzz target: a project file. Loads it over the default settings and reads the values the
// packager reads.
#include <cstddef>
#include <cstdint>

#include "core/ovarray.h"
#include "fuzz_support.h"
#include "project/ovproject.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = ovfuzz::WriteScratchFile(data, size, "game.project");
  COvProject project{TOvString<char>(path.c_str())};
  project.CheckProjectVersion();
  TOvString<char> out;
  project.GetRealGenericPath(out);
  project.GetRealTemporaryPath(out);
  project.GetRealCompiledPath(out);
  COvArray<COvIdentifier> languages;
  project.GetProjectLanguagesArray(languages);
  project.ContainsExtension("Physics");
  return 0;
}
