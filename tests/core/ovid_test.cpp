#include "core/ovid.h"

#include <gtest/gtest.h>

#include <set>

TEST(OVID, MixedCaseNamesAreRegisteredLowerCase) {
  const OVID& ids = OVID::GetSingleton();
  EXPECT_STREQ("p1adjacent", ids.p1adjacent.DebugCString());
  EXPECT_STREQ("pinx", ids.pinx.DebugCString());
  EXPECT_EQ(COvIdentifier("POUTZ"), ids.poutz);
}

TEST(OVID, NamesUsedByTheFileFormatsAreKnown) {
  const OVID& ids = OVID::GetSingleton();
  EXPECT_STREQ("name", ids.name.DebugCString());
  EXPECT_STREQ("type", ids.type.DebugCString());
  EXPECT_STREQ("red", ids.red.DebugCString());
  EXPECT_STREQ("projectconfig", ids.projectconfig.DebugCString());
  EXPECT_STREQ("architecture", ids.architecture.DebugCString());
  EXPECT_STREQ("androidkeystorepwd", ids.androidkeystorepwd.DebugCString());
  EXPECT_STREQ("project_settings", ids.project_settings.DebugCString());
  EXPECT_STREQ("state_transition_list", ids.state_transition_list.DebugCString());
  EXPECT_STREQ("stringtable_entry", ids.stringtable_entry.DebugCString());
  // Found through the registry by CRC alone once OVID exists.
  EXPECT_STREQ("headerpath", COvIdentifier(CreateCrc64("headerpath", 10)).GetDebugName());
}

TEST(OVID, EveryMemberIsADistinctName) {
  const OVID& ids = OVID::GetSingleton();
  std::set<COvIdentifier> seen;
  for (int i = 0; i < OVID::GetCount(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(seen.insert(ids.GetByIndex(i)).second) << ids.GetByIndex(i).DebugCString();
  }
}
