#include "engine/math/shape/ovfrustum.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/math/math_test_util.h"

TEST(OvFrustum3, ContainsExactlyThePointsThatProjectIntoClipSpace) {
  COvMatrix44 view, proj;
  ASSERT_TRUE(view.makeLookAtRH(COvVector3(1, -6, 2), COvVector3(0, 0, 0), COvVector3(0, 0, 1)));
  ASSERT_TRUE(proj.makePerspectiveFovRH(1.0f, 1.5f, 0.5f, 12.0f));
  COvMatrix44 vp = view * proj;
  COvFrustum3 frustum;  // the camera's planes, checked against its matrices below
  ASSERT_TRUE(frustum.setFromCamera(COvVector3(1, -6, 2), COvVector3(0, 0, 0), COvVector3(0, 0, 1), 1.0f,
                                    1.5f, 0.5f, 12));
  // The corners go to the corners of clip space; points just inside and just outside each
  // corner tell the planes' sides, and shapes around a visible point are never culled.
  COvVector3 corners[8], middle;
  ASSERT_TRUE(frustum.getCorners(corners));
  for (const COvVector3& c : corners) middle += c * 0.125f;
  for (int i = 0; i < 8; ++i) {
    COvVector4 c = vp.transform(COvVector4(corners[i], 1));
    EXPECT_VEC_NEAR(COvVector3(i & 1 ? 1 : -1, i & 2 ? 1 : -1, i & 4 ? 1 : 0), c.getXYZ() / c.w, 1e-3f);
    const COvVector3 in = corners[i] + (middle - corners[i]) * 0.01f,
                     out = corners[i] * 1.01f - middle * 0.01f;
    EXPECT_TRUE(
        frustum.contains(in) && !frustum.contains(out) &&
        frustum.classify(COvSphere(in, 0.3f)) == eFrustumIntersect &&
        frustum.intersects(COvAABB3(in - COvVector3(0.2f, 0.2f, 0.2f), in)) &&
        frustum.intersects(COvOBB3(in, COvVector3(0.1f, 0.3f, 0.2f), COvQuaternion(0.6f, 0, 0, 0.8f))))
        << i;
  }
  EXPECT_EQ(eFrustumInside, frustum.classify(COvSphere(COvVector3(0, 0, 0), 0.5f)));
  EXPECT_EQ(eFrustumIntersect, frustum.classify(COvSphere(COvVector3(0, 0, 0), 30.0f)));
  EXPECT_EQ(eFrustumOutside, frustum.classify(COvAABB3(COvVector3(0, -30, 0), COvVector3(1, -20, 1))));
  EXPECT_EQ(eFrustumInside,
            frustum.classify(COvOBB3(COvVector3(), COvVector3(0.1f, 0.1f, 0.1f), COvQuaternion())));
}

TEST(OvFrustum2, ContainsThePointsWithinTheAngleAndDistances) {
  COvVector2 apex(1, 2);
  COvFrustum2 f(apex, COvVector2(0, 3), 0.5f, 1.0f, 5.0f);
  COvRandom rng(8);
  for (int n = 0; n < 2000; ++n) {
    COvVector2 p = RandomPoint2(rng, 8), d = p - apex;
    float angle = std::atan2(std::fabs(d.x), d.y);
    if (std::fabs(angle - 0.5f) < 1e-3f || std::fabs(d.y - 1) < 1e-3f || std::fabs(d.y - 5) < 1e-3f) continue;
    bool expected = angle < 0.5f && d.y > 1.0f && d.y < 5.0f;
    EXPECT_EQ(expected, f.contains(p)) << n;
    EXPECT_TRUE(!expected || (f.intersects(COvCircle(p, 0.1f)) && f.intersects(COvAABB2(p, p))));
  }
  EXPECT_FALSE(f.intersects(COvCircle(COvVector2(1, -1), 1.5f)));
  EXPECT_TRUE(f.intersects(COvCircle(COvVector2(1, 0), 3.5f)));
}
