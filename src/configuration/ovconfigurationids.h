// Names of the elements and attributes of the configuration file, built once as identifiers.
// Internal to the configuration classes.
#pragma once

#include "core/ovidentifier.h"

struct COvConfigurationIds {
  // Sections of the file.
  COvIdentifier configurations{"Configurations"};
  COvIdentifier projectConfig{"ProjectConfig"};
  COvIdentifier sourceControlConfig{"SourceControlConfig"};
  COvIdentifier buildConfigs{"BuildConfigs"};
  COvIdentifier distribConfigs{"DistribConfigs"};

  // Project and source-control attributes.
  COvIdentifier projectFile{"ProjectFile"};
  COvIdentifier projectCMakeLists{"ProjectCMakeLists"};
  COvIdentifier sourceControlUsing{"Using"};
  COvIdentifier url{"Url"};
  COvIdentifier userName{"username"};
  COvIdentifier password{"password"};

  // Builds.
  COvIdentifier build{"build"};
  COvIdentifier name{"Name"};
  COvIdentifier platform{"Platform"};
  COvIdentifier distribution{"Distribution"};
  COvIdentifier api{"Api"};
  COvIdentifier headerPath{"HeaderPath"};
  COvIdentifier libraryPath{"LibraryPath"};
  COvIdentifier args{"Args"};
  COvIdentifier architecture{"Architecture"};

  // Distributions.
  COvIdentifier distrib{"distrib"};
  COvIdentifier steamBuildersPath{"SteamBuildersPath"};
  COvIdentifier steamAccount{"SteamAccount"};
  COvIdentifier steamPassword{"SteamPassword"};
  COvIdentifier appId{"AppID"};
  COvIdentifier desc{"Desc"};
  COvIdentifier depotId{"DepotID"};
  COvIdentifier value{"Value"};

  // The project file, read by the command builder.
  COvIdentifier projectSettings{"project_settings"};
  COvIdentifier general{"general"};
  COvIdentifier setting{"setting"};
  COvIdentifier generalTmp{"generalTmp"};

  static const COvConfigurationIds& Get() {
    static const COvConfigurationIds ids;
    return ids;
  }
};
