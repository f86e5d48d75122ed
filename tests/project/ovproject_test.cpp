#include "project/ovproject.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/platform/host.h"
#include "project/ovprojectmanager.h"
#include "project/ovprojectsettingsconsole.h"
#include "project/ovprojectsettingsdesktop.h"
#include "project/ovprojectsettingsgeneral.h"
#include "project/ovprojectsettingsmobile.h"
#include "scripttree/ovscripttreenode.h"
#include "scripttree/xml_dump.h"
#include "support/temp_dir.h"

namespace {

// The names, each followed by ';'.
std::string Names(const COvArray<TOvString<char>>& names) {
  std::string text;
  for (const TOvString<char>& name : names) text += std::string(name.GetBuffer()) + ";";
  return text;
}

const char kNewProjectFile[] =
    "<project project_version=\"1.1\">\n"
    "    <project_settings>\n"
    "        <general>\n"
    "            <setting name=\"generalname\" value=\"Demo\"/>\n"
    "            <setting name=\"generalgeneric\" value=\"Generic\"/>\n"
    "            <setting name=\"generaltmp\" value=\"tmp\"/>\n"
    "            <setting name=\"generalicon\" value=\"icon.png\"/>\n"
    "            <setting name=\"generalsplashscreen\" value=\"splash.png\"/>\n"
    "            <setting name=\"generalmajor\" value=\"1\"/>\n"
    "            <setting name=\"generalminor\" value=\"2\"/>\n"
    "            <setting name=\"english\" value=\"1\"/>\n"
    "            <desktop>\n"
    "                <setting name=\"desktopwidth\" value=\"0\"/>\n"
    "                <setting name=\"desktopheight\" value=\"0\"/>\n"
    "                <windows/>\n                <linux/>\n                <mac/>\n"
    "            </desktop>\n"
    "            <console>\n"
    "                <ps4/>\n                <ps3/>\n"
    "                <xboxone/>\n                <xbox360/>\n"
    "            </console>\n"
    "            <mobile>\n"
    "                <setting name=\"mobileportrait\" value=\"1\"/>\n"
    "                <android>\n"
    "                    <setting name=\"androidsdkid\" value=\"0\"/>\n"
    "                    <setting name=\"androidkeystore\" value=\"\"/>\n"
    "                    <setting name=\"androidkeystorepwd\" value=\"\"/>\n"
    "                    <setting name=\"androidkeyalias\" value=\"\"/>\n"
    "                    <setting name=\"androidkeyaliaspwd\" value=\"\"/>\n"
    "                </android>\n"
    "                <ios/>\n"
    "            </mobile>\n"
    "        </general>\n    </project_settings>\n    <extensions/>\n</project>\n";

// A small valid project file with the given version attribute text (none when null) and more
// elements at its end.
std::string ProjectXml(const char* version, const char* more = "") {
  std::string xml = "<project";
  if (version) xml += std::string(" project_version='") + version + "'";
  xml +=
      "><project_settings><general><setting name='generalName' value='Demo'/></general></project_settings>";
  return xml + "<extensions><extension name='Physics'/></extensions>" + more + "</project>";
}

class OvProjectTest : public ::testing::Test {
 protected:
  std::string ProjectPath() const { return m_dir.Join("demo.ovproject"); }
  std::string Write(const std::string& content) const { return m_dir.WriteFile("demo.ovproject", content); }
  // The extensions of the project file as loaded afresh.
  std::string SavedExtensions() const { return Names(COvProject(ProjectPath().c_str()).GetExtensions()); }
  static COvProjectSettingsGeneral& General(COvProject& project) {
    return *static_cast<COvProjectSettingsGeneral*>(project.GetGeneralProjectSettings());
  }

  TempDir m_dir;
};

}  // namespace

TEST_F(OvProjectTest, NewProjectSavesTheDocumentedLayoutWithTrueBoolsOnly) {
  COvProject project("Demo", ProjectPath().c_str(), "Generic", "tmp", "icon.png", "splash.png", 1, 2);
  EXPECT_FALSE(FileExists(ProjectPath()));
  // Bool settings are written only when true.
  bool on = true;
  ASSERT_TRUE(project.SetProperty("mobile", "mobilePortrait", &on) && project.Save());
  EXPECT_EQ(TextModeBytes(kNewProjectFile), ReadFileBytes(ProjectPath()));
}

// A name with every character the XML writer escapes, and an entity already written out.
const char kTricky[] = "Tom & Jerry <\"Deluxe\"> &amp; 'R&D'";

