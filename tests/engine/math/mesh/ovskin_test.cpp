#include "engine/math/mesh/ovskin.h"

#include <gtest/gtest.h>

#include "engine/math/math_test_util.h"

TEST(OvSkinInfluenceList, KeepsTheHeaviestInfluences) {
  COvSkinInfluenceList list;
  // Bone 3 is added twice (summed); 2 is lighter than every kept one; 4 replaces 7; 8 weighs 0.
  const COvSkinInfluence added[] = {{7, 0.1f}, {3, 0.4f}, {5, 0.2f}, {3, 0.1f}, {9, 0.3f}, {2, 0.05f}, {4, 0.15f}, {8, 0}};
  for (const auto& influence : added) list.Add(influence.bone, influence.weight);
  ASSERT_EQ(4, list.GetCount());
  list.Sort();
  const COvSkinInfluence expected[] = {{3, 0.5f}, {9, 0.3f}, {5, 0.2f}, {4, 0.15f}};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(expected[i], list[i]);
  ASSERT_TRUE(list.Normalize());
  EXPECT_FLOAT_EQ(1.0f, list.GetTotalWeight());
  EXPECT_FALSE(COvSkinInfluenceList().Normalize());
}

TEST(OvSkinMatrixLUT, SkinsFromTheBindPoseToTheCurrentPose) {
  COvRandom rng(71);
  COvMatrix44 bind[3], pose[3], inv[3];
  for (int i = 0; i < 6; ++i) {
    COvMatrix44& m = i < 3 ? bind[i] : pose[i - 3];
    m.setRotation(rng.UnitQuaternion(), true);
    m.setTranslation(RandomPoint(rng, 3));
  }
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(bind[i].getInverse(inv[i]));
  COvSkinMatrixLUT lut;
  lut.SetBoneCount(2);
  // Mesh bone 0 is skeleton bone 2, mesh bone 1 is skeleton bone 0.
  ASSERT_TRUE(lut.SetRemap(0, 2) && lut.SetRemap(1, 0) && lut.SetBindPose(0, bind[2]) && lut.SetBindPose(1, bind[0]));
  EXPECT_FALSE(lut.SetBindPose(2, bind[0]));
  EXPECT_FALSE(lut.SetBindPose(0, COvMatrix44() * 0.0f));
  COvSkinInfluenceList one, both;
  one.Add(0, 1.0f);
  both.Add(0, 0.25f), both.Add(1, 0.75f);
  COvVector3 p = RandomPoint(rng, 2), n(0, 0, 1);
  ASSERT_TRUE(lut.Update(bind, 3));
  EXPECT_VEC_NEAR(p, lut.SkinPoint(p, both), 1e-4f);  // the bind pose moves nothing
  ASSERT_TRUE(lut.Update(pose, 3));
  COvVector3 by2 = pose[2].transformPoint(inv[2].transformPoint(p)), by0 = pose[0].transformPoint(inv[0].transformPoint(p));
  EXPECT_VEC_NEAR(by2, lut.SkinPoint(p, one), 1e-4f);
  EXPECT_VEC_NEAR(by2 * 0.25f + by0 * 0.75f, lut.SkinPoint(p, both), 1e-4f);
  EXPECT_VEC_NEAR(pose[2].transformVector(inv[2].transformVector(n)), lut.SkinVector(n, one), 1e-4f);
  // A skeleton too short for the remap gives identities and a failure.
  EXPECT_FALSE(lut.Update(pose, 2));
  EXPECT_EQ(COvMatrix44(), lut.GetMatrix(0));
}
