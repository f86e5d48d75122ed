#include "configuration/ovconfigurationhelper.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "configuration/ovconfigurationmanager.h"
#include "configuration_test_support.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

const std::string kExe = ovhost::kExecutableSuffix;

// Gives the tests a view of the values Initialize computed that no command line shows.
class InspectableHelper : public COvConfigurationHelper {
 public:
  std::string TempDirectory() const { return tempDirectory.GetBuffer(); }
  std::string BuildDirectory() const { return buildDirectory.GetBuffer(); }
  std::string SourceControl() const {
    return std::string(sourceControlUser) + "|" + sourceControlPassword.GetBuffer() + "|" +
           sourceControlUrl.GetBuffer();
  }
};

const char kConfiguration[] =
    "<configurations>\n"
    "  <projectconfig projectfile=\"demo.project\" projectcmakelists=\"code/CMakeLists.txt\"/>\n"
    "  <sourcecontrolconfig using=\"svn\" url=\"svn://host/demo\" username=\"me\" password=\"pw\"/>\n"
    "  <buildconfigs>\n"
    "    <build name=\"Release\" platform=\"Windows\" api=\"DX9\" headerpath=\"h\" librarypath=\"sdk/lib\" "
    "args=\"-DX=&quot;1 2&quot;\"/>\n"
    "    <build name=\"SteamRelease\" platform=\"Windows\" distribution=\"Store\" api=\"DX11\" "
    "headerpath=\"h\" librarypath=\"l\"/>\n"
    "    <build name=\"Phone\" platform=\"iOS\" api=\"OpenGLES2\" headerpath=\"h\" librarypath=\"l\" "
    "args=\"-v\"/>\n"
    "    <build name=\"Droid\" platform=\"Android\" distribution=\"Store\" api=\"OpenGLES2\" "
    "headerpath=\"h\" librarypath=\"sdk/lib\" args=\"-v\">"
    "<architecture name=\"armeabi-v7a\"/><architecture name=\"x86\"/></build>\n"
    "    <build name=\"Lower\" platform=\"windows\" api=\"Vulkan\" headerpath=\"h\" librarypath=\"l\"/>\n"
    "    <build name=\"Desktop\" platform=\"Linux\" api=\"OpenGL3\" headerpath=\"h\" librarypath=\"l\"/>\n"
    "  </buildconfigs>\n"
    "  <distribconfigs><distrib name=\"Store\" distribution=\"Steam\"/></distribconfigs>\n"
    "</configurations>\n";

const char kProject[] =
    "<project><project_settings><General>"
    "<setting name=\"generalVersion\" value=\"1\"/><Setting Name=\"GENERALTMP\" value=\"tmp\"/>"
    "</General></project_settings></project>";

class ConfigurationHelperTest : public testing::Test {
 protected:
  void SetUp() override {
    m_game = m_dir.Join("game");
    m_configuration = m_dir.WriteFile("game/config.xml", kConfiguration);
    m_dir.WriteFile("game/demo.project", kProject);
    m_cmake = m_dir.WriteFile("bin/cmake" + kExe, "");
    m_tools = m_dir.Join("tools") + kSep;
    const std::string list(1, ovhost::kPathListSeparator);
    // An entry without cmake and an empty entry come first.
    m_path =
        std::make_unique<ScopedEnv>("PATH", (m_dir.Join("empty") + list + list + m_dir.Join("bin")).c_str());
    m_ndk = std::make_unique<ScopedEnv>("ANDROID_NDK_ROOT", nullptr);
    m_manager.Initialize(m_configuration.c_str());
  }

  void Initialize(const char* build) {
    m_helper.Initialize(m_configuration.c_str(), m_manager, build, m_tools.c_str());
  }

  std::string Tmp() const { return m_game + kSep + "tmp"; }
  // The platform's temporary directory as left by directory creation (with a final separator).
  std::string PlatformTmp(const std::string& platform) const { return Tmp() + kSep + platform + kSep; }
  std::string Common(const std::string& build) const {
    return "-DORVO_SDK_HEADER_PATH=\"h\" -DBUILD_FILE_PATH=\"" + m_configuration +
           "\" -DBUILD_CONFIG_NAME=\"" + build + "\" -DORVO_TOOLS_DIR=\"" + m_tools + "\" ";
  }
  std::string CMakeLists() const { return m_game + kSep + "code" + kSep + "CMakeLists.txt"; }
  std::string Chdir(const std::string& workDirectory) const {
    return "-E chdir " + workDirectory + " \"" + m_cmake + "\" ";
  }

