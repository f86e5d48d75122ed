#include "engine/math/mesh/ovskin.h"

#include <gtest/gtest.h>

#include "engine/math/math_test_util.h"

namespace {

COvMatrix44 RandomRigid(COvRandom& rng) {
  COvMatrix44 m;
  m.setRotation(rng.UnitQuaternion(), true);
  m.setTranslation(RandomPoint(rng, 3));
  return m;
}

}  // namespace

TEST(OvSkinInfluenceList, KeepsTheHeaviestInfluences) {
  COvSkinInfluenceList list;
  list.Add(7, 0.1f);
  list.Add(3, 0.4f);
  list.Add(5, 0.2f);
  list.Add(3, 0.1f);  // summed with bone 3
  list.Add(9, 0.3f);
  list.Add(2, 0.05f);  // lighter than every kept one: dropped
  list.Add(4, 0.15f);  // replaces bone 7
  list.Add(8, 0.0f);
  ASSERT_EQ(4, list.GetCount());
  list.Sort();
  const int bones[4] = {3, 9, 5, 4};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(bones[i], list[i].bone);
  EXPECT_FLOAT_EQ(0.5f, list[0].weight);
  ASSERT_TRUE(list.Normalize());
  EXPECT_FLOAT_EQ(1.0f, list.GetTotalWeight());
  EXPECT_FALSE(COvSkinInfluenceList().Normalize());
}

TEST(OvSkinMatrixLUT, SkinsFromTheBindPoseToTheCurrentPose) {
  COvRandom rng(71);
  COvMatrix44 bind[3], pose[3];
  for (int i = 0; i < 3; ++i) bind[i] = RandomRigid(rng), pose[i] = RandomRigid(rng);
  COvSkinMatrixLUT lut;
  lut.SetBoneCount(2);
  // Mesh bone 0 is skeleton bone 2, mesh bone 1 is skeleton bone 0.
  ASSERT_TRUE(lut.SetRemap(0, 2));
  ASSERT_TRUE(lut.SetRemap(1, 0));
  ASSERT_TRUE(lut.SetBindPose(0, bind[2]));
  ASSERT_TRUE(lut.SetBindPose(1, bind[0]));
  EXPECT_FALSE(lut.SetBindPose(2, bind[0]));
  EXPECT_FALSE(lut.SetBindPose(0, COvMatrix44() * 0.0f));

  // In the bind pose every vertex stays where it is.
  ASSERT_TRUE(lut.Update(bind, 3));
  COvSkinInfluenceList both;
  both.Add(0, 0.25f);
  both.Add(1, 0.75f);
  COvVector3 p = RandomPoint(rng, 2);
  EXPECT_VEC_NEAR(p, lut.SkinPoint(p, both), 1e-4f);

  // Posed: a vertex follows each bone rigidly, and a blend is the weighted mean.
  ASSERT_TRUE(lut.Update(pose, 3));
  COvMatrix44 inv2, inv0;
  ASSERT_TRUE(bind[2].getInverse(inv2));
  ASSERT_TRUE(bind[0].getInverse(inv0));
  COvVector3 by2 = pose[2].transformPoint(inv2.transformPoint(p)), by0 = pose[0].transformPoint(inv0.transformPoint(p));
  COvSkinInfluenceList one;
  one.Add(0, 1.0f);
  EXPECT_VEC_NEAR(by2, lut.SkinPoint(p, one), 1e-4f);
  EXPECT_VEC_NEAR(by2 * 0.25f + by0 * 0.75f, lut.SkinPoint(p, both), 1e-4f);
  COvVector3 n(0, 0, 1);
  EXPECT_VEC_NEAR(pose[2].transformVector(inv2.transformVector(n)), lut.SkinVector(n, one), 1e-4f);

  // A skeleton too short for the remap gives identities and a failure.
  EXPECT_FALSE(lut.Update(pose, 2));
  EXPECT_EQ(COvMatrix44(), lut.GetMatrix(0));
  EXPECT_EQ(COvMatrix44(), lut.GetMatrix(5));
}
