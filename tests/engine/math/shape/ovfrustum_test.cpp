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
  EXPECT_EQ(eFrustumOutside, frustum.classify(COvAABB3(COvVector3(0, -30, 0), COvVector3(1, -20, 1))));
  EXPECT_EQ(eFrustumInside,
            frustum.classify(COvOBB3(COvVector3(), COvVector3(0.1f, 0.1f, 0.1f), COvQuaternion())));
}

TEST(OvFrustum2, ContainsThePointsWithinTheAngleAndDistances) {
  // Looking along +Y from (1, 2), half-angle 0.5, from 1 to 5: points just inside and just
  // outside each side, given by their angle from the axis and their distance from the apex.
  const COvVector2 apex(1, 2);
  const COvFrustum2 f(apex, COvVector2(0, 3), 0.5f, 1.0f, 5.0f);
  const float rows[][3] = {{0.49f, 3, 1}, {-0.49f, 3, 1}, {0.51f, 3, 0}, {-0.51f, 3, 0},
                           {0, 1.01f, 1}, {0, 0.99f, 0},  {0, 4.99f, 1}, {0, 5.01f, 0}};
  for (const auto& row : rows) {
    const COvVector2 p = apex + COvVector2(std::sin(row[0]), std::cos(row[0])) * row[1];
    EXPECT_TRUE((row[2] != 0) == f.contains(p) &&
                (row[2] == 0 || (f.intersects(COvCircle(p, 0.1f)) && f.intersects(COvAABB2(p, p)))))
        << row[0] << " " << row[1];
  }
  EXPECT_TRUE(
      !f.intersects(COvCircle(COvVector2(1, -1), 1.5f)) && f.intersects(COvCircle(COvVector2(1, 0), 3.5f)) &&
      !f.intersects(COvAABB2(COvVector2(3, 2), COvVector2(4, 3))) && !f.intersects(COvAABB2::Empty()));
}