  TempDir m_dir;
  std::string m_game;
  std::string m_configuration;
  std::string m_cmake;
  std::string m_tools;
  std::unique_ptr<ScopedEnv> m_path;
  std::unique_ptr<ScopedEnv> m_ndk;
  COvConfigurationManager m_manager;
  InspectableHelper m_helper;
  TOvString<char> m_program;
  TOvString<char> m_arguments;
};

}  // namespace

TEST_F(ConfigurationHelperTest, EachPlatformGetsItsDirectoriesAndCommands) {
  const std::string vs10 = "-G \"Visual Studio 10\" -DORVO_SDK_LIB_PATH=";
  const std::string types = " -DCMAKE_CONFIGURATION_TYPES=Release ";
  const struct {
    const char* build;
    const char* platform;
    const char* api;
    std::string subdirectory;  // below the build directory
    std::string options;       // before the common ones
    const char* args;
    const char* assetsFlag;
  } rows[] = {
      {"release", "Windows", "DX9", "", vs10 + "sdk/lib" + types, "-DX=&quot;1 2&quot;",
       "-no_sprite_downscale"},
      // A Steam build goes below the content directory.
      {"SteamRelease", "Windows", "DX11", "." + kSep + "content" + kSep, vs10 + "l" + types, "",
       "-no_sprite_downscale"},
      {"Phone", "iOS", "OpenGLES2", "", "-G \"Xcode\" -DORVO_SDK_LIB_PATH=l" + types, "-v", ""},
      // Lower-case windows gets the Windows options but keeps its name.
      {"Lower", "windows", "Vulkan", "", vs10 + "l" + types, "", "-no_sprite_downscale"},
      {"Desktop", "Linux", "OpenGL3", "", "", "", "-no_sprite_downscale"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.build);
    const std::string name = row.build == std::string("release") ? "Release" : row.build;
    const std::string build = Tmp() + kSep + row.platform + kSep + name + kSep;
    m_helper = InspectableHelper();  // an unknown platform keeps the index it had
    // A build directory means the project file was read, so nothing was reported.
    Initialize(row.build);
    EXPECT_EQ(m_helper.BuildDirectory(), build + row.subdirectory + kSep);
    EXPECT_TRUE(FileExists(build + row.subdirectory));
    EXPECT_STREQ(m_helper.GetTargetBuildAsString(), (row.platform + kSep + row.api).c_str());

    const std::string work = PlatformTmp(row.platform) + kSep + "tmp" + kSep;
    m_helper.GetBuildProjectCommand(m_program, m_arguments);
    EXPECT_EQ(std::string(m_program), m_cmake);
    EXPECT_EQ(std::string(m_arguments),
              Chdir(work) + row.options + Common(name) + " " + row.args + " " + CMakeLists());
    EXPECT_TRUE(FileExists(work));
    // The compile and package commands are the same for every platform (the Android case's).
    m_helper.GetCompileAssetsCommand(m_program, m_arguments);
    EXPECT_EQ(std::string(m_program), m_tools + kSep + "OvAssetCompiler" + kExe);
    EXPECT_EQ(std::string(m_arguments),
              m_game + kSep + "demo.project " + row.platform + " " + row.api + " " + row.assetsFlag);
    EXPECT_TRUE(FileExists(Tmp() + kSep + row.platform + kSep + row.api));
    m_helper.GetConfigurePackagerCommand(m_program, m_arguments);
    EXPECT_EQ(std::string(m_program), m_tools + "OvGamePackager" + kExe + " ");
    EXPECT_EQ(std::string(m_arguments), "--configure " + m_configuration + " " + name + " ");
  }
  EXPECT_EQ(m_helper.SourceControl(), "me|pw|svn://host/demo");
}

