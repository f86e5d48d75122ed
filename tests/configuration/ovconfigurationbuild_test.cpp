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

TEST(ConfigurationBuild, NameBlanksBecomeUnderscoresArgsQuotesEntitiesAndCopiesAreIndependent) {
  COvConfigurationBuild build = CompleteBuild();
  build.SetName("My Release  Build");
  EXPECT_STREQ(build.GetName(), "My_Release__Build");
  build.SetArgs("-x \"a b\"");
  EXPECT_STREQ(build.GetArgs(), "-x &quot;a b&quot;");
  build.SetArgs("-x &quot;a b&quot;");
  EXPECT_STREQ(build.GetArgs(), "-x &quot;a b&quot;");
  build.AddArchitecture("x86");
  COvConfigurationBuild copy(build);
  COvConfigurationBuild assigned;
  assigned = build;
  build.AddArchitecture("armeabi-v7a");
  build.SetName("Other");
  EXPECT_STREQ(copy.GetName(), "My_Release__Build");
  EXPECT_STREQ(assigned.GetApi(), "DX9");
  EXPECT_EQ(Architectures(copy) + Architectures(assigned), "x86;x86;");
}

TEST(ConfigurationBuild, ArchitecturesAreUniqueAndCaseSensitive) {
  COvConfigurationBuild build;
  for (const char* name : {"armeabi-v7a", "x86", "armeabi-v7a", "mips"}) build.AddArchitecture(name);
  EXPECT_EQ(Architectures(build), "armeabi-v7a;x86;mips;");
  EXPECT_EQ(build.FindArchitecture("x86"), 1);
  EXPECT_EQ(build.FindArchitecture("X86"), -1);
  build.RemoveArchitecture("X86");
  build.RemoveArchitecture("x86");
  EXPECT_EQ(Architectures(build), "armeabi-v7a;mips;");
}

TEST(ConfigurationBuild, ReadsEveryFieldAndMissingOnesAsEmpty) {
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
  build.Initialize(nullptr);  // changes nothing
  EXPECT_EQ(std::string(build.GetName()) + "|" + build.GetPlatform().GetBuffer() + "|" +
                build.GetDistribution().GetBuffer() + "|" + build.GetApi().GetBuffer() + "|" +
                build.GetHeaderPath().GetBuffer() + "|" + build.GetLibraryPath().GetBuffer() + "|" +
                build.GetArgs().GetBuffer(),
            "My_Build|Android|Store|OpenGLES2|sdk\\include|sdk\\lib|-x &quot;a b&quot;");
  EXPECT_EQ(Architectures(build), "armeabi-v7a;x86;");
  build.Initialize(ParseXml(tree, "<build name=\"Bare\"/>"));
  EXPECT_STREQ(build.GetName(), "Bare");
  EXPECT_TRUE(build.GetPlatform().IsEmpty() && build.GetLibraryPath().IsEmpty() && build.GetArgs().IsEmpty());
  EXPECT_EQ(Architectures(build), "");
}

TEST(ConfigurationBuild, WellFormedListsEveryMissingField) {
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