TEST_F(OvProjectTest, SavedProjectLoadsTheSameSettingsAndSetPropertyWritesByKind) {
  {
    COvProject project(kTricky, ProjectPath().c_str(), "Generic", "tmp", "icon.png", "splash.png", 3, 4);
    bool on = true;
    int height = 720, sdk = 19;
    TOvString<char> keyStore("keys/release.keystore");
    EXPECT_TRUE(project.SetProperty("General", "GERMAN", &on) &&
                project.SetProperty("general", "generalRecording", &on) &&
                project.SetProperty("desktop", "desktopHeight", &height) &&
                project.SetProperty("console", "console1080p", &on) &&
                project.SetProperty("android", "androidSdkId", &sdk) &&
                project.SetProperty("android", "androidKeyStore", &keyStore));
    // Each setting belongs to its own group; a null value or an unknown name sets nothing.
    EXPECT_FALSE(project.SetProperty("general", "generalName", nullptr) ||
                 project.SetProperty("nintendo", "generalName", &keyStore) ||
                 project.SetProperty("general", "unknown", &keyStore) ||
                 project.SetProperty("general", "desktopHeight", &sdk));
    ASSERT_TRUE(project.Save());
  }
  COvProject loaded(ProjectPath().c_str());
  ASSERT_TRUE(loaded.Initialize());
  COvProjectSettingsGeneral& general = General(loaded);
  // An entity already in the text is kept as written, so it reads back decoded.
  EXPECT_STREQ("Tom & Jerry <\"Deluxe\"> & 'R&D'", general.GetstrProjectName());
  EXPECT_TRUE(general.GetiVErsionMinor() == 4 && general.GetbGerman() && !general.GetbFrench() &&
              general.GetbRecording());
  EXPECT_EQ(720, static_cast<COvProjectSettingsDesktop*>(loaded.FindGroupSettings("desktop"))->GetiHeight());
  EXPECT_TRUE(static_cast<COvProjectSettingsConsole*>(loaded.FindGroupSettings("console"))->Getb1080p());
  auto* android = static_cast<COvProjectSettingsAndroid*>(loaded.FindGroupSettings("android"));
  EXPECT_EQ(19, android->GetandroidSdkVersion());
  EXPECT_STREQ("keys/release.keystore", android->GetandroidKeyStore());
  // Languages are listed in a fixed order, appended to what the array holds.
  COvArray<COvIdentifier> languages;
  languages.Add("marker");
  loaded.GetProjectLanguagesArray(languages);
  ASSERT_EQ(3, languages.GetCount());
  EXPECT_TRUE(languages[0] == COvIdentifier("marker") && languages[1] == COvIdentifier("english") &&
              languages[2] == COvIdentifier("german"));
}

TEST_F(OvProjectTest, SaveKeepsUnknownContentOfTheFile) {
  Write(
      "<project project_version='1.1' owner='studio'>"
      "<project_settings><general><setting name='generalName' value='Old'/></general></project_settings>"
      "<editor_settings theme='dark'><layout panes='3'/></editor_settings>"
      "<extensions note='n'><extension name='Physics' since='2'/><plugin name='Other'/></extensions>"
      "</project>");
  COvProject project(ProjectPath().c_str());
  // Every child element of "extensions" names one, whatever its element name.
  ASSERT_EQ(2, project.GetExtensions().GetCount());
  project.GetExtensions().RemoveAll();
  project.GetExtensions().Add("physics");
  project.GetExtensions().Add("Other");
  project.GetExtensions().Add("Audio");
  ASSERT_TRUE(project.Save());
  std::string bytes = ReadFileBytes(ProjectPath());
  std::string expectedHead = TextModeBytes(
      "<project project_version=\"1.1\" owner=\"studio\">\n"
      "    <editor_settings theme=\"dark\">\n"
      "        <layout panes=\"3\"/>\n"
      "    </editor_settings>\n"
      "    <extensions note=\"n\">\n"
      // Matched without regard to case: renamed in place, other attributes kept.
      "        <extension name=\"physics\" since=\"2\"/>\n"
      "        <plugin name=\"Other\"/>\n"
      // The match for Other is not an "extension" element, so one is added, as for a new name.
      "        <extension name=\"Other\"/>\n"
      "        <extension name=\"Audio\"/>\n"
      "    </extensions>\n"
      "    <project_settings>\n");
  EXPECT_EQ(expectedHead, bytes.substr(0, expectedHead.size()));
}

