#include "project/ovprojectsettings.h"

#include <gtest/gtest.h>

#include <string>

#include "project/ovprojectsettingsconsole.h"
#include "project/ovprojectsettingsdesktop.h"
#include "project/ovprojectsettingsgeneral.h"
#include "project/ovprojectsettingsmobile.h"
#include "scripttree/ovscripttree.h"
#include "scripttree/ovscripttreeserializerxml.h"

namespace {

// Parses xml and loads the element below its root into group.
void LoadFromXml(COvProjectSettings& group, const char* xml) {
  COvScriptTree tree;
  COvScriptTreeSerializerXML serializer;
  ASSERT_TRUE(serializer.Parse(tree, xml));
  EXPECT_FALSE(group.SerializeFrom(tree.GetRootNode()));
}

}  // namespace

// FindChild searches the descendants only, without regard to case.
TEST(OvProjectSettingsValues, CopiesCloneTheChildrenAndInitializeResetsOwnSettingsOnly) {
  COvProjectSettingsGeneral general;
  general.SetstrProjectName("Original");
  general.SetbFrench(true);
  static_cast<COvProjectSettingsDesktop*>(general.FindChild("desktop"))->SetiWidth(640);
  COvProjectSettingsGeneral copy(general);
  COvProjectSettingsGeneral assigned;
  assigned = general;
  const COvProjectSettingsGeneral& alias = assigned;  // self-assignment must keep the tree
  assigned = alias;
  general.Initialize();
  EXPECT_EQ(nullptr, general.FindChild("General"));
  EXPECT_EQ(nullptr, general.FindChild("mobile")->FindChild("desktop"));
  EXPECT_FALSE(general.FindChild("mobile")->SerializeTo(nullptr, nullptr));
  EXPECT_STREQ("", general.GetstrProjectName());
  EXPECT_FALSE(general.GetbFrench());
  EXPECT_EQ(640, static_cast<COvProjectSettingsDesktop*>(general.FindChild("desktop"))->GetiWidth());
  for (COvProjectSettingsGeneral* clone : {&copy, &assigned}) {
    EXPECT_STREQ("Original", clone->GetstrProjectName());
    ASSERT_EQ(3, clone->GetChildCount());
    EXPECT_NE(general.GetChild(0), clone->GetChild(0));
    auto* desktop = static_cast<COvProjectSettingsDesktop*>(clone->FindChild("desktop"));
    EXPECT_EQ(&COvProjectSettingsDesktop::TYPE, desktop->GetRtti());
    EXPECT_EQ(640, desktop->GetiWidth());
    EXPECT_EQ(clone->FindChild("mobile")->GetChild(1), clone->FindChild("ios"));
    EXPECT_EQ(&COvProjectSettingsXOne::TYPE, clone->FindChild("XBOXONE")->GetRtti());
  }
}

TEST(OvProjectSettingsLoad, ReadsSettingsOfEveryKindInGroupsAtAnyDepthAndSkipsTheRest) {
  COvProjectSettingsGeneral general;
  general.SetstrIconPath("kept.png");
  general.SetstrSplashscreenPath("old.png");
  general.SetiVErsionMinor(5);
  EXPECT_FALSE(general.SerializeFrom(nullptr));
  EXPECT_EQ(5, general.GetiVErsionMinor());
  // android directly under general, and general nested in itself.
  LoadFromXml(
      general,
      "<project_settings><general>"
      "<setting name='generalName' value='Demo'/><setting name='generalMajor' value='12'/>"
      "<setting name='French' value='true'/><setting name='German' value='True'/>"
      "<setting name='Italian' value='yes'/><setting name='generalLocalMultiplayer' value='1'/>"
      "<desktop><setting name='desktopWidth' value='1920'/></desktop>"
      "<android><setting name='androidSdkId' value='21'/></android>"
      "<mobile><android><setting name='androidKeyStore' value='keys/game.keystore'/></android></mobile>"
      "<general><general><setting name='generalTmp' value='tmp'/></general></general>"
      // Skipped: unknown content, and a desktop setting written in the general element.
      "<setting name='unknownSetting' value='x'/><setting value='no name'/>"
      "<nintendo><setting name='generalName' value='Lost'/></nintendo><setting name='desktopWidth' value='99'/>"
      "<setting name='generalMinor'/><setting name='generalSplashscreen'/>text content"
      "</general></project_settings>");
  EXPECT_STREQ("Demo", general.GetstrProjectName());
  EXPECT_EQ(12, general.GetiVErsionMajor());
  EXPECT_TRUE(general.GetbFrench());
  EXPECT_FALSE(general.GetbGerman() || general.GetbItalian() || general.GetbRecording());
  EXPECT_TRUE(general.GetbLocalMultiplayer());
  EXPECT_STREQ("tmp", general.GetstrProjectTempDirectory());
  EXPECT_EQ(1920, static_cast<COvProjectSettingsDesktop*>(general.FindChild("desktop"))->GetiWidth());
  auto* android = static_cast<COvProjectSettingsAndroid*>(general.FindChild("android"));
  EXPECT_EQ(21, android->GetandroidSdkVersion());
  EXPECT_STREQ("keys/game.keystore", android->GetandroidKeyStore());
  // Settings absent from the file keep their values; one without a value is reset.
  EXPECT_STREQ("kept.png", general.GetstrIconPath());
  EXPECT_EQ(0, general.GetiVErsionMinor());
  EXPECT_STREQ("", general.GetstrSplashscreenPath());
}
