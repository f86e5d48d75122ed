#include "configuration/ovconfigurationbuild.h"

#include <gtest/gtest.h>

#include <string>

#include "configuration_test_support.h"

namespace {

std::string Architectures(const COvConfigurationBuild& build) {
  std::string text;
  for (const TOvString<char>& name : build.GetArchitectures()) text += std::string(name.GetBuffer()) + ";";
  return text;
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

TEST(ConfigurationBuildFields, NameBlanksBecomeUnderscoresAndArgsQuotesEntities) {
  COvConfigurationBuild build;
  build.SetName("My Release  Build");
  EXPECT_STREQ(build.GetName(), "My_Release__Build");
  build.SetArgs("-x \"a b\"");
  EXPECT_STREQ(build.GetArgs(), "-x &quot;a b&quot;");
  build.SetArgs("-x &quot;a b&quot;");
  EXPECT_STREQ(build.GetArgs(), "-x &quot;a b&quot;");
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
  EXPECT_EQ(Architectures(copy), "x86;");
  EXPECT_EQ(Architectures(assigned), "x86;");
}

TEST(ConfigurationBuildArchitectures, AddFindAndRemove) {
  COvConfigurationBuild build;
  for (const char* name : {"armeabi-v7a", "x86", "armeabi-v7a", "mips"}) build.AddArchitecture(name);
  EXPECT_EQ(Architectures(build), "armeabi-v7a;x86;mips;");
  EXPECT_EQ(build.FindArchitecture("x86"), 1);
  EXPECT_EQ(build.FindArchitecture("X86"), -1);
  build.RemoveArchitecture("X86");
  build.RemoveArchitecture("x86");
  EXPECT_EQ(Architectures(build), "armeabi-v7a;mips;");
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
  EXPECT_EQ(Architectures(build), "armeabi-v7a;x86;");
}

TEST(ConfigurationBuildRead, MissingAttributesReadAsEmptyAndNullNodeChangesNothing) {
  COvScriptTree tree;
  COvScriptTreeNode* node = ParseXml(tree, "<build name=\"Bare\"/>");
  ASSERT_NE(node, nullptr);
  COvConfigurationBuild build = CompleteBuild();
  build.Initialize(nullptr);
  EXPECT_STREQ(build.GetName(), "Release");
  build.AddArchitecture("x86");
  build.Initialize(node);
  EXPECT_STREQ(build.GetName(), "Bare");
  EXPECT_TRUE(build.GetPlatform().IsEmpty());
  EXPECT_TRUE(build.GetLibraryPath().IsEmpty());
  EXPECT_EQ(Architectures(build), "");
}

TEST(ConfigurationBuildWellFormed, ListsEveryMissingField) {
  COvConfigurationBuild android;
  android.SetName("Test");
  android.SetPlatform("Android");
  COvConfigurationBuild lowerAndroid = CompleteBuild();
  lowerAndroid.SetPlatform("android");  // the architecture rule is case-sensitive
  COvConfigurationBuild withArchitecture = CompleteBuild();
  withArchitecture.SetPlatform("Android");
  withArchitecture.AddArchitecture("x86");
  const struct {
    COvConfigurationBuild build;
    const char* warnings;
  } cases[] = {
      {CompleteBuild(), ""},
      {lowerAndroid, ""},
      {withArchitecture, ""},
      {android,
       "\"Test\" warnings : \n\tMissing Api !\n\tMissing OVSDK Library Directory !\n"
       "\tMissing Headers Directory !\n\tAndroid requires at least one Achitecture !\n"},
      {COvConfigurationBuild(),
       "\"\" warnings : \n\tMissing Platform !\n\tMissing Configuration Name !\n\tMissing Api !\n"
       "\tMissing OVSDK Library Directory !\n\tMissing Headers Directory !\n"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.warnings);
    EXPECT_STREQ(test.build.WellFormed(), test.warnings);
  }
}