TEST_F(OvProjectTest, SaveUpgradesTheVersionAndReplacesEveryOldSettingsElement) {
  Write(
      "<project project_version='1.0'><project_settings><general><setting name='generalName' value='First'/>"
      "</general></project_settings><project_settings><general><setting name='generalName' value='Second'/>"
      "</general></project_settings></project>");
  COvProject project(ProjectPath().c_str());
  General(project).SetstrProjectName("Saved");
  ASSERT_TRUE(project.Save());
  std::string bytes = ReadFileBytes(ProjectPath());
  EXPECT_EQ(0u, bytes.find(TextModeBytes("<project project_version=\"1.1\">\n")));
  EXPECT_TRUE(bytes.find("First") == std::string::npos && bytes.find("Second") == std::string::npos);
  COvProject loaded(ProjectPath().c_str());
  EXPECT_STREQ("Saved", General(loaded).GetstrProjectName());
}

TEST_F(OvProjectTest, MissingMalformedOrOldFilesGiveDefaultsAndFalseOthersLoad) {
  // Which texts fail to parse is the XML serializer's; here one missing and one cut file.
  // clang-format off
  const struct {
    std::string content;  // "<missing>": no file
    bool loads;
  } rows[] = {{"<missing>", false},
              {"<project project_version='1.1'><project_settings>", false},
              {ProjectXml("1.0"), false},
              {ProjectXml("0.9"), false},
              {ProjectXml(nullptr), false},
              {ProjectXml("1.1"), true},
              {ProjectXml("1.2"), true},
              {ProjectXml("2.0"), true},
              {ProjectXml("1.1.5"), true},
              {ProjectXml("abc"), true},
              {ProjectXml("..1..1."), true},
              {ProjectXml("1.10"), true}};
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(row.content);
    if (row.content != "<missing>") Write(row.content);
    COvProject project(ProjectPath().c_str());
    EXPECT_EQ(row.loads, project.CheckProjectVersion());
    EXPECT_EQ(row.loads, project.Initialize());
    EXPECT_STREQ(row.loads ? "Demo" : "", General(project).GetstrProjectName());
    EXPECT_EQ(row.loads ? 1 : 0, project.GetExtensions().GetCount());
  }
  EXPECT_FALSE(COvProject(m_dir.Join("missing/dir/demo.ovproject").c_str()).Save());
}

TEST_F(OvProjectTest, InitializeStartsFromFreshDefaultsAndKeepsTheExtensionList) {
  Write(ProjectXml("1.1"));
  COvProject project(ProjectPath().c_str());
  General(project).SetstrIconPath("changed.png");
  ASSERT_TRUE(project.Initialize());
  EXPECT_STREQ("", General(project).GetstrIconPath());
  // Without project settings the extensions are not read, and Initialize leaves the list alone.
  Write("<project project_version='1.1'><extensions><extension name='Physics'/></extensions></project>");
  COvProject bare(ProjectPath().c_str());
  EXPECT_EQ(0, bare.GetExtensions().GetCount());
  bare.GetExtensions().Add("Memory");
  EXPECT_FALSE(bare.Initialize());
  ASSERT_EQ(1, bare.GetExtensions().GetCount());
}

// Absolute, backslashed and relative texts against the project's folder are the path text
// tests'; here each way the separator is added or not.
TEST(OvProjectPaths, ResolvedPathsEndWithOneSeparator) {
  const struct {
    const char* projectFile;
    const char* generic;
    const char* tmp;
    const char* realGeneric;
    const char* realTmp;
    const char* realCompiled;
  } rows[] = {
#ifdef _WIN32
      {"C:\\Games\\Demo\\demo.ovproject", "Generic", "tmp", "C:\\Games\\Demo\\Generic\\",
       "C:\\Games\\Demo\\tmp\\", "C:\\Games\\Demo\\tmp\\Windows\\DX9\\"},
      {"C:/Games/Demo/demo.ovproject", "D:\\Data\\", "tmp/", "D:\\Data\\", "C:\\Games\\Demo\\tmp\\",
       "C:\\Games\\Demo\\tmp\\Windows\\DX9\\"},
      {"demo.ovproject", "Generic", "", "Generic\\", "", "Windows\\DX9\\"},
#else
      // The project file is made native when set, so its backslash names a folder.
      {"/games\\demo/demo.ovproject", "Generic", "tmp", "/games/demo/Generic/", "/games/demo/tmp/",
       "/games/demo/tmp/Windows/DX9/"},
      {"/games/demo/demo.ovproject", "Generic/", "tmp/", "/games/demo/Generic/", "/games/demo/tmp/",
       "/games/demo/tmp/Windows/DX9/"},
      {"/games/demo/demo.ovproject", "", "", "/games/demo/", "/games/demo/", "/games/demo/Windows/DX9/"},
      // A project file named without a folder leaves the paths relative to the current directory.
      {"demo.ovproject", "", "", "", "", "Windows/DX9/"},
#endif
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.projectFile) + " | " + row.generic + " | " + row.tmp);
    COvProject project("Demo", row.projectFile, row.generic, row.tmp, "", "", 1, 0);
    TOvString<char> out("previous");
    project.GetRealGenericPath(out);
    EXPECT_STREQ(row.realGeneric, out);
    project.GetRealTemporaryPath(out);
    EXPECT_STREQ(row.realTmp, out);
    project.GetRealCompiledPath(out);
    EXPECT_STREQ(row.realCompiled, out);
  }
}

