#include "configuration/ovconfigurationdistribution.h"

#include <gtest/gtest.h>

#include <string>

#include "configuration_test_support.h"

// Both names are compared with their case; the manager's lookup shows Android left out.
TEST(ConfigurationDistributionCompatibility, OnlySteamServesTheDesktopPlatforms) {
  const struct {
    const char* kind;
    const char* platform;
    bool compatible;
  } cases[] = {
      {"Steam", "Windows", true},  {"Steam", "Linux", true},    {"Steam", "Mac", true},
      {"Steam", "windows", false}, {"steam", "Windows", false}, {"Zip", "Windows", false},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(std::string(test.kind) + " " + test.platform);
    COvConfigurationDistribution distrib;
    distrib.SetDistribution(test.kind);
    EXPECT_EQ(distrib.IsCompatibleWith(test.platform), test.compatible);
  }
}

TEST(ConfigurationDistribution, ReadsAttributesAndSteamChildrenKeepingValuesOfAbsentOnes) {
  COvScriptTree tree;
  COvConfigurationDistribution distrib;
  distrib.Initialize(
      ParseXml(tree,
               "<Distrib NAME=\"Store\" distribution=\"Steam\">"
               "<SteamBuildersPath Value=\"tools\\ContentBuilder\"/><steamaccount value=\"build bot\"/>"
               "<SteamPassword Value=\"p &amp; w\"/><AppID Value=\"1000\"/><Desc Value=\"first\"/>"
               "<DepotID Value=\"1001\"/><Unknown Value=\"x\"/><Desc Value=\"second\"/></Distrib>"));
  distrib.Initialize(ParseXml(tree, "<distrib name=\"Zip\" distribution=\"Zip\"/>"));
  distrib.Initialize(nullptr);
  EXPECT_EQ(std::string(distrib.GetName()) + "|" + distrib.GetDistribution().GetBuffer() + "|" +
                distrib.GetSteamBuildersPath().GetBuffer() + "|" + distrib.GetSteamAccount().GetBuffer() +
                "|" + distrib.GetSteamPassword().GetBuffer() + "|" + distrib.GetAppID().GetBuffer() + "|" +
                distrib.GetDesc().GetBuffer() + "|" + distrib.GetDepotID().GetBuffer(),
            "Zip|Zip|tools\\ContentBuilder|build_bot|p & w|1000|second|1001");
}

// The six Steam children are written for every kind (the manager's example file pins them).
TEST(ConfigurationDistribution, WellFormedListsNameAndKind) {
  COvConfigurationDistribution distrib;
  EXPECT_STREQ(distrib.WellFormed(), "\"\" warnings : \n\tMissing Name !\n\tMissing Distribution !\n");
  distrib.SetName("Archive");
  EXPECT_STREQ(distrib.WellFormed(), "\"Archive\" warnings : \n\tMissing Distribution !\n");
  distrib.SetDistribution("Zip");
  EXPECT_TRUE(distrib.WellFormed().IsEmpty());
}
