#include "core/ovid.h"

#include <gtest/gtest.h>

#include <set>

TEST(OVID, IsOneInstance) { EXPECT_EQ(&OVID::GetSingleton(), &OVID::GetSingleton()); }

TEST(OVID, FirstMembersFollowTheListedOrder) {
  const OVID& ids = OVID::GetSingleton();
  const char* const expected[] = {
      "",           "version", "count", "node",   "mask", "weight",        "transition_weight", "mode",
      "identifier", "far",     "near",  "global", "name", "instance_name", "property"};
  int i = 0;
  for (const char* name : expected) {
    SCOPED_TRACE(name);
    EXPECT_EQ(COvIdentifier(name), ids.GetByIndex(i++));
  }
  EXPECT_TRUE(ids.empty.IsNull());
  EXPECT_EQ(COvIdentifier("global"), ids.global);
  EXPECT_EQ(COvIdentifier("far"), ids.far_);
}

TEST(OVID, LastMembersAreTheHierarchyNames) {
  const OVID& ids = OVID::GetSingleton();
  const char* const expected[] = {"parent", "child", "point", "point_manager", "parent_point"};
  int first = OVID::GetCount() - 5;
  for (int i = 0; i < 5; ++i) EXPECT_STREQ(expected[i], ids.GetByIndex(first + i).DebugCString());
}

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
