#include "configuration/ovconfigurationbuild.h"

#include <gtest/gtest.h>

#include <string>

#include "configuration_test_support.h"

namespace {

std::string Architectures(const COvConfigurationBuild& build) { return Names(build.GetArchitectures()); }

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

// Quotes in the args become entities: the manager's example file reads them back so.
TEST(ConfigurationBuild, NameBlanksBecomeUnderscoresAndCopiesAreIndependent) {
  COvConfigurationBuild build = CompleteBuild();
  build.SetName("My Release  Build");
  EXPECT_STREQ(build.GetName(), "My_Release__Build");
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

// Every field read and written back is pinned by the manager's example and hand-edited files;
// here the odd cases.
TEST(ConfigurationBuild, ReadsEachArchitectureOnceAndMissingFieldsAsEmpty) {
  COvScriptTree tree;
  COvConfigurationBuild build;
  build.Initialize(
      ParseXml(tree,
               "<Build Name=\"My Build\" Platform=\"Android\" Distribution=\"Store\" Args=\"-x\">"
               "<Architecture Name=\"armeabi-v7a\"/><Other Name=\"mips\"/>"
               "<architecture name=\"x86\"/><ARCHITECTURE NAME=\"armeabi-v7a\"/></Build>"));
  build.Initialize(nullptr);  // changes nothing
  EXPECT_EQ(std::string(build.GetName()) + "|" + build.GetDistribution().GetBuffer(), "My_Build|Store");
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
