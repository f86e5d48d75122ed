#include "engine/math/shape/ovfrustum.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/math/math_test_util.h"

TEST(OvFrustum3, ContainsExactlyThePointsThatProjectIntoClipSpace) {
  COvMatrix44 view, proj;
  ASSERT_TRUE(view.makeLookAtRH(COvVector3(1, -6, 2), COvVector3(0, 0, 0), COvVector3(0, 0, 1)));
  ASSERT_TRUE(proj.makePerspectiveFovRH(1.0f, 1.5f, 0.5f, 12.0f));
  COvMatrix44 vp = view * proj;
  COvFrustum3 frustum(vp);
  COvRandom rng(6);
  int inside = 0;
  for (int n = 0; n < 2000; ++n) {
    COvVector3 p = RandomPoint(rng, 8);
    COvVector4 c = vp.transform(COvVector4(p, 1));
    float m = std::fmin(std::fmin(c.w - std::fabs(c.x), c.w - std::fabs(c.y)), std::fmin(c.z, c.w - c.z));
    if (std::fabs(m) < 1e-3f) continue;  // too near a face to tell
    inside += m > 0;
    EXPECT_EQ(m > 0, frustum.contains(p)) << n;
    // A ball around a visible point is never culled; one that misses all faces is inside.
    COvSphere s(p, 0.3f);
    if (m > 0) {
      EXPECT_NE(eFrustumOutside, frustum.classify(s));
    }
    COvAABB3 box(p - COvVector3(0.2f, 0.2f, 0.2f), p + COvVector3(0.2f, 0.2f, 0.2f));
    if (m > 0) {
      EXPECT_TRUE(frustum.intersects(box));
    }
  }
  EXPECT_GT(inside, 100);
  EXPECT_EQ(eFrustumInside, frustum.classify(COvSphere(COvVector3(0, 0, 0), 0.5f)));
  EXPECT_EQ(eFrustumIntersect, frustum.classify(COvSphere(COvVector3(0, 0, 0), 30.0f)));
  EXPECT_EQ(eFrustumOutside, frustum.classify(COvSphere(COvVector3(2, -20, 2), 1.0f)));
  EXPECT_EQ(eFrustumInside, frustum.classify(COvAABB3(COvVector3(-0.1f, -0.1f, -0.1f), COvVector3(0.1f, 0.1f, 0.1f))));
  EXPECT_EQ(eFrustumOutside, frustum.classify(COvAABB3(COvVector3(0, -30, 0), COvVector3(1, -20, 1))));
}

TEST(OvFrustum2, ContainsThePointsWithinTheAngleAndDistances) {
  COvVector2 apex(1, 2), dir(0, 3);
  COvFrustum2 f(apex, dir, 0.5f, 1.0f, 5.0f);
  COvRandom rng(8);
  for (int n = 0; n < 2000; ++n) {
    COvVector2 p = RandomPoint2(rng, 8), d = p - apex;
    float along = d.y, angle = std::atan2(std::fabs(d.x), d.y);
    if (std::fabs(angle - 0.5f) < 1e-3f || std::fabs(along - 1) < 1e-3f || std::fabs(along - 5) < 1e-3f) continue;
    bool expected = angle < 0.5f && along > 1.0f && along < 5.0f;
    EXPECT_EQ(expected, f.contains(p)) << n;
    if (expected) {
      EXPECT_TRUE(f.intersects(COvCircle(p, 0.1f)));
    }
    if (expected) {
      EXPECT_TRUE(f.intersects(COvAABB2(p, p + COvVector2(0.1f, 0.1f))));
    }
  }
  EXPECT_FALSE(f.intersects(COvCircle(COvVector2(1, -1), 1.5f)));
  EXPECT_TRUE(f.intersects(COvCircle(COvVector2(1, 0), 3.5f)));
  EXPECT_FALSE(f.intersects(COvAABB2(COvVector2(4, 0), COvVector2(6, 2))));
}
