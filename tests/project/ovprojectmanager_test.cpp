#include "project/ovprojectmanager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/platform/host.h"
#include "project/ovproject.h"
#include "project/ovprojectsettingsgeneral.h"
#include "scripttree/ovscripttreenode.h"
#include "support/temp_dir.h"

namespace {

const char* const kResourceDirectories[] = {
    "Animations", "AudioStreams",  "DataSets",        "Fonts",  "FSM",       "Material",
    "Meshes",     "MetaAnimation", "ParticleSystems", "Prefab", "Ragdoll",   "Shaders",
    "Shapes",     "Sounds",        "Sprites",         "String", "Subtitles", "Textures"};

class OvProjectManagerTest : public ::testing::Test {
 protected:
  void TearDown() override { Manager()->SetCurrentProject(nullptr); }

  static COvProjectManager* Manager() { return COvProjectManager::GetInstance(); }
  static COvProjectSettingsGeneral& General(COvProject* project) {
    return *static_cast<COvProjectSettingsGeneral*>(project->GetGeneralProjectSettings());
  }
  std::string ProjectPath() const { return m_dir.Join("demo.ovproject"); }

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

  TempDir m_dir;
};

}  // namespace

TEST_F(OvProjectManagerTest, StartsEmptyAndSetCurrentProjectReplacesOrKeepsTheSameObject) {
  EXPECT_EQ(nullptr, Manager()->GetCurrentProject());
  EXPECT_STREQ("", Manager()->GetCurrentProjectFile());
  EXPECT_EQ(nullptr, Manager()->GetEditorProjectSettings());
  // Forwarding without a project does nothing.
  Manager()->AddExtensionInCurrentProject("Audio");
  Manager()->RemoveAllExtensionsInCurrentProject();
  EXPECT_EQ(nullptr, Manager()->GetCurrentProject());
  COvProject* first = new COvProject(ProjectPath().c_str());
  Manager()->SetCurrentProject(first);
  Manager()->SetCurrentProject(first);
  EXPECT_EQ(first, Manager()->GetCurrentProject());
  COvProject* second = new COvProject(m_dir.Join("second.ovproject").c_str());
  Manager()->SetCurrentProject(second);
  EXPECT_STREQ(m_dir.Join("second.ovproject").c_str(), Manager()->GetCurrentProjectFile());
}

TEST_F(OvProjectManagerTest, LoadProjectMakesTheLoadedOrADefaultProjectCurrent) {
  m_dir.WriteFile("demo.ovproject",
                  "<project project_version='1.1'><project_settings><general>"
                  "<setting name='generalName' value='Demo'/></general></project_settings>"
                  "<extensions><extension name='Physics'/></extensions>"
                  "<editor_settings theme='dark'><camera speed='2'/></editor_settings></project>");
  EXPECT_TRUE(Manager()->LoadProject(ProjectPath().c_str()));
  COvProject* project = Manager()->GetCurrentProject();
  ASSERT_NE(nullptr, project);
  EXPECT_STREQ("Demo", General(project).GetstrProjectName());
  EXPECT_STREQ(ProjectPath().c_str(), Manager()->GetCurrentProjectFile());
  EXPECT_STREQ((m_dir.Path() + ovhost::kNativeSeparator).c_str(), Manager()->GetCurrentProjectDirectory());
  COvArray<TOvString<char>> extensions = Manager()->GetCurrentProjectExtensions();
  ASSERT_EQ(1, extensions.GetCount());
  EXPECT_STREQ("Physics", extensions[0]);
  extensions.Add("Other");  // a copy: the project's list stays
  EXPECT_EQ(1, project->GetExtensions().GetCount());
  // The editor settings are a copy of the element, read from the file.
  COvScriptTreeNode* editor = Manager()->GetEditorProjectSettings();
  ASSERT_NE(nullptr, editor);
  EXPECT_STREQ("dark", editor->GetAttributeValueAsString("theme"));
  ASSERT_EQ(1, editor->GetChildCount());
  EXPECT_EQ(2, editor->GetChild(0)->GetAttributeValueAsInt("speed"));
  COvScriptTreeNode::DeleteSubtree(editor);
  m_dir.WriteFile("demo.ovproject", "broken <");
  EXPECT_EQ(nullptr, Manager()->GetEditorProjectSettings());

  EXPECT_TRUE(Manager()->LoadProject(m_dir.Join("absent.ovproject").c_str()));
  ASSERT_NE(nullptr, Manager()->GetCurrentProject());
  EXPECT_STREQ("", General(Manager()->GetCurrentProject()).GetstrProjectName());
}

TEST_F(OvProjectManagerTest, ExtensionOperationsRewriteTheCurrentProjectFile) {
  m_dir.WriteFile("demo.ovproject", "<project project_version='1.1'><project_settings/></project>");
  Manager()->LoadProject(ProjectPath().c_str());
  EXPECT_EQ(nullptr, Manager()->GetEditorProjectSettings());
  Manager()->AddExtensionInCurrentProject("Audio");
  COvArray<TOvString<char>> more;
  more.Add("Audio");
  more.Add("Video");
  Manager()->AddExtensionsInCurrentProject(more);
  Manager()->RemoveExtensionInCurrentProject("Audio");
  COvProject reloaded(ProjectPath().c_str());
  ASSERT_EQ(1, reloaded.GetExtensions().GetCount());
  EXPECT_STREQ("Video", reloaded.GetExtensions()[0]);
  Manager()->RemoveAllExtensionsInCurrentProject();
  EXPECT_EQ(0, Manager()->GetCurrentProjectExtensions().GetCount());
  EXPECT_EQ(std::string::npos, ReadFileBytes(ProjectPath()).find("extension"));
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