TEST_F(ConfigurationHelperTest, AndroidLoopsOverItsArchitecturesWithTheNdkMake) {
  const std::string ndk = m_dir.Join("ndk");
  ScopedEnv ndkRoot("ANDROID_NDK_ROOT", ndk.c_str());
  Initialize("Droid");
  // Android wins over the Steam distribution (whose directory the platform table sees made).
  EXPECT_EQ(m_helper.BuildDirectory(),
            Tmp() + kSep + "Android" + kSep + "Droid" + kSep + "." + kSep + "libs" + kSep + kSep);

  const std::string generator = ovhost::kIsWindows ? "MinGW Makefiles" : "Unix Makefiles";
  const std::string make = ndk + kSep + "prebuilt" + kSep +
                           (ovhost::kIsWindows ? "windows-x86_64" : "linux-x86_64") + kSep + "bin" + kSep +
                           "make" + kExe;
  for (const std::string architecture : {"armeabi-v7a", "x86"}) {
    SCOPED_TRACE(architecture);
    ASSERT_TRUE(m_helper.HasAnotherArchitecture());
    const std::string work = PlatformTmp("Android") + kSep + architecture + kSep;

    m_helper.GetBuildProjectCommand(m_program, m_arguments);
    EXPECT_EQ(std::string(m_arguments),
              Chdir(work) + "-G \"" + generator + "\" -DANDROID_NATIVE_API_LEVEL=android-9 -DANDROID_ABI=" +
                  architecture + " -DCMAKE_MAKE_PROGRAM=\"" + make + "\" -DORVO_SDK_LIB_PATH=sdk/lib/" +
                  architecture + " -DCMAKE_BUILD_TYPE=Release " + Common("Droid") + " -v " + CMakeLists());

    m_helper.GetConfigurePackagerCommand(m_program, m_arguments);
    EXPECT_EQ(std::string(m_arguments), "--configure " + m_configuration + " Droid " + architecture);

    m_helper.GetCompileProjectCommand(m_program, m_arguments);
    EXPECT_EQ(std::string(m_arguments), Chdir(work) + " --build . --target BuildTRAX --config Release");
  }
  EXPECT_FALSE(m_helper.HasAnotherArchitecture());
  m_helper.GetPackageCommand(m_program, m_arguments);
  EXPECT_EQ(std::string(m_arguments), "--build " + m_configuration + " Droid ");
  m_helper.GetCompileAssetsCommand(m_program, m_arguments);
  EXPECT_EQ(std::string(m_arguments), m_game + kSep + "demo.project Android OpenGLES2 ");
}

TEST_F(ConfigurationHelperTest, WithoutCMakeOrNdkProgramsAreEmptyAndCopiesCarryTheArchitecturePosition) {
  ScopedEnv path("PATH", m_dir.Join("empty").c_str());
  Initialize("Droid");  // no ANDROID_NDK_ROOT: no make program
  m_helper.GetBuildProjectCommand(m_program, m_arguments);
  EXPECT_STREQ(m_program, "");
  const std::string work = PlatformTmp("Android") + kSep + "armeabi-v7a" + kSep;
  EXPECT_EQ(std::string(m_arguments).find("-E chdir " + work + " \"\" -G"), 0u);
  EXPECT_EQ(std::string(m_arguments).find("CMAKE_MAKE_PROGRAM"), std::string::npos);
  m_helper.GetCompileProjectCommand(m_program, m_arguments);
  // Assignment is the platform table's, which starts each row from a fresh helper.
  InspectableHelper copy(m_helper);
  copy.GetConfigurePackagerCommand(m_program, m_arguments);
  EXPECT_EQ(std::string(m_arguments), "--configure " + m_configuration + " Droid x86");
  copy.GetCompileProjectCommand(m_program, m_arguments);
  EXPECT_FALSE(copy.HasAnotherArchitecture());
  EXPECT_TRUE(m_helper.HasAnotherArchitecture());
}

TEST_F(ConfigurationHelperTest, UnreadableProjectFilesAreReported) {
  // Each message names the project file at its end.
  const struct {
    const char* content;  // null: no project file at all
    const char* message;
  } cases[] = {
      {nullptr, "Cannot open file "},
      {"not xml", "Cannot load XML from file "},
      {"<project><other/></project>", "Cannot find project_settings node in file "},
      {"<project><project_settings/></project>", "Cannot find general node in file "},
      {"<project><project_settings><general><setting name=\"other\" "
       "value=\"x\"/></general></project_settings></project>",
       "project_settings temp not found in file "},
  };
  const std::string projectFile = m_game + kSep + "demo.project";
  for (const auto& test : cases) {
    SCOPED_TRACE(test.message);
    if (test.content) {
      m_dir.WriteFile("game/demo.project", test.content);
    } else {
      std::remove(projectFile.c_str());
    }
    InspectableHelper helper;
    CaptureStderr();
    helper.Initialize(m_configuration.c_str(), m_manager, "Release", m_tools.c_str());
    EXPECT_EQ(GetCapturedStderr(), test.message + projectFile + "\nCan't read project file !\n");
    EXPECT_EQ(helper.BuildDirectory(), "");
  }
  EXPECT_FALSE(FileExists(Tmp()));
}

// The temporary directory is only set once the project file was read, so nothing was reported.
TEST_F(ConfigurationHelperTest, UnknownBuildGivesEmptyValuesWithoutCrashing) {
  Initialize("Missing");
  EXPECT_EQ(m_helper.TempDirectory(), Tmp());
  EXPECT_STREQ(m_helper.GetTargetBuildAsString(), kSep.c_str());
  m_helper.GetPackageCommand(m_program, m_arguments);
  EXPECT_EQ(std::string(m_arguments), "--build " + m_configuration + "  ");
}
