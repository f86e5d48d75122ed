// Delaunay triangulation, tangent frames and skinning tables.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/math/math_test_util.h"
#include "engine/math/mesh/ovskin.h"
#include "engine/math/mesh/ovtangentspacecomputer.h"
#include "engine/math/mesh/ovtriangledelaunay.h"
#include "engine/math/shape/ovtriangleshape.h"

// Checks that no point is inside a triangle's circumcircle, that the triangles run
// counter-clockwise and that they tile the hull's area.
static void ExpectDelaunay(const std::vector<COvVector2>& pts, const COvTriangleDelaunay& d, float hullArea) {
  float area = 0;
  for (const COvTriangle& t : d.GetTriangles()) {
    const COvTriangle2 tri(pts[t[0]], pts[t[1]], pts[t[2]]);
    COvCircle circle;
    EXPECT_TRUE(tri.getSignedArea() > 0 && tri.getCircumcircle(circle));
    area += tri.getSignedArea();
    for (size_t i = 0; i < pts.size(); ++i)
      EXPECT_TRUE(t.uses(static_cast<int>(i)) || pts[i].distance(circle.center) > circle.radius - 1e-4f) << i;
  }
  EXPECT_NEAR(hullArea, area, 1e-4f * hullArea);
}

TEST(OvTriangleDelaunay, ConstructedPointsDuplicatesAndDegenerateInput) {
  COvTriangleDelaunay d;
  // A kite takes its short diagonal; a point that is not finite is left out.
  std::vector<COvVector2> kite = {COvVector2(0, 0), COvVector2(2, -1), COvVector2(4, 0), COvVector2(2, 3)},
                          grid;
  kite.push_back(COvVector2(NAN, 1));
  ASSERT_TRUE(d.Triangulate(kite.data(), 5));
  EXPECT_EQ(2, d.GetTriangles().GetCount());
  kite.pop_back();
  ExpectDelaunay(kite, d, 8);
  // A 5 × 5 grid, all four-point circles, with one point repeated: 32 triangles, the repeat
  // left out.
  for (int i = 0; i < 26; ++i) grid.push_back(i < 25 ? COvVector2(i % 5 * 1.0f, i / 5 * 1.0f) : grid[12]);
  ASSERT_TRUE(d.Triangulate(grid.data(), 26));
  EXPECT_EQ(32, d.GetTriangles().GetCount());
  ExpectDelaunay(grid, d, 16);
  for (const COvTriangle& t : d.GetTriangles()) EXPECT_FALSE(t.uses(25));
  const COvVector2 line[] = {COvVector2(0, 0), COvVector2(1, 1), COvVector2(3, 3), COvVector2(1, 1)};
  EXPECT_FALSE(d.Triangulate(line, 4) || d.Triangulate(kite.data(), 2));
  EXPECT_EQ(0, d.GetTriangles().GetCount());
}

static bool Orthonormal(const COvTriangleBasis& b) {
  return std::fabs(b.tangent.length() * b.binormal.length() * b.normal.length() - 1) +
             std::fabs(b.tangent.dot(b.normal)) + std::fabs(b.binormal.dot(b.normal)) +
             std::fabs(b.tangent.dot(b.binormal)) <
         1e-5f;
}

TEST(OvTangentSpaceComputer, FramesFollowTheTextureDirections) {
  // A unit quad in the plane z = x, u along the slope and v along Y; mirrored reverses u.
  const COvVector3 pos[4] = {COvVector3(0, 0, 0), COvVector3(1, 0, 1), COvVector3(1, 1, 1),
                             COvVector3(0, 1, 0)};
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
    for (const COvTriangleBasis& b : bases)
      EXPECT_TRUE(Orthonormal(b) && b.tangent.equals(mirrored ? -slope : slope) &&
                  b.binormal.equals(COvVector3(0, 1, 0)) && b.handedness == (mirrored ? -1.0f : 1.0f));
    EXPECT_VEC_NEAR(COvVector3(-1, 0, 1).getNormalized(), bases[0].normal, 1e-5f);  // from the faces
  }
}

