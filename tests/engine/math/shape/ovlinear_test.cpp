#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "engine/math/math_test_util.h"
#include "engine/math/shape/ovcapsule.h"
#include "engine/math/shape/ovcylinder.h"
#include "engine/math/shape/ovellipse.h"
#include "engine/math/shape/ovline2.h"
#include "engine/math/shape/ovline3.h"

// Whichever side offers the cast: the ray or the shape.
template <typename Ray, typename Shape>
static auto Cast(const Ray& ray, const Shape& shape, float* t) -> decltype(ray.intersects(shape, t)) {
  return ray.intersects(shape, t);
}
template <typename Ray, typename Shape>
static auto Cast(const Ray& ray, const Shape& shape, float* t) -> decltype(shape.intersects(ray, t)) {
  return shape.intersects(ray, t);
}

// Casts against marching in small steps along the ray; a hit that the marching stepped over
// must be a graze, inside within a finer march around it.
template <typename Ray, typename Shape>
static void ExpectCastMatchesMarching(const Ray& ray, const Shape& shape) {
  float marched = -1.0f, t = -1.0f;
  for (float s = 0.0f; s <= 10.0f && marched < 0.0f; s += 0.001f)
    if (shape.contains(ray.getPoint(s))) marched = s;
  bool hit = Cast(ray, shape, &t);
  if (marched >= 0.0f) {
    EXPECT_TRUE(hit && std::fabs(marched - t) < 0.002f) << marched << " " << t;
  } else if (hit && t < 9.9f) {
    bool inside = false;
    for (float s = t - 2e-3f; s <= t + 2e-3f && !inside; s += 1e-6f) inside = shape.contains(ray.getPoint(s));
    EXPECT_TRUE(inside);
  }
}

TEST(OvLinear, SegmentDistancesAndCrossings) {
  // Crossing over the middle, past either end of the other, parallel and shifted, point-like.
  const COvSegment3 x(COvVector3(), COvVector3(2, 0, 0));
  const std::pair<COvSegment3, float> rows[] = {
      {COvSegment3(COvVector3(1, -1, 1), COvVector3(1, 1, 1)), 1},
      {COvSegment3(COvVector3(3, 1, 0), COvVector3(3, 5, 0)), std::sqrt(2.0f)},
      {COvSegment3(COvVector3(-1, -5, 0), COvVector3(-1, -3, 0)), std::sqrt(10.0f)},
      {COvSegment3(COvVector3(3, 2, 0), COvVector3(6, 2, 0)), std::sqrt(5.0f)},
      {COvSegment3(COvVector3(1, 0, 3), COvVector3(1, 0, 3)), 3}};
  for (const auto& [other, distance] : rows) {
    EXPECT_FLOAT_EQ(distance * distance, x.getDistanceSquared(other)) << distance;
    EXPECT_FLOAT_EQ(distance * distance, other.getDistanceSquared(x)) << distance;
  }
  COvLine3 lx(COvVector3(), COvVector3(1, 0, 0)), y(COvVector3(5, 0, 2), COvVector3(0, 3, 0));
  float s = 0, t = 0;
  EXPECT_TRUE(lx.getClosestParameters(y, s, t) && s == 5.0f && t == 0.0f);
  EXPECT_FLOAT_EQ(1.0f, lx.getDistance(COvLine3(COvVector3(0, 1, 0), COvVector3(-2, 0, 0))));  // parallel
  // Crossing, touching, collinear and degenerate 2-D segments.
  const COvSegment2 seg(COvVector2(0, 0), COvVector2(2, 0));
  COvVector2 at(99, 99);
  EXPECT_TRUE(seg.intersects(COvSegment2(COvVector2(1.5f, -1), COvVector2(1.5f, 3)), &at) &&
              at.equals(COvVector2(1.5f, 0), 1e-6f));
  EXPECT_TRUE(seg.intersects(COvSegment2(seg.end, COvVector2(3, 1))) &&
              seg.intersects(COvSegment2(COvVector2(1, 0), COvVector2(3, 0))));
  EXPECT_FALSE(seg.intersects(COvSegment2(COvVector2(2.1f, 0), COvVector2(3, 0))) ||
               seg.intersects(COvSegment2(COvVector2(0, 1), COvVector2(2, 1))) ||
               seg.intersects(COvSegment2(COvVector2(2.5f, -1), COvVector2(2.5f, 1))) ||
               seg.intersects(COvSegment2(COvVector2(1, 0.5f), COvVector2(1, 3))));
  EXPECT_TRUE(COvSegment2(COvVector2(1, 0), COvVector2(1, 0)).intersects(seg));
  ASSERT_TRUE(COvLine2(COvVector2(0, 1), COvVector2(1, 0))
                  .getIntersection(COvLine2(COvVector2(3, 0), COvVector2(0, -2)), at));
  EXPECT_VEC_NEAR(COvVector2(3, 1), at, 1e-6f);
}

