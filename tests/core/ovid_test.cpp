#include "core/ovid.h"

#include <gtest/gtest.h>

#include <set>

TEST(OVID, MembersAreDistinctLowerCaseNamesKnownToTheRegistry) {
  const OVID& ids = OVID::GetSingleton();
  EXPECT_STREQ("p1adjacent", ids.p1adjacent.DebugCString());
  EXPECT_EQ(COvIdentifier("POUTZ"), ids.poutz);
  EXPECT_STREQ("state_transition_list", ids.state_transition_list.DebugCString());
  // Found through the registry by CRC alone once OVID exists.
  EXPECT_STREQ("headerpath", COvIdentifier(CreateCrc64("headerpath", 10)).GetDebugName());
  std::set<COvIdentifier> seen;
  for (int i = 0; i < OVID::GetCount(); ++i)
    EXPECT_TRUE(seen.insert(ids.GetByIndex(i)).second) << ids.GetByIndex(i).DebugCString();
}
