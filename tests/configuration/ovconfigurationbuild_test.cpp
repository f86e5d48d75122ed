#include "configuration/ovconfigurationbuild.h"

#include <gtest/gtest.h>

#include "configuration_test_support.h"

namespace {

void ExpectArchitectures(const COvConfigurationBuild& build, std::initializer_list<const char*> expected) {
  COvArray<TOvString<char>> actual = build.GetArchitectures();
  ASSERT_EQ(actual.GetCount(), static_cast<int>(expected.size()));
  int i = 0;
  for (const char* name : expected) EXPECT_STREQ(actual[i++].GetBuffer(), name);
}

COvConfigurationBuild CompleteBuild() {
  COvConfigurationBuild build;
  build.SetName("Release");
  build.SetPlatform("Windows");
  build.SetApi("DX9");
  build.SetHeaderPath("sdk/include");
  build.SetLibraryPath("sdk/lib");
  return build;
}

}  // namespace

TEST(ConfigurationBuildFields, StartEmpty) {
  COvConfigurationBuild build;
  EXPECT_TRUE(build.GetName().IsEmpty());
  EXPECT_TRUE(build.GetPlatform().IsEmpty());
  EXPECT_TRUE(build.GetArgs().IsEmpty());
  EXPECT_EQ(build.GetArchitectures().GetCount(), 0);
}

TEST(ConfigurationBuildFields, NameBlanksBecomeUnderscores) {
  COvConfigurationBuild build;
  build.SetName("My Release  Build");
  EXPECT_STREQ(build.GetName(), "My_Release__Build");
}

TEST(ConfigurationBuildFields, ArgsQuotesAreStoredAsEntities) {
  COvConfigurationBuild build;
  build.SetArgs("-x \"a b\"");
  EXPECT_STREQ(build.GetArgs(), "-x &quot;a b&quot;");
  build.SetArgs("-x &quot;a b&quot;");
  EXPECT_STREQ(build.GetArgs(), "-x &quot;a b&quot;");
}

TEST(ConfigurationBuildFields, PathsAreStoredUnchanged) {
  COvConfigurationBuild build;
  build.SetHeaderPath("C:\\sdk dir\\include");
  build.SetLibraryPath("C:\\sdk dir\\lib");
  EXPECT_STREQ(build.GetHeaderPath(), "C:\\sdk dir\\include");
  EXPECT_STREQ(build.GetLibraryPath(), "C:\\sdk dir\\lib");
}

TEST(ConfigurationBuildFields, CopiesAreIndependent) {
  COvConfigurationBuild build = CompleteBuild();
  build.AddArchitecture("x86");
  COvConfigurationBuild copy(build);
  COvConfigurationBuild assigned;
  assigned = build;
  build.AddArchitecture("armeabi-v7a");
  build.SetName("Other");
  EXPECT_STREQ(copy.GetName(), "Release");
  EXPECT_STREQ(assigned.GetApi(), "DX9");
  ExpectArchitectures(copy, {"x86"});
  ExpectArchitectures(assigned, {"x86"});
}

TEST(ConfigurationBuildArchitectures, AddKeepsOrderAndDropsDuplicates) {
  COvConfigurationBuild build;
  build.AddArchitecture("armeabi-v7a");
  build.AddArchitecture("x86");
  build.AddArchitecture("armeabi-v7a");
  ExpectArchitectures(build, {"armeabi-v7a", "x86"});
}

TEST(ConfigurationBuildArchitectures, FindIsCaseSensitive) {
  COvConfigurationBuild build;
  build.AddArchitecture("armeabi-v7a");
  build.AddArchitecture("x86");
  EXPECT_EQ(build.FindArchitecture("x86"), 1);
  EXPECT_EQ(build.FindArchitecture("X86"), -1);
  EXPECT_EQ(build.FindArchitecture("mips"), -1);
}

TEST(ConfigurationBuildArchitectures, RemoveKeepsTheOthersInOrder) {
  COvConfigurationBuild build;
  for (const char* name : {"a", "b", "c"}) build.AddArchitecture(name);
  build.RemoveArchitecture("b");
  ExpectArchitectures(build, {"a", "c"});
  build.RemoveArchitecture("B");
  ExpectArchitectures(build, {"a", "c"});
}

TEST(ConfigurationBuildRead, ReadsEveryField) {
  COvScriptTree tree;
  COvScriptTreeNode* node =
      ParseXml(tree,
               "<Build Name=\"My Build\" Platform=\"Android\" Distribution=\"Store\" Api=\"OpenGLES2\" "
               "HeaderPath=\"sdk\\include\" LibraryPath=\"sdk\\lib\" Args=\"-x &quot;a b&quot;\" Extra=\"1\">"
               "<Architecture Name=\"armeabi-v7a\"/><Other Name=\"mips\"/><architecture name=\"x86\"/>"
               "<ARCHITECTURE NAME=\"armeabi-v7a\"/></Build>");
  ASSERT_NE(node, nullptr);
  COvConfigurationBuild build;
  build.Initialize(node);
  EXPECT_STREQ(build.GetName(), "My_Build");
  EXPECT_STREQ(build.GetPlatform(), "Android");
  EXPECT_STREQ(build.GetDistribution(), "Store");
  EXPECT_STREQ(build.GetApi(), "OpenGLES2");
  EXPECT_STREQ(build.GetHeaderPath(), "sdk\\include");
  EXPECT_STREQ(build.GetLibraryPath(), "sdk\\lib");
  EXPECT_STREQ(build.GetArgs(), "-x &quot;a b&quot;");
  ExpectArchitectures(build, {"armeabi-v7a", "x86"});
}