TEST_F(OvProjectTest, ExtensionMaintenanceRewritesTheFile) {
  Write(
      "<project project_version='1.1'><project_settings/><extensions><extension name='Physics'/>"
      "<plugin name='Kept'/></extensions></project>");
  COvProject project(ProjectPath().c_str());
  EXPECT_TRUE(project.ContainsExtension("Physics") && !project.ContainsExtension("physics"));
  project.AddExtension("Audio");
  project.AddExtension("Audio");
  // The "extension" elements are written again after the others, which stay: the plugin
  // element reads as a first "Kept".
  EXPECT_EQ("Kept;Physics;Kept;Audio;Audio;", SavedExtensions());

  project.RemoveExtension("Audio");
  project.RemoveExtension("Kept");
  project.RemoveExtension("absent");
  EXPECT_EQ("Physics;Audio;", Names(project.GetExtensions()));
  EXPECT_EQ("Kept;Physics;Audio;", SavedExtensions());

  COvArray<TOvString<char>> more;
  more.Add("Physics");
  more.Add("Video");
  more.Add("physics");
  project.AddExtensions(more);
  EXPECT_EQ("Physics;Audio;Video;physics;", Names(project.GetExtensions()));
  EXPECT_EQ("Kept;Physics;Audio;Video;physics;", SavedExtensions());

  // The whole "extensions" element goes, the rest stays (the manager's forwarding case reads
  // the file).
  project.RemoveAllExtensions();
  EXPECT_EQ("", Names(project.GetExtensions()));
  EXPECT_EQ("", SavedExtensions());
  // SetExtensions changes only the list in memory.
  project.SetExtensions(more);
  EXPECT_TRUE(project.ContainsExtension("Video"));
  EXPECT_EQ("", SavedExtensions());
}

namespace {

const char* const kResourceDirectories[] = {
    "Animations", "AudioStreams",  "DataSets",        "Fonts",  "FSM",       "Material",
    "Meshes",     "MetaAnimation", "ParticleSystems", "Prefab", "Ragdoll",   "Shaders",
    "Shapes",     "Sounds",        "Sprites",         "String", "Subtitles", "Textures"};

class OvProjectManagerTest : public OvProjectTest {
 protected:
  void TearDown() override { Manager()->SetCurrentProject(nullptr); }

  static COvProjectManager* Manager() { return COvProjectManager::GetInstance(); }

  // A complete workspace below the temporary directory; returns its path with a final separator.
  std::string MakeWorkspace() const {
    for (const char* name : {"Game", "Levels", "Videos"}) MakeDirectory(std::string("Generic/") + name);
    for (const char* name : kResourceDirectories) MakeDirectory(std::string("Generic/Resources/") + name);
    return m_dir.Path() + ovhost::kNativeSeparator;
  }
  void MakeDirectory(const std::string& relative) const {
    std::filesystem::create_directories(m_dir.Join(relative));
  }
  void RemoveDirectory(const std::string& relative) const {
    std::filesystem::remove_all(m_dir.Join(relative));
  }
};

}  // namespace

TEST_F(OvProjectManagerTest, StartsEmptyAndSetCurrentProjectReplacesOrKeepsTheSameObject) {
  EXPECT_EQ(nullptr, Manager()->GetCurrentProject());
  EXPECT_STREQ("", Manager()->GetCurrentProjectFile());
  EXPECT_EQ(nullptr, Manager()->GetEditorProjectSettings());
  // Forwarding without a project does nothing.
  Manager()->AddExtensionInCurrentProject("Audio");
  Manager()->RemoveAllExtensionsInCurrentProject();
  COvProject* first = new COvProject(ProjectPath().c_str());
  Manager()->SetCurrentProject(first);
  Manager()->SetCurrentProject(first);
  EXPECT_EQ(first, Manager()->GetCurrentProject());
  COvProject* second = new COvProject(m_dir.Join("second.ovproject").c_str());
  Manager()->SetCurrentProject(second);
  EXPECT_STREQ(m_dir.Join("second.ovproject").c_str(), Manager()->GetCurrentProjectFile());
}

