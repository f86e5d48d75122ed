#include "engine/math/ovtransform.h"

#include <gtest/gtest.h>

#include "engine/math/math_test_util.h"

namespace {

COvTransform RandomTransform(COvRandom& rng, bool uniform) {
  float s = rng.Range(0.5f, 2);
  COvVector3 scale = uniform ? COvVector3(s, s, s) : COvVector3(s, rng.Range(0.5f, 2), rng.Range(0.5f, 2));
  return COvTransform(RandomPoint(rng, 4), rng.UnitQuaternion(), scale);
}

}  // namespace

TEST(OvTransform, MatrixFormAndDecomposition) {
  COvRandom rng(81);
  for (int n = 0; n < 20; ++n) {
    COvTransform t = RandomTransform(rng, false);
    COvMatrix44 m = t.getMatrix();
    COvVector3 p = RandomPoint(rng, 3);
    EXPECT_VEC_NEAR(m.transformPoint(p), t.transformPoint(p), 1e-4f);
    EXPECT_VEC_NEAR(m.transformVector(p), t.transformVector(p), 1e-4f);
    COvTransform back(m);
    EXPECT_VEC_NEAR(t.scale, back.scale, 1e-4f);
    EXPECT_VEC_NEAR(t.transformPoint(p), back.transformPoint(p), 1e-4f);
  }
  COvMatrix44 mirror;
  mirror.makeScale(COvVector3(-2, 1, 1));
  COvTransform m(mirror);
  EXPECT_VEC_NEAR(COvVector3(-2, 1, 1), m.transformPoint(COvVector3(1, 1, 1)), 1e-5f);
}

TEST(OvTransform, CombineAndInverseWithUniformScales) {
  COvRandom rng(82);
  for (int n = 0; n < 20; ++n) {
    COvTransform a = RandomTransform(rng, true), b = RandomTransform(rng, true);
    COvVector3 p = RandomPoint(rng, 3);
    EXPECT_VEC_NEAR(b.transformPoint(a.transformPoint(p)), a.combine(b).transformPoint(p), 1e-3f);
    EXPECT_TRUE((a.getMatrix() * b.getMatrix()).equals(a.combine(b).getMatrix(), 1e-3f));
    EXPECT_VEC_NEAR(p, a.getInverse().transformPoint(a.transformPoint(p)), 1e-4f);
  }
  COvTransform a(COvVector3(0, 0, 0), COvQuaternion(), COvVector3(1, 1, 1));
  COvTransform b(COvVector3(4, 0, 0), COvQuaternion(), COvVector3(3, 3, 3));
  COvTransform mid = COvTransform::blend(a, b, 0.5f);
  EXPECT_VEC_NEAR(COvVector3(2, 0, 0), mid.position, 1e-6f);
  EXPECT_VEC_NEAR(COvVector3(2, 2, 2), mid.scale, 1e-6f);
  COvTransform flat = COvTransform(COvVector3(1, 2, 3), COvQuaternion(), COvVector3(0, 2, 1)).getInverse();
  EXPECT_EQ(COvVector3(0, 0.5f, 1), flat.scale);
  EXPECT_EQ(COvVector3(0, -1, -3), flat.position);
}
