// Command lines of the tool chain for one build configuration.
#include "configuration/ovconfigurationhelper.h"

#include <cstdio>
#include <cstdlib>

#include "configuration/ovconfigurationids.h"
#include "configuration/ovconfigurationmanager.h"
#include "core/ovfindprogram.h"
#include "core/ovfile.h"
#include "core/ovfilepath.h"
#include "core/platform/host.h"
#include "scripttree/ovscripttree.h"
#include "scripttree/ovscripttreeserializerxml.h"

namespace {

const char* const kPlatforms[] = {"Windows", "Linux",  "Mac", "Xbox360", "XboxOne", "PS3",
                                  "PS4",     "PSVita", "iOS", "Android", "WiiU",    "3DS"};
const char* const kApis[] = {"DX9", "DX11", "OpenGL3", "OpenGLES2", "GCM", "GNM", "GXM", "GX", "GX2"};

constexpr int kPlatformWindows = 0;
constexpr int kPlatformIOS = 8;
constexpr int kPlatformAndroid = 9;

// The Android NDK ships its make program below a directory named after the host.
constexpr const char* kNdkHostDirectory = ovhost::kIsWindows ? "windows-x86_64" : "linux-x86_64";
constexpr const char* kAndroidGenerator = ovhost::kIsWindows ? "MinGW Makefiles" : "Unix Makefiles";

const char* const kSeparator = ovhost::kNativeSeparatorText;

// Leaves index unchanged when name is not in the table.
template <int N>
void FindInTable(const char* const (&table)[N], const TOvString<char>& name, int& index) {
  for (int i = 0; i < N; ++i) {
    if (ovStrcmp(table[i], name.GetBuffer()) == 0) {
      index = i;
      return;
    }
  }
}

TOvString<char> Quoted(const TOvString<char>& text) { return "\"" + text + "\""; }

TOvString<char> ExecutableName(const char* name) { return TOvString<char>(name) + ovhost::kExecutableSuffix; }

TOvString<char> DirectoryOf(const TOvString<char>& path) { return COvFilePath(path, false).getFilePath(); }

TOvString<char> MakeAbsolute(TOvString<char> path, const TOvString<char>& base) {
  COvFilePath::ConvertToAbsolute(path, base);
  return path;
}

}  // namespace

COvConfigurationHelper::COvConfigurationHelper()
    : platformIndex(0), apiIndex(0), architectureIndex(0), architectures(16) {}

COvConfigurationHelper::COvConfigurationHelper(const COvConfigurationHelper& other) = default;

COvConfigurationHelper& COvConfigurationHelper::operator=(const COvConfigurationHelper& other) = default;

COvConfigurationHelper::~COvConfigurationHelper() = default;

void COvConfigurationHelper::Initialize(TOvString<char> configurationFileArg,
                                        COvConfigurationManager& manager, TOvString<char> buildNameArg,
                                        TOvString<char> toolsDirectoryArg) {
  // A manager without the entries (failed load, unknown build) yields empty fields rather than
  // a crash.
  static const COvConfigurationProject kNoProject;
  static const COvConfigurationSourceControl kNoSourceControl;
  static const COvConfigurationBuild kNoBuild;
  const COvConfigurationProject* project = manager.GetProject() ? manager.GetProject() : &kNoProject;
  const COvConfigurationSourceControl* sourceControl =
      manager.GetSourceControl() ? manager.GetSourceControl() : &kNoSourceControl;
  const COvConfigurationBuild* build = manager.GetBuild(COvIdentifier(buildNameArg));
  if (!build) build = &kNoBuild;
  const COvConfigurationDistribution* distrib = manager.GetDistrib(COvIdentifier(build->GetDistribution()));

  TOvString<char> subdirectory;
  if (distrib && distrib->GetDistribution() == "Steam") {
    subdirectory = TOvString<char>(".") + kSeparator + "content" + kSeparator;
  }
  if (build->GetPlatform() == "Android")
    subdirectory = TOvString<char>(".") + kSeparator + "libs" + kSeparator;

  configurationFile = configurationFileArg;
  TOvString<char> configurationDirectory = DirectoryOf(configurationFile);
  projectFile = MakeAbsolute(project->GetProjectFile(), configurationDirectory);
  cmakeListsPath = MakeAbsolute(project->GetProjectCMakeLists(), configurationDirectory);

  platform = build->GetPlatform();
  FindInTable(kPlatforms, platform, platformIndex);
  api = build->GetApi();
  FindInTable(kApis, api, apiIndex);

  architectureIndex = 0;
  architectures = build->GetArchitectures();
  buildArgs = build->GetArgs();
  libraryPath = build->GetLibraryPath();
  headerPath = build->GetHeaderPath();
  buildName = build->GetName();
  toolsDirectory = toolsDirectoryArg;
  sourceControlUser = sourceControl->GetUserId();
  sourceControlPassword = sourceControl->GetUserPwd();
  sourceControlUrl = sourceControl->GetUrl();

  cmakePath = OvFindProgramOnPath("cmake");

  if (!FindTmpDirectory(subdirectory)) std::fprintf(stderr, "Can't read project file !\n");
}

