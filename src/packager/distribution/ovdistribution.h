// Distribution steps: the object that the Windows packager calls after its configure, build
// and clean steps. The base and the Windows (also Zip) kinds do nothing; Steam uploads.
#pragma once

#include "core/ovstring.h"

class COvConfigurationBuild;
class COvConfigurationDistribution;

class COvDistribution {
 public:
  COvDistribution() = default;
  virtual ~COvDistribution() = default;

  // buildDirectory is the packager's own member: a distribution may move it. distribution may
  // be null; neither pointer may be kept, both belong to a short-lived configuration manager.
  virtual bool Initialize(TOvString<char>& buildDirectory, COvConfigurationDistribution* distribution,
                          COvConfigurationBuild* build);
  virtual void Reserved() {}
  virtual bool PostConfigure() { return true; }
  virtual bool PostBuild() { return true; }
  virtual bool PostClean() { return true; }
};

class COvDistributionWindows : public COvDistribution {};

// Reads the configuration file again and makes the distribution object of configurationName;
// null (after a message) when the build is not found. The caller owns the result.
COvDistribution* SelectDistribution(TOvString<char>& buildDirectory, TOvString<char> configurationFile,
                                    TOvString<char> configurationName);