TEST(OvTangentSpaceComputer, SmoothNormalsDegenerateMappingsAndBadIndices) {
  // A roof of two faces: the ridge takes the mean normal, the eaves their face's.
  COvTriangleVertex roof[4] = {{COvVector3(0, 0, 1), {}, {}},
                               {COvVector3(0, 1, 1), {}, {}},
                               {COvVector3(1, 0, 0), {}, {}},
                               {COvVector3(-1, 0, 0), {}, {}}};
  const COvTriangle faces[2] = {COvTriangle(0, 2, 1), COvTriangle(0, 1, 3)}, bad(0, 1, 4);
  ASSERT_TRUE(COvTangentSpaceComputer().ComputeNormals(roof, 4, faces, 2));
  EXPECT_VEC_NEAR(COvVector3(0, 0, 1), roof[0].normal, 1e-6f);
  EXPECT_VEC_NEAR(COvVector3(1, 0, 1).getNormalized(), roof[2].normal, 1e-6f);
  // Without texture coordinates the frames are still orthonormal around the normals.
  COvArray<COvTriangleBasis> bases;
  ASSERT_TRUE(COvTangentSpaceComputer().Compute(roof, 4, faces, 2, bases));
  for (const COvTriangleBasis& b : bases) EXPECT_TRUE(Orthonormal(b));
  // Vertex 4 is one past the last: nothing is computed.
  EXPECT_FALSE(COvTangentSpaceComputer().Compute(roof, 4, &bad, 1, bases) ||
               COvTangentSpaceComputer().ComputeNormals(roof, 4, &bad, 1));
  EXPECT_EQ(0, bases.GetCount());
}

TEST(OvSkinInfluenceList, KeepsTheHeaviestInfluences) {
  COvSkinInfluenceList list;
  // Bone 3 is added twice (summed); 2 is lighter than every kept one; 4 replaces 7; 8 weighs 0.
  const COvSkinInfluence added[] = {{7, 0.1f}, {3, 0.4f},  {5, 0.2f},  {3, 0.1f},
                                    {9, 0.3f}, {2, 0.05f}, {4, 0.15f}, {8, 0}};
  for (const auto& influence : added) list.Add(influence.bone, influence.weight);
  ASSERT_EQ(4, list.GetCount());
  list.Sort();
  const COvSkinInfluence expected[] = {{3, 0.5f}, {9, 0.3f}, {5, 0.2f}, {4, 0.15f}};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(expected[i], list[i]);
  // An empty list has no weight to normalize.
  EXPECT_TRUE(list.Normalize() && std::fabs(list.GetTotalWeight() - 1) < 1e-6f &&
              !COvSkinInfluenceList().Normalize());
}

TEST(OvSkinMatrixLUT, SkinsFromTheBindPoseToTheCurrentPose) {
  // Skeleton bone 0 is bound at (1, 0, 0) and posed a quarter turn about Z at the origin;
  // bone 2 is bound at (0, 2, 0) and posed at (0, 0, 5).
  COvMatrix44 bind[3], pose[3];
  bind[0].makeTranslation(COvVector3(1, 0, 0)), bind[2].makeTranslation(COvVector3(0, 2, 0));
  pose[0].makeRotationAxis(COvVector3(0, 0, 1), kOvHalfPi), pose[2].makeTranslation(COvVector3(0, 0, 5));
  COvSkinMatrixLUT lut;
  lut.SetBoneCount(2);
  // Mesh bone 0 is skeleton bone 2, mesh bone 1 is skeleton bone 0.
  ASSERT_TRUE(lut.SetRemap(0, 2) && lut.SetRemap(1, 0) && lut.SetBindPose(0, bind[2]) &&
              lut.SetBindPose(1, bind[0]));
  EXPECT_FALSE(lut.SetBindPose(2, bind[0]) ||
               lut.SetBindPose(0, COvMatrix44() * 0.0f));  // no bone 2; singular
  COvSkinInfluenceList one, both;
  one.Add(0, 1.0f);
  both.Add(0, 0.25f), both.Add(1, 0.75f);
  const COvVector3 p(3, 4, 0);
  // Bone 2 takes p to (3, 2, 5), bone 0 to (2, 4, 0) turned to (-4, 2, 0); vectors only turn.
  ASSERT_TRUE(lut.Update(pose, 3));
  EXPECT_TRUE(lut.SkinPoint(p, one).equals(COvVector3(3, 2, 5), 1e-5f) &&
              lut.SkinPoint(p, both).equals(COvVector3(-2.25f, 2, 1.25f), 1e-5f) &&
              lut.SkinVector(COvVector3(1, 0, 0), both).equals(COvVector3(0.25f, 0.75f, 0), 1e-5f));
  // A skeleton too short for the remap gives identities and a failure.
  EXPECT_TRUE(!lut.Update(pose, 2) && lut.GetMatrix(0) == COvMatrix44());
}
