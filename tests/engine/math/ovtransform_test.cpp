#include "engine/math/ovtransform.h"

#include <gtest/gtest.h>

#include "engine/math/math_test_util.h"

TEST(OvTransform, MatrixFormCompositionAndInverse) {
  COvRandom rng(81);
  for (int n = 0; n < 20; ++n) {
    COvTransform t[2];
    for (COvTransform& x : t) {
      float s = rng.Range(0.5f, 2);
      x = COvTransform(RandomPoint(rng, 4), rng.UnitQuaternion(), COvVector3(s, n % 2 ? s : 1.5f, s));
    }
    COvVector3 p = RandomPoint(rng, 3);
    EXPECT_VEC_NEAR(t[0].getMatrix().transformPoint(p), t[0].transformPoint(p), 1e-4f);
    COvTransform back(t[0].getMatrix());
    EXPECT_VEC_NEAR(t[0].scale, back.scale, 1e-4f);
    EXPECT_VEC_NEAR(t[0].transformPoint(p), back.transformPoint(p), 1e-4f);
    if (n % 2 == 0) continue;  // composition and inversion are exact for uniform scales
    EXPECT_VEC_NEAR(t[1].transformPoint(t[0].transformPoint(p)), t[0].combine(t[1]).transformPoint(p), 1e-3f);
    EXPECT_VEC_NEAR(p, t[0].getInverse().transformPoint(t[0].transformPoint(p)), 1e-4f);
  }
  COvMatrix44 mirror;
  mirror.makeScale(COvVector3(-2, 1, 1));
  EXPECT_VEC_NEAR(COvVector3(-2, 1, 1), COvTransform(mirror).transformPoint(COvVector3(1, 1, 1)), 1e-5f);
  COvTransform mid = COvTransform::blend(COvTransform(), COvTransform(COvVector3(4, 0, 0), COvQuaternion(), COvVector3(3, 3, 3)), 0.5f);
  EXPECT_TRUE(mid.position == COvVector3(2, 0, 0) && mid.scale == COvVector3(2, 2, 2));
  EXPECT_EQ(COvVector3(0, 0.5f, 1), COvTransform(COvVector3(), COvQuaternion(), COvVector3(0, 2, 1)).getInverse().scale);
}