TEST(OvLinear, RayCastsMatchMarching) {
  COvRandom rng(4);
  COvSphere sphere(COvVector3(1, 0, 0.5f), 1.5f);
  COvAABB3 box(COvVector3(-1, -2, -1), COvVector3(2, 1, 0.5f));
  COvOBB3 obb(COvVector3(0.5f, 0.5f, 0), COvVector3(1, 0.5f, 2), rng.UnitQuaternion());
  for (int n = 0; n < 40; ++n) {
    COvRay3 ray(RandomPoint(rng, 4), rng.UnitVector3());
    COvRay2 ray2(RandomPoint2(rng, 3), rng.UnitVector2());
    ExpectCastMatchesMarching(ray, sphere);
    ExpectCastMatchesMarching(ray, box);
    ExpectCastMatchesMarching(ray, obb);
    ExpectCastMatchesMarching(ray, COvCapsule3(COvVector3(-1, 0, 0), COvVector3(1, 2, 1), 0.7f));
    ExpectCastMatchesMarching(ray, COvCylinder(COvVector3(-1, 0, 0), COvVector3(1, 2, 1), 0.7f));
    ExpectCastMatchesMarching(ray2, COvCircle(COvVector2(0, 1), 1.0f));
    ExpectCastMatchesMarching(ray2, COvAABB2(COvVector2(-1, -1), COvVector2(1, 0.5f)));
    ExpectCastMatchesMarching(ray2, COvOBB2(COvVector2(0.5f, 0), COvVector2(1, 0.3f), 0.6f));
    ExpectCastMatchesMarching(ray2, COvCapsule2(COvVector2(-1, 0), COvVector2(1, 1), 0.5f));
    ExpectCastMatchesMarching(ray2, COvEllipse2(COvVector2(0.5f, 0), COvVector2(1.5f, 0.5f), 0.4f));
    ExpectCastMatchesMarching(ray2, COvTriangle2(COvVector2(-1, 0), COvVector2(2, -1), COvVector2(0, 2)));
    ExpectCastMatchesMarching(
        ray, COvEllipsoid(COvVector3(), COvVector3(2, 1, 0.5f), COvQuaternion(0.6f, 0, 0, 0.8f)));
  }
}

TEST(OvLinear, RayAgainstPlaneTriangleAndSegment) {
  COvTriangle3 tri(COvVector3(0, 0, 1), COvVector3(2, 0, 1), COvVector3(0, 2, 1));
  float t = 0;
  COvVector3 uvw;
  EXPECT_TRUE(COvRay3(COvVector3(0.5f, 0.5f, 3), COvVector3(0, 0, -2)).intersects(tri, &t, &uvw) &&
              t == 1.0f && uvw.equals(COvVector3(0.5f, 0.25f, 0.25f), 1e-6f));
  // From the back face; past the hypotenuse; pointing away.
  EXPECT_TRUE(COvRay3(COvVector3(0.5f, 0.5f, -3), COvVector3(0, 0, 1)).intersects(tri));
  EXPECT_FALSE(COvRay3(COvVector3(1.5f, 1.5f, 3), COvVector3(0, 0, -1)).intersects(tri) ||
               COvRay3(COvVector3(0.5f, 0.5f, 3), COvVector3(0, 0, 1)).intersects(tri));
  EXPECT_TRUE(COvRay3(COvVector3(0, 0, 3), COvVector3(0, 0, -4)).intersects(tri.getPlane(), &t) && t == 0.5f);
  // Segments stop at their end.
  EXPECT_TRUE(COvSegment3(COvVector3(0.5f, 0.5f, 3), COvVector3(0.5f, 0.5f, 0)).intersects(tri, &t) &&
              t == 2 / 3.0f);
  EXPECT_FALSE(COvSegment3(COvVector3(0, 0, 3), COvVector3(0, 0, 1.5f)).intersects(tri.getPlane()));
  // Collinear: the nearer end.
  EXPECT_TRUE(COvRay2(COvVector2(), COvVector2(2, 0))
                  .intersects(COvSegment2(COvVector2(5, 0), COvVector2(3, 0)), &t) &&
              t == 1.5f);
}