TEST_F(OvProjectManagerTest, LoadProjectMakesTheLoadedOrADefaultProjectCurrent) {
  Write(ProjectXml("1.1", "<editor_settings theme='dark'><camera speed='2'/></editor_settings>"));
  EXPECT_TRUE(Manager()->LoadProject(ProjectPath().c_str()));
  COvProject* project = Manager()->GetCurrentProject();
  ASSERT_NE(nullptr, project);
  EXPECT_STREQ("Demo", General(*project).GetstrProjectName());
  EXPECT_STREQ((m_dir.Path() + ovhost::kNativeSeparator).c_str(), Manager()->GetCurrentProjectDirectory());
  EXPECT_EQ("Physics;", Names(Manager()->GetCurrentProjectExtensions()));
  // The editor settings are a copy of the element, read from the file.
  EXPECT_EQ("<editor_settings theme=\"dark\">\n    <camera speed=\"2\"/>\n</editor_settings>\n",
            DumpNode(Manager()->GetEditorProjectSettings()));
  Write("broken <");
  EXPECT_EQ(nullptr, Manager()->GetEditorProjectSettings());

  EXPECT_TRUE(Manager()->LoadProject(m_dir.Join("absent.ovproject").c_str()));
  ASSERT_NE(nullptr, Manager()->GetCurrentProject());
  EXPECT_STREQ("", General(*Manager()->GetCurrentProject()).GetstrProjectName());
}

TEST_F(OvProjectManagerTest, ExtensionOperationsRewriteTheCurrentProjectFile) {
  Write("<project project_version='1.1'><project_settings/></project>");
  Manager()->LoadProject(ProjectPath().c_str());
  EXPECT_EQ(nullptr, Manager()->GetEditorProjectSettings());
  Manager()->AddExtensionInCurrentProject("Audio");
  COvArray<TOvString<char>> more;
  more.Add("Video");
  Manager()->AddExtensionsInCurrentProject(more);
  Manager()->RemoveExtensionInCurrentProject("Audio");
  EXPECT_EQ("Video;", SavedExtensions());
  Manager()->RemoveAllExtensionsInCurrentProject();
  EXPECT_EQ(TextModeBytes("<project project_version=\"1.1\">\n    <project_settings/>\n</project>\n"),
            ReadFileBytes(ProjectPath()));
}

TEST_F(OvProjectManagerTest, OnlyACompleteWorkspaceIsAcceptedWithExtraDirectoriesOutsideGeneric) {
  std::string workspace = MakeWorkspace();
  EXPECT_TRUE(COvProjectManager::IsAcceptableWorkspace(workspace.c_str()));
  // Without the final separator the same directory is meant.
  EXPECT_TRUE(COvProjectManager::IsAcceptableWorkspace(m_dir.Path().c_str()));
  MakeDirectory("Tools");
  MakeDirectory("Generic/Resources/Extra");
  EXPECT_TRUE(COvProjectManager::IsAcceptableWorkspace(workspace.c_str()));
  RemoveDirectory("Generic");
  EXPECT_FALSE(COvProjectManager::IsAcceptableWorkspace(workspace.c_str()));
  EXPECT_FALSE(COvProjectManager::IsAcceptableWorkspace(m_dir.Join("absent").c_str()));
  EXPECT_FALSE(COvProjectManager::IsAcceptableWorkspace(""));
  // Each row spoils a complete workspace: {directory removed, directory added}.
  std::vector<std::pair<std::string, std::string>> cases = {
      {"", "Generic/Tools"},  // Generic holds exactly four directories
      {"Generic/Videos", ""},
      {"Generic/Videos", "Generic/Movies"},  // four, one of the wrong name
      {"Generic/Levels", "Generic/levels"},  // names are case-sensitive
  };
  for (const char* name : kResourceDirectories)
    cases.push_back({std::string("Generic/Resources/") + name, ""});
  for (const auto& [removed, added] : cases) {
    SCOPED_TRACE(removed + " | " + added);
    MakeWorkspace();
    if (!removed.empty()) RemoveDirectory(removed);
    if (!added.empty()) MakeDirectory(added);
    EXPECT_FALSE(COvProjectManager::IsAcceptableWorkspace(workspace.c_str()));
    RemoveDirectory("Generic");
  }
  // A file does not count as a directory.
  MakeWorkspace();
  RemoveDirectory("Generic/Resources/Subtitles");
  m_dir.WriteFile("Generic/Resources/Subtitles", "not a directory");
  EXPECT_FALSE(COvProjectManager::IsAcceptableWorkspace(workspace.c_str()));
}