bool COvConfigurationHelper::FindTmpDirectory(TOvString<char> subdirectory) {
  COvFileHandle* handle = nullptr;
  if (COvFileSystemUnCached::Open(handle, projectFile, eOvFileSystemOpenMode_ReadBinary, false) !=
      eOvFileSystemError_None) {
    std::fprintf(stderr, "Cannot open file %s\n", projectFile.GetBuffer());
    return false;
  }
  COvScriptTree tree;
  COvScriptTreeSerializerXML serializer;
  bool loaded = serializer.LoadXmlFromFileHandle(tree, handle);
  COvFileSystemUnCached::Close(handle);
  if (!loaded || !tree.GetRootNode()) {
    std::fprintf(stderr, "Cannot load XML from file %s\n", projectFile.GetBuffer());
    return false;
  }

  const COvConfigurationIds& ids = COvConfigurationIds::Get();
  const COvScriptTreeNode* settings = tree.GetRootNode()->FindChild(ids.projectSettings);
  if (!settings) {
    std::fprintf(stderr, "Cannot find project_settings node in file %s\n", projectFile.GetBuffer());
    return false;
  }
  const COvScriptTreeNode* general = settings->FindChild(ids.general);
  if (!general) {
    std::fprintf(stderr, "Cannot find general node in file %s\n", projectFile.GetBuffer());
    return false;
  }
  const COvScriptTreeNode* temp =
      general->FindChildByIdAndAttributeValue(ids.setting, ids.name, ids.generalTmp);
  if (!temp) {
    std::fprintf(stderr, "project_settings temp not found in file %s\n", projectFile.GetBuffer());
    return false;
  }

  tempDirectory = MakeAbsolute(temp->GetAttributeValueAsString(ids.value), DirectoryOf(projectFile));

  buildDirectory =
      tempDirectory + kSeparator + platform + kSeparator + buildName + kSeparator + subdirectory + kSeparator;
  buildDirectory = buildDirectory.Replace("\\", "/");
  OvCreatePath(buildDirectory);

  platformTempDirectory = tempDirectory + kSeparator + platform;
  OvCreatePath(platformTempDirectory);
  return true;
}

TOvString<char> COvConfigurationHelper::GetCurrentArchitecture() const {
  if (architectureIndex >= 0 && architectureIndex < architectures.GetCount())
    return architectures[architectureIndex];
  return TOvString<char>();
}

TOvString<char> COvConfigurationHelper::CreateWorkDirectory() const {
  TOvString<char> architecture = GetCurrentArchitecture();
  TOvString<char> workDirectory =
      platformTempDirectory + kSeparator + (architecture.IsEmpty() ? TOvString<char>("tmp") : architecture);
  OvCreatePath(workDirectory);
  return workDirectory;
}

