// The shared initialization of every packager: paths from the command line, the project file
// named by the configuration file (upgraded by OvProjectUpdater when too old), the game's
// general parameters, the platform's temporary and build directories and the distribution step.
#include "packager/ovpackager.h"

#include <cstdio>

#include "configuration/ovconfigurationmanager.h"
#include "core/ovidentifier.h"
#include "core/ovprocess.h"
#include "core/ovreflection.h"
#include "core/platform/host.h"
#include "packager/distribution/ovdistribution.h"
#include "project/ovproject.h"
#include "project/ovprojectsettings.h"
#include "scripttree/ovscripttree.h"
#include "scripttree/ovscripttreeserializerxml.h"

namespace {

const char* PlatformDirectoryName(int platform) {
  switch (platform) {
    case ePlatformWindows: return "Windows";
    case ePlatformIos: return "iOS";
    case ePlatformAndroid: return "Android";
    default: return nullptr;
  }
}

// Reads one string setting of the general group; false when the group does not describe it.
bool ReadString(COvProjectSettings* general, const char* name, TOvString<char>& out) {
  COvReflectionInformation information;
  if (!general->FindReflectionInformation(COvIdentifier(name), information)) return false;
  out = information.GetValueString(general);
  return true;
}

bool ReadInt(COvProjectSettings* general, const char* name, int& out) {
  COvReflectionInformation information;
  if (!general->FindReflectionInformation(COvIdentifier(name), information)) return false;
  out = static_cast<int>(information.GetValueUInt(general));
  return true;
}

// The names of the "setting" elements that the project file holds for the general group. The
// group always describes its settings, so only the file can tell that one was never set.
class COvGeneralSettingsInFile {
 public:
  explicit COvGeneralSettingsInFile(const TOvString<char>& projectFile) {
    COvScriptTree tree;
    COvScriptTreeSerializerXML serializer;
    if (!serializer.Load(tree, projectFile) || !tree.GetRootNode()) return;
    const COvScriptTreeNode* settings = tree.GetRootNode()->FindChild(COvIdentifier("project_settings"));
    if (settings) Collect(settings);
  }

  bool Has(const char* name) const { return m_aNames.Find(COvIdentifier(name)) >= 0; }

 private:
  // The general group loads the settings directly in "project_settings" and in every "general"
  // element nested in it and in one another.
  void Collect(const COvScriptTreeNode* node) {
    const COvIdentifier general("general"), setting("setting"), name("name");
    for (int i = 0; i < node->GetChildCount(); ++i) {
      const COvScriptTreeNode* child = node->GetChild(i);
      if (child->GetIdentifier() == setting) {
        if (child->FindAttribute(name)) m_aNames.Add(COvIdentifier(child->GetAttributeValueAsString(name)));
      } else if (child->GetIdentifier() == general) {
        Collect(child);
      }
    }
  }

  COvArray<COvIdentifier> m_aNames;
};

}  // namespace

bool COvPackager::Initialize(int argc, char** argv) { return LoadGeneralParameters(argc, argv); }

bool COvPackager::LoadGeneralParameters(int argc, char** argv) {
  const TOvString<char> separator(ovhost::kNativeSeparatorText);
  toolPath = COvFilePath(argv[0], true);
  configurationFile = COvFilePath(argv[2], true);
  if (argc > 4) targetPath = COvFilePath(argv[4], true);

  COvConfigurationManager manager;
  manager.Initialize(configurationFile.GetAsString().GetBuffer());

  TOvString<char> project;
  if (manager.GetProject()) project = manager.GetProject()->GetProjectFile();
  COvFilePath::ConvertToAbsolute(project, configurationFile.getFilePath());
  projectFile = project;

  COvConfigurationBuild* build = manager.GetBuild(COvIdentifier(argv[3]));
  platform = GetPlatformIndex(build ? build->GetPlatform().GetBuffer() : nullptr);
  const char* platformDirectory = PlatformDirectoryName(platform);
  if (!platformDirectory) {
    std::fprintf(stderr, "Unsupported platform.\n");
    return false;
  }

  // The project object lives until the process ends, like the other objects of the run.
  projectObject = new COvProject(projectFile.GetAsString());
  const TOvString<char> updater = toolPath.getFilePath() + "OvProjectUpdater" + ovhost::kExecutableSuffix;
  if (!projectObject->CheckProjectVersion()) {
    COvProcess process;
    process.RunProcess(updater, projectFile.GetAsString());
  }
  if (!projectObject->Initialize()) {
    std::fprintf(stderr, "Can't load file %s\n", projectFile.GetAsString().GetBuffer());
    return false;
  }
  COvProjectSettings* general = projectObject->GetGeneralProjectSettings();
  if (!general) {
    std::fprintf(stderr, "project_settings general node not found in file %s\n",
                 projectFile.GetAsString().GetBuffer());
    return false;
  }
  if (!projectObject->CheckProjectVersion()) {
    std::fprintf(stdout, "#Info : Project too old : upgrading...\n");
    COvProcess process;
    TOvString<char> out, err;
    process.RunProcessRetrieveOutput(updater, projectFile.GetAsString(), out, err);
    std::fprintf(stdout, "%s", out.GetBuffer());
    std::fprintf(stderr, "%s", err.GetBuffer());
    std::fprintf(stdout, "#Info : Project upgraded !\n");
  }

  const char* file = projectFile.GetAsString().GetBuffer();
  const TOvString<char> projectDirectory = projectObject->GetProjectDirectory();
  COvGeneralSettingsInFile present(projectFile.GetAsString());
  TOvString<char> value;
  if (present.Has("generalName") && ReadString(general, "generalName", value)) {
    gameName = value;
  } else {
    std::fprintf(stderr, "project_settings name not found in file %s\n", file);
  }
  if (present.Has("generalIcon") && ReadString(general, "generalIcon", value)) {
    iconPath = projectDirectory + value;
  } else {
    std::fprintf(stderr, "project_settings icon not found in file %s\n", file);
  }
  if (present.Has("generalSplashScreen") && ReadString(general, "generalSplashScreen", value)) {
    splashScreenPath = projectDirectory + value;
  } else {
    std::fprintf(stderr, "No splashscreen !\n");
    if (platform == ePlatformAndroid) return false;
  }
  if (!present.Has("generalminor") || !ReadInt(general, "generalminor", versionMinor)) {
    std::fprintf(stderr, "project_settings minor not found in file %s\n", file);
  }
  if (!present.Has("generalmajor") || !ReadInt(general, "generalmajor", versionMajor)) {
    std::fprintf(stderr, "project_settings major not found in file %s\n", file);
  }

  TOvString<char> temporary = projectObject->GetProjectTempDirectory();
  COvFilePath::ConvertToAbsolute(temporary, projectDirectory);
  platformTempDirectory = temporary + separator + platformDirectory + separator;
  buildDirectory = platformTempDirectory + separator + argv[3] + separator;

  distribution = SelectDistribution(buildDirectory, configurationFile.GetAsString(), TOvString<char>(argv[3]));
  if (!distribution) {
    std::fprintf(stderr, "Error : Can't resolve build configuration !\n");
    return false;
  }
  return true;
}
