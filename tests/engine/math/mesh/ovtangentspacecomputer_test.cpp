#include "engine/math/mesh/ovtangentspacecomputer.h"

#include <gtest/gtest.h>

#include "engine/math/math_test_util.h"

namespace {

void ExpectOrthonormal(const COvTriangleBasis& b) {
  EXPECT_NEAR(1.0f, b.tangent.length() * b.binormal.length() * b.normal.length(), 1e-5f);
  EXPECT_NEAR(0.0f, std::fabs(b.tangent.dot(b.normal)) + std::fabs(b.binormal.dot(b.normal)), 1e-5f);
  EXPECT_NEAR(0.0f, b.tangent.dot(b.binormal), 1e-5f);
}

}  // namespace

TEST(OvTangentSpaceComputer, FramesFollowTheTextureDirections) {
  // A unit quad in the plane z = x, u along the slope and v along Y; mirrored reverses u.
  const COvVector3 pos[4] = {COvVector3(0, 0, 0), COvVector3(1, 0, 1), COvVector3(1, 1, 1), COvVector3(0, 1, 0)};
  const COvTriangle tris[2] = {COvTriangle(0, 1, 2), COvTriangle(0, 2, 3)};
  COvVector3 slope = COvVector3(1, 0, 1).getNormalized();
  for (bool mirrored : {false, true}) {
    SCOPED_TRACE(mirrored);
    COvTriangleVertex v[4];
    for (int i = 0; i < 4; ++i) {
      float u = (i == 1 || i == 2) ? 1.0f : 0.0f;
      v[i] = COvTriangleVertex(pos[i], i == 0 ? COvVector3() : COvVector3(-1, 0, 1),
                               COvVector2(mirrored ? 1 - u : u, i >= 2 ? 1.0f : 0.0f));
    }
    COvArray<COvTriangleBasis> bases;
    ASSERT_TRUE(COvTangentSpaceComputer().Compute(v, 4, tris, 2, bases));
    ASSERT_EQ(4, bases.GetCount());
    for (const COvTriangleBasis& b : bases) {
      ExpectOrthonormal(b);
      EXPECT_VEC_NEAR(mirrored ? -slope : slope, b.tangent, 1e-5f);
      EXPECT_VEC_NEAR(COvVector3(0, 1, 0), b.binormal, 1e-5f);
      EXPECT_EQ(mirrored ? -1.0f : 1.0f, b.handedness);
    }
    EXPECT_VEC_NEAR(COvVector3(-1, 0, 1).getNormalized(), bases[0].normal, 1e-5f);  // from the faces
  }
}

TEST(OvTangentSpaceComputer, RandomMeshesGiveOrthonormalFramesAndBadIndicesFail) {
  COvRandom rng(61);
  COvTriangleVertex v[20];
  for (auto& vertex : v) vertex = COvTriangleVertex(RandomPoint(rng, 2), rng.UnitVector3(), RandomPoint2(rng, 1));
  COvTriangle tris[15];
  for (auto& t : tris) t = COvTriangle(rng.RangeInt(0, 18), rng.RangeInt(0, 18), rng.RangeInt(0, 18));
  COvArray<COvTriangleBasis> bases;
  ASSERT_TRUE(COvTangentSpaceComputer().Compute(v, 20, tris, 15, bases));
  for (const COvTriangleBasis& b : bases) ExpectOrthonormal(b);
  EXPECT_VEC_NEAR(v[19].normal, bases[19].normal, 1e-5f);  // unused vertex
  for (int bad : {20, -1}) {
    tris[3][1] = bad;
    EXPECT_FALSE(COvTangentSpaceComputer().Compute(v, 20, tris, 15, bases));
    EXPECT_EQ(0, bases.GetCount());
  }
}
