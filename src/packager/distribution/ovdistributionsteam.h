// COvDistributionSteam: moves the build into a Steam content directory, writes the two
// steamcmd build scripts after configure and uploads with steamcmd after build.
#pragma once

#include "packager/distribution/ovdistribution.h"

class COvDistributionSteam : public COvDistribution {
 public:
  bool Initialize(TOvString<char>& buildDirectory, COvConfigurationDistribution* distribution,
                  COvConfigurationBuild* build) override;
  bool PostConfigure() override;
  bool PostBuild() override;

  bool WriteAppBuildFile();
  bool WriteDepotBuildFile();
  bool RunSteamUpload();

 protected:
  TOvString<char> steamBuildersPath;
  TOvString<char> contentRoot;
  TOvString<char> appID;
  TOvString<char> desc;
  TOvString<char> buildOutput;
  TOvString<char> contentDirectory;
  TOvString<char> depotID;
  TOvString<char> appBuildFile;
  TOvString<char> depotBuildFile;
  TOvString<char> steamAccount;
  TOvString<char> steamPassword;
};