void COvConfigurationHelper::GetBuildProjectCommand(TOvString<char>& program, TOvString<char>& arguments) {
  TOvString<char> workDirectory = CreateWorkDirectory();
  TOvString<char> architecture = GetCurrentArchitecture();

  TOvString<char> options;
  if (platformIndex == kPlatformAndroid) {
    options += "-G " + Quoted(kAndroidGenerator) + " ";
    options += "-DANDROID_NATIVE_API_LEVEL=android-9 ";
    options += "-DANDROID_ABI=" + architecture + " ";
    if (const char* ndk = std::getenv("ANDROID_NDK_ROOT")) {
      TOvString<char> make = TOvString<char>(ndk) + kSeparator + "prebuilt" + kSeparator + kNdkHostDirectory +
                             kSeparator + "bin" + kSeparator + ExecutableName("make");
      options += "-DCMAKE_MAKE_PROGRAM=" + Quoted(make) + " ";
    }
    options += "-DORVO_SDK_LIB_PATH=" + libraryPath + "/" + architecture + " ";
    options += "-DCMAKE_BUILD_TYPE=Release ";
  } else if (platformIndex == kPlatformIOS) {
    options += "-G \"Xcode\" ";
    options += "-DORVO_SDK_LIB_PATH=" + libraryPath + " ";
    options += "-DCMAKE_CONFIGURATION_TYPES=Release ";
  } else if (platformIndex == kPlatformWindows) {
    options += "-G \"Visual Studio 10\" ";
    options += "-DORVO_SDK_LIB_PATH=" + libraryPath + " ";
    options += "-DCMAKE_CONFIGURATION_TYPES=Release ";
  }
  options += "-DORVO_SDK_HEADER_PATH=" + Quoted(headerPath) + " ";
  options += "-DBUILD_FILE_PATH=" + Quoted(configurationFile) + " ";
  options += "-DBUILD_CONFIG_NAME=" + Quoted(buildName) + " ";
  options += "-DORVO_TOOLS_DIR=" + Quoted(toolsDirectory) + " ";

  program = cmakePath;
  arguments = "-E chdir " + workDirectory + " " + Quoted(cmakePath) + " " + options + " " + buildArgs + " " +
              cmakeListsPath;
}

void COvConfigurationHelper::GetCompileProjectCommand(TOvString<char>& program, TOvString<char>& arguments) {
  TOvString<char> workDirectory = CreateWorkDirectory();
  program = cmakePath;
  arguments = "-E chdir " + workDirectory + " " + Quoted(cmakePath) + " " +
              " --build . --target BuildTRAX --config Release";
  ++architectureIndex;
}

void COvConfigurationHelper::GetCompileAssetsCommand(TOvString<char>& program, TOvString<char>& arguments) {
  TOvString<char> outputDirectory = tempDirectory + kSeparator + platform + kSeparator + api;
  OvCreatePath(outputDirectory);
  // iOS and Android sprites may be downscaled.
  const char* flag =
      (platformIndex == kPlatformIOS || platformIndex == kPlatformAndroid) ? "" : "-no_sprite_downscale";
  program = toolsDirectory + kSeparator + ExecutableName("OvAssetCompiler");
  arguments = projectFile + " " + platform + " " + api + " " + flag;
}

void COvConfigurationHelper::GetConfigurePackagerCommand(TOvString<char>& program,
                                                         TOvString<char>& arguments) {
  GetOvGamePackagerCommand(program, arguments, "--configure");
}

void COvConfigurationHelper::GetPackageCommand(TOvString<char>& program, TOvString<char>& arguments) {
  GetOvGamePackagerCommand(program, arguments, "--build");
}

void COvConfigurationHelper::GetCleanCommand(TOvString<char>& /*program*/, TOvString<char>& /*arguments*/) {}

void COvConfigurationHelper::GetOvGamePackagerCommand(TOvString<char>& program, TOvString<char>& arguments,
                                                      TOvString<char> action) {
  program = toolsDirectory + ExecutableName("OvGamePackager") + " ";
  arguments = action + " " + configurationFile + " " + buildName + " ";
  if (architectureIndex < architectures.GetCount()) arguments += architectures[architectureIndex];
}

TOvString<char> COvConfigurationHelper::GetTargetBuildAsString() const { return platform + kSeparator + api; }

bool COvConfigurationHelper::HasAnotherArchitecture() const { return architectureIndex < architectures.GetCount(); }
