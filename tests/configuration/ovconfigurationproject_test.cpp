#include "configuration/ovconfigurationproject.h"

#include <gtest/gtest.h>

#include "configuration/ovconfigurationsourcecontrol.h"
#include "configuration_test_support.h"

TEST(ConfigurationProject, ReadsBothPathsAndWellFormedNamesTheMissingOnes) {
  COvConfigurationProject project;
  EXPECT_STREQ(project.WellFormed(),
               "Warnings : \n\tMissing Project File Path !\n\tMissing CMakeLists Path !\n");
  project.SetProjectFile("Game.project");
  EXPECT_STREQ(project.WellFormed(), "Warnings : \n\tMissing CMakeLists Path !\n");
  COvScriptTree tree;
  project.Initialize(
      ParseXml(tree, "<PROJECTCONFIG projectfile=\"Other.project\" ProjectCMakeLists=\"CMakeLists.txt\"/>"));
  EXPECT_TRUE(project.WellFormed().IsEmpty());
  COvConfigurationProject copy(project);
  project.SetProjectFile("Changed.project");
  EXPECT_STREQ(copy.GetProjectFile(), "Other.project");
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
  COvConfigurationSourceControl assigned;
  assigned = control;
  EXPECT_EQ(std::string(assigned.GetType()) + "|" + assigned.GetUrl().GetBuffer() + "|" +
                assigned.GetUserId().GetBuffer() + "|" + assigned.GetUserPwd().GetBuffer(),
            "svn|svn://host/repo|me|p&w");
  // Existing attributes are updated rather than others added.
  node->RemoveAttribute(node->GetAttribute(1));
  control.SetType("git");
  control.ToCOvScriptTreeNode(node);
  EXPECT_EQ(
      DumpNode(new COvScriptTreeNode(*node)),
      "<sourcecontrolconfig using=\"git\" username=\"me\" password=\"p&amp;w\" url=\"svn://host/repo\"/>\n");
}
