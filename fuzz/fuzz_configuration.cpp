// Fuzz target: a configuration file. Loads it, then reads every entry the way the packager
// and the editor do.
#include <cstddef>
#include <cstdint>

#include "configuration/ovconfigurationmanager.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = ovfuzz::WriteScratchFile(data, size, "game.config");
  COvConfigurationManager manager;
  manager.Initialize(path.c_str());
  manager.AllWellFormedBuild();
  manager.AllWellFormedDistrib();
  for (const TOvString<char>& name : manager.GetListBuild()) {
    COvConfigurationBuild* build = manager.GetBuild(COvIdentifier(name));
    ovfuzz::Check(build != nullptr, "a listed build is found");
    manager.GetListDistribForPlatform(build->GetPlatform());
    build->GetArchitectures();
    build->WellFormed();
  }
  for (const TOvString<char>& name : manager.GetListDistrib()) {
    if (COvConfigurationDistribution* distribution = manager.GetDistrib(COvIdentifier(name))) {
      distribution->WellFormed();
    }
  }
  if (COvConfigurationProject* project = manager.GetProject()) project->GetProjectFile();
  return 0;
}
