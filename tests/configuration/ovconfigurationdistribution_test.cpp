#include "configuration/ovconfigurationdistribution.h"

#include <gtest/gtest.h>

#include "configuration_test_support.h"

namespace {

COvConfigurationDistribution ReadDistribution(const char* xml) {
  COvScriptTree tree;
  COvConfigurationDistribution distrib;
  COvScriptTreeNode* node = ParseXml(tree, xml);
  EXPECT_NE(node, nullptr) << xml;
  distrib.Initialize(node);
  return distrib;
}

}  // namespace

TEST(ConfigurationDistributionFields, SettersStoreTextsAndAccountLosesBlanks) {
  COvConfigurationDistribution distrib;
  distrib.SetName("Store");
  distrib.SetDistribution("Steam");
  distrib.SetSteamBuildersPath("tools\\ContentBuilder");
  distrib.SetSteamAccount("build bot");
  distrib.SetSteamPassword("pass word");
  distrib.SetAppID("1000");
  distrib.SetDesc("Release build");
  distrib.SetDepotID("1001");
  EXPECT_STREQ(distrib.GetName(), "Store");
  EXPECT_STREQ(distrib.GetDistribution(), "Steam");
  EXPECT_STREQ(distrib.GetSteamBuildersPath(), "tools\\ContentBuilder");
  EXPECT_STREQ(distrib.GetSteamAccount(), "build_bot");
  EXPECT_STREQ(distrib.GetSteamPassword(), "pass word");
  EXPECT_STREQ(distrib.GetAppID(), "1000");
  EXPECT_STREQ(distrib.GetDesc(), "Release build");
  EXPECT_STREQ(distrib.GetDepotID(), "1001");

  COvConfigurationDistribution copy(distrib);
  COvConfigurationDistribution assigned;
  assigned = distrib;
  distrib.SetAppID("2000");
  EXPECT_STREQ(copy.GetAppID(), "1000");
  EXPECT_STREQ(assigned.GetDepotID(), "1001");
}

TEST(ConfigurationDistributionCompatibility, SteamServesTheDesktopPlatforms) {
  COvConfigurationDistribution distrib;
  distrib.SetDistribution("Steam");
  for (const char* platform : {"Windows", "Linux", "Mac"}) {
    SCOPED_TRACE(platform);
    EXPECT_TRUE(distrib.IsCompatibleWith(platform));
  }
  for (const char* platform : {"windows", "iOS", "Android", ""}) {
    SCOPED_TRACE(platform);
    EXPECT_FALSE(distrib.IsCompatibleWith(platform));
  }
}

TEST(ConfigurationDistributionCompatibility, OtherKindsServeNothing) {
  for (const char* kind : {"steam", "Zip", "Windows", ""}) {
    SCOPED_TRACE(kind);
    COvConfigurationDistribution distrib;
    distrib.SetDistribution(kind);
    EXPECT_FALSE(distrib.IsCompatibleWith("Windows"));
  }
}

TEST(ConfigurationDistributionRead, ReadsAttributesAndSteamChildren) {
  COvConfigurationDistribution distrib = ReadDistribution(
      "<Distrib NAME=\"Store\" distribution=\"Steam\">"
      "<SteamBuildersPath Value=\"tools\\ContentBuilder\"/><steamaccount value=\"build bot\"/>"
      "<SteamPassword Value=\"p &amp; w\"/><AppID Value=\"1000\"/><Desc Value=\"first\"/>"
      "<DepotID Value=\"1001\"/><Unknown Value=\"x\"/><Desc Value=\"second\"/></Distrib>");
  EXPECT_STREQ(distrib.GetName(), "Store");
  EXPECT_STREQ(distrib.GetDistribution(), "Steam");
  EXPECT_STREQ(distrib.GetSteamBuildersPath(), "tools\\ContentBuilder");
  EXPECT_STREQ(distrib.GetSteamAccount(), "build_bot");
  EXPECT_STREQ(distrib.GetSteamPassword(), "p & w");
  EXPECT_STREQ(distrib.GetAppID(), "1000");
  EXPECT_STREQ(distrib.GetDesc(), "second");
  EXPECT_STREQ(distrib.GetDepotID(), "1001");
}

TEST(ConfigurationDistributionRead, AbsentChildrenKeepTheCurrentValues) {
  COvConfigurationDistribution distrib;
  distrib.SetAppID("1000");
  COvScriptTree tree;
  distrib.Initialize(ParseXml(tree, "<distrib name=\"Zip\" distribution=\"Zip\"/>"));
  EXPECT_STREQ(distrib.GetName(), "Zip");
  EXPECT_STREQ(distrib.GetAppID(), "1000");
  distrib.Initialize(nullptr);
  EXPECT_STREQ(distrib.GetName(), "Zip");
}

TEST(ConfigurationDistributionWrite, ZipStillWritesTheSixSteamChildren) {
  COvConfigurationDistribution distrib;
  distrib.SetName("Archive");
  distrib.SetDistribution("Zip");
  EXPECT_EQ(DumpNode(distrib.ToCOvScriptTreeNode()),
            "<distrib name=\"Archive\" distribution=\"Zip\">\n"
            "    <steambuilderspath value=\"\"/>\n"
            "    <steamaccount value=\"\"/>\n"
            "    <steampassword value=\"\"/>\n"
            "    <appid value=\"\"/>\n"
            "    <desc value=\"\"/>\n"
            "    <depotid value=\"\"/>\n"
            "</distrib>\n");
}

TEST(ConfigurationDistributionWrite, WrittenNodeReadsBackEqual) {
  COvConfigurationDistribution distrib;
  distrib.SetName("Store");
  distrib.SetDistribution("Steam");
  distrib.SetSteamBuildersPath("builder");
  distrib.SetSteamAccount("bot");
  distrib.SetSteamPassword("p&ss\"<word>");
  distrib.SetAppID("1");
  distrib.SetDesc("d");
  distrib.SetDepotID("2");
  COvScriptTreeNode* node = distrib.ToCOvScriptTreeNode();
  COvConfigurationDistribution copy;
  copy.Initialize(node);
  node->Empty();
  delete node;
  EXPECT_STREQ(copy.GetSteamBuildersPath(), "builder");
  EXPECT_STREQ(copy.GetSteamAccount(), "bot");
  EXPECT_STREQ(copy.GetSteamPassword(), "p&ss\"<word>");
  EXPECT_STREQ(copy.GetAppID(), "1");
  EXPECT_STREQ(copy.GetDesc(), "d");
  EXPECT_STREQ(copy.GetDepotID(), "2");
}

TEST(ConfigurationDistributionWellFormed, ListsNameAndKind) {
  COvConfigurationDistribution distrib;
  EXPECT_STREQ(distrib.WellFormed(), "\"\" warnings : \n\tMissing Name !\n\tMissing Distribution !\n");
  distrib.SetName("Store");
  EXPECT_STREQ(distrib.WellFormed(), "\"Store\" warnings : \n\tMissing Distribution !\n");
  distrib.SetDistribution("Steam");
  EXPECT_TRUE(distrib.WellFormed().IsEmpty());
}
