#include "packager/distribution/ovdistribution.h"

#include <cstdio>

#include "configuration/ovconfigurationmanager.h"
#include "core/ovidentifier.h"
#include "packager/distribution/ovdistributionsteam.h"

bool COvDistribution::Initialize(TOvString<char>&, COvConfigurationDistribution*, COvConfigurationBuild*) {
  return true;
}

COvDistribution* SelectDistribution(TOvString<char>& buildDirectory, TOvString<char> configurationFile,
                                    TOvString<char> configurationName) {
  COvConfigurationManager manager;
  manager.Initialize(configurationFile.GetBuffer());
  COvConfigurationBuild* build = manager.GetBuild(COvIdentifier(configurationName));
  if (!build) {
    std::fprintf(stderr, "Error : Couldn't find configuration %s\n", configurationName.GetBuffer());
    return nullptr;
  }
  TOvString<char> name = build->GetDistribution();
  COvConfigurationDistribution* entry = manager.GetDistrib(COvIdentifier(name));
  TOvString<char> kind = entry ? entry->GetDistribution() : TOvString<char>();

  COvDistribution* object;
  if (entry && kind == "Steam") {
    object = new COvDistributionSteam();
  } else if (entry && kind == "Zip") {
    object = new COvDistributionWindows();
  } else {
    object = build->GetPlatform() == "Windows" ? new COvDistributionWindows() : new COvDistribution();
    std::fprintf(stderr, "Warning : Distribution %s not found, using default !\n", name.GetBuffer());
  }
  object->Initialize(buildDirectory, entry, build);
  return object;
}