TEST(ConfigurationBuildRead, MissingAttributesReadAsEmptyAndOldArchitecturesGo) {
  COvScriptTree tree;
  COvScriptTreeNode* node = ParseXml(tree, "<build name=\"Bare\"/>");
  ASSERT_NE(node, nullptr);
  COvConfigurationBuild build = CompleteBuild();
  build.AddArchitecture("x86");
  build.Initialize(node);
  EXPECT_STREQ(build.GetName(), "Bare");
  EXPECT_TRUE(build.GetPlatform().IsEmpty());
  EXPECT_TRUE(build.GetApi().IsEmpty());
  EXPECT_TRUE(build.GetLibraryPath().IsEmpty());
  EXPECT_EQ(build.GetArchitectures().GetCount(), 0);
}

TEST(ConfigurationBuildRead, NullNodeChangesNothing) {
  COvConfigurationBuild build = CompleteBuild();
  build.Initialize(nullptr);
  EXPECT_STREQ(build.GetName(), "Release");
}

TEST(ConfigurationBuildWrite, WritesAllAttributesInOrderAndOneChildPerArchitecture) {
  COvConfigurationBuild build;
  build.SetName("Release_Android");
  build.SetPlatform("Android");
  build.SetApi("OpenGLES2");
  build.SetHeaderPath("sdk\\include");
  build.SetLibraryPath("sdk\\lib");
  build.SetArgs("-D \"X=1\"");
  build.AddArchitecture("armeabi-v7a");
  build.AddArchitecture("x86");
  EXPECT_EQ(DumpNode(build.ToCOvScriptTreeNode()),
            "<build name=\"Release_Android\" platform=\"Android\" distribution=\"\" api=\"OpenGLES2\" "
            "headerpath=\"sdk\\include\" librarypath=\"sdk\\lib\" args=\"-D &quot;X=1&quot;\">\n"
            "    <architecture name=\"armeabi-v7a\"/>\n"
            "    <architecture name=\"x86\"/>\n"
            "</build>\n");
}

TEST(ConfigurationBuildWrite, WrittenNodeReadsBackEqual) {
  COvConfigurationBuild build = CompleteBuild();
  build.SetArgs("-v \"quoted arg\" & <more>");
  build.AddArchitecture("x86");
  COvScriptTreeNode* node = build.ToCOvScriptTreeNode();
  COvConfigurationBuild copy;
  copy.Initialize(node);
  node->Empty();
  delete node;
  EXPECT_STREQ(copy.GetName(), build.GetName());
  EXPECT_STREQ(copy.GetArgs(), build.GetArgs());
  ExpectArchitectures(copy, {"x86"});
}

TEST(ConfigurationBuildWellFormed, CompleteBuildHasNoWarnings) {
  EXPECT_TRUE(CompleteBuild().WellFormed().IsEmpty());
}

TEST(ConfigurationBuildWellFormed, AndroidBuildListsEveryMissingField) {
  COvConfigurationBuild build;
  build.SetName("Test");
  build.SetPlatform("Android");
  EXPECT_STREQ(build.WellFormed(),
               "\"Test\" warnings : \n"
               "\tMissing Api !\n"
               "\tMissing OVSDK Library Directory !\n"
               "\tMissing Headers Directory !\n"
               "\tAndroid requires at least one Achitecture !\n");
}

TEST(ConfigurationBuildWellFormed, EmptyBuildListsPlatformAndNameFirst) {
  COvConfigurationBuild build;
  EXPECT_STREQ(build.WellFormed(),
               "\"\" warnings : \n"
               "\tMissing Platform !\n"
               "\tMissing Configuration Name !\n"
               "\tMissing Api !\n"
               "\tMissing OVSDK Library Directory !\n"
               "\tMissing Headers Directory !\n");
}

TEST(ConfigurationBuildWellFormed, ArchitectureRuleIsCaseSensitiveAndSatisfiedByOne) {
  COvConfigurationBuild build = CompleteBuild();
  build.SetPlatform("android");
  EXPECT_TRUE(build.WellFormed().IsEmpty());
  build.SetPlatform("Android");
  EXPECT_FALSE(build.WellFormed().IsEmpty());
  build.AddArchitecture("x86");
  EXPECT_TRUE(build.WellFormed().IsEmpty());
}

TEST(ConfigurationBuildWellFormed, DistributionAndArgsAreNotRequired) {
  COvConfigurationBuild build = CompleteBuild();
  build.SetDistribution("");
  build.SetArgs("");
  EXPECT_TRUE(build.WellFormed().IsEmpty());
}
