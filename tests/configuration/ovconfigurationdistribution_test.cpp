#include "configuration/ovconfigurationdistribution.h"

#include <gtest/gtest.h>

#include <string>

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

TEST(ConfigurationDistributionCompatibility, OnlySteamServesTheDesktopPlatforms) {
  const struct {
    const char* kind;
    const char* platform;
    bool compatible;
  } cases[] = {
      {"Steam", "Windows", true}, {"Steam", "Linux", true},    {"Steam", "Mac", true},
      {"Steam", "windows", false}, {"Steam", "iOS", false},    {"Steam", "Android", false},
      {"Steam", "", false},        {"steam", "Windows", false}, {"Zip", "Windows", false},
      {"", "Windows", false},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(std::string(test.kind) + " " + test.platform);
    COvConfigurationDistribution distrib;
    distrib.SetDistribution(test.kind);
    EXPECT_EQ(distrib.IsCompatibleWith(test.platform), test.compatible);
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

TEST(ConfigurationDistributionWellFormed, ListsNameAndKind) {
  COvConfigurationDistribution distrib;
  EXPECT_STREQ(distrib.WellFormed(), "\"\" warnings : \n\tMissing Name !\n\tMissing Distribution !\n");
  distrib.SetName("Store");
  EXPECT_STREQ(distrib.WellFormed(), "\"Store\" warnings : \n\tMissing Distribution !\n");
  distrib.SetDistribution("Steam");
  EXPECT_TRUE(distrib.WellFormed().IsEmpty());
}
