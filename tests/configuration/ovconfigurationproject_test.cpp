#include "configuration/ovconfigurationproject.h"

#include <gtest/gtest.h>

#include "configuration/ovconfigurationsourcecontrol.h"
#include "configuration_test_support.h"

// Reading the two paths, in any case, is the manager's hand-edited file's.
TEST(ConfigurationProject, WellFormedNamesTheMissingPathsAndCopiesAreIndependent) {
  COvConfigurationProject project;
  EXPECT_STREQ(project.WellFormed(),
               "Warnings : \n\tMissing Project File Path !\n\tMissing CMakeLists Path !\n");
  project.SetProjectFile("Game.project");
  EXPECT_STREQ(project.WellFormed(), "Warnings : \n\tMissing CMakeLists Path !\n");
  project.SetProjectCMakeLists("CMakeLists.txt");
  EXPECT_TRUE(project.WellFormed().IsEmpty());
  COvConfigurationProject copy(project);
  project.SetProjectFile("Changed.project");
  EXPECT_STREQ(copy.GetProjectFile(), "Game.project");
  EXPECT_STREQ(copy.GetProjectCMakeLists(), "CMakeLists.txt");
}

TEST(ConfigurationSourceControl, ReadsTheFourAttributesInAnyCaseAndUpdatesThemInPlace) {
  COvScriptTree tree;
  COvScriptTreeNode* node = ParseXml(
      tree,
      "<SourceControlConfig Using=\"svn\" URL=\"svn://host/repo\" UserName=\"me\" Password=\"p&amp;w\"/>");
  ASSERT_NE(node, nullptr);
  COvConfigurationSourceControl control;
  EXPECT_STREQ(control.WellFormed(),
               "Warnings : \n\tMissing Type !\n\tMissing Url !\n\tMissing User Identifier !\n"
               "\tMissing User Password !\n");
  control.Initialize(node);
  EXPECT_TRUE(control.WellFormed().IsEmpty());
  // A copy written back: existing attributes are updated rather than others added.
  COvConfigurationSourceControl assigned;
  assigned = control;
  node->RemoveAttribute(node->GetAttribute(1));
  EXPECT_STREQ(assigned.GetType(), "svn");
  assigned.SetType("git");
  assigned.ToCOvScriptTreeNode(node);
  EXPECT_EQ(
      DumpNode(new COvScriptTreeNode(*node)),
      "<sourcecontrolconfig using=\"git\" username=\"me\" password=\"p&amp;w\" url=\"svn://host/repo\"/>\n");
}
