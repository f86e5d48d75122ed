#include "configuration/ovconfigurationproject.h"

#include <gtest/gtest.h>

#include "configuration/ovconfigurationsourcecontrol.h"
#include "configuration_test_support.h"

TEST(ConfigurationProject, ReadsBothPaths) {
  COvScriptTree tree;
  COvConfigurationProject project;
  project.Initialize(
      ParseXml(tree, "<PROJECTCONFIG projectfile=\"Game.project\" ProjectCMakeLists=\"CMakeLists.txt\"/>"));
  EXPECT_STREQ(project.GetProjectFile(), "Game.project");
  EXPECT_STREQ(project.GetProjectCMakeLists(), "CMakeLists.txt");

  COvConfigurationProject copy(project);
  project.SetProjectFile("Other.project");
  EXPECT_STREQ(copy.GetProjectFile(), "Game.project");
}

TEST(ConfigurationProject, WellFormedNamesTheMissingPaths) {
  COvConfigurationProject project;
  EXPECT_STREQ(project.WellFormed(),
               "Warnings : \n\tMissing Project File Path !\n\tMissing CMakeLists Path !\n");
  project.SetProjectFile("Game.project");
  EXPECT_STREQ(project.WellFormed(), "Warnings : \n\tMissing CMakeLists Path !\n");
  project.SetProjectCMakeLists("CMakeLists.txt");
  EXPECT_TRUE(project.WellFormed().IsEmpty());
}

TEST(ConfigurationSourceControl, ReadsTheFourAttributesInAnyCase) {
  COvScriptTree tree;
  COvConfigurationSourceControl control;
  control.Initialize(ParseXml(
      tree,
      "<SourceControlConfig Using=\"svn\" URL=\"svn://host/repo\" UserName=\"me\" Password=\"p&amp;w\"/>"));
  EXPECT_STREQ(control.GetType(), "svn");
  EXPECT_STREQ(control.GetUrl(), "svn://host/repo");
  EXPECT_STREQ(control.GetUserId(), "me");
  EXPECT_STREQ(control.GetUserPwd(), "p&w");
}

TEST(ConfigurationSourceControl, UpdatesExistingAttributesRatherThanAddingOthers) {
  COvScriptTree tree;
  COvScriptTreeNode* node = ParseXml(tree, "<SourceControlConfig Using=\"svn\"/>");
  ASSERT_NE(node, nullptr);
  COvConfigurationSourceControl control;
  control.Initialize(node);
  control.SetType("git");
  control.SetUserPwd("secret");
  control.ToCOvScriptTreeNode(node);
  ASSERT_EQ(node->GetAttributeCount(), 4);
  EXPECT_STREQ(node->GetAttribute(0).GetValue(), "git");
  EXPECT_EQ(node->GetAttribute(1).GetIdentifier(), COvIdentifier("url"));
  EXPECT_EQ(node->GetAttribute(2).GetIdentifier(), COvIdentifier("username"));
  EXPECT_EQ(node->GetAttribute(3).GetIdentifier(), COvIdentifier("password"));
  EXPECT_STREQ(node->GetAttribute(3).GetValue(), "secret");
}

TEST(ConfigurationSourceControl, WellFormedNamesTheMissingFields) {
  COvConfigurationSourceControl control;
  EXPECT_STREQ(control.WellFormed(),
               "Warnings : \n\tMissing Type !\n\tMissing Url !\n\tMissing User Identifier !\n"
               "\tMissing User Password !\n");
  control.SetType("svn");
  control.SetUrl("svn://host");
  control.SetUserId("me");
  control.SetUserPwd("pw");
  EXPECT_TRUE(control.WellFormed().IsEmpty());
  COvConfigurationSourceControl assigned;
  assigned = control;
  EXPECT_STREQ(assigned.GetUrl(), "svn://host");
}
