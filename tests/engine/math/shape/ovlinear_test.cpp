#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "engine/math/shape/ovline2.h"
#include "engine/math/shape/ovline3.h"
#include "engine/math/math_test_util.h"

namespace {

// The smallest distance between two segments by sampling both, in double precision.
double SampledSegmentDistance(const COvSegment3& a, const COvSegment3& b) {
  double best = DBL_MAX;
  for (int i = 0; i <= 200; ++i)
    for (int j = 0; j <= 200; ++j) {
      COvVector3 d = a.getPoint(i / 200.0f) - b.getPoint(j / 200.0f);
      best = std::fmin(best, std::sqrt(double(d.x) * d.x + double(d.y) * d.y + double(d.z) * d.z));
    }
  return best;
}

// The first parameter at which the ray is inside the solid, by marching in small steps;
// -1 when it never is within maxT.
template <typename Ray, typename Shape>
float MarchedHit(const Ray& ray, const Shape& shape, float maxT) {
  for (float t = 0.0f; t <= maxT; t += 0.001f)
    if (shape.contains(ray.getPoint(t))) return t;
  return -1.0f;
}

template <typename Ray, typename Shape>
void ExpectCastMatchesMarching(const Ray& ray, const Shape& shape) {
  float marched = MarchedHit(ray, shape, 10.0f), t = -1.0f;
  bool hit = ray.intersects(shape, &t);
  if (marched >= 0.0f) {
    EXPECT_TRUE(hit);
    EXPECT_NEAR(marched, t, 0.002f);
  } else if (hit && t < 9.9f) {
    // A grazing hit the marching stepped over: the point met lies on the surface.
    auto p = ray.getPoint(t);
    EXPECT_NEAR(0.0f, (shape.getClosestPoint(p) - p).length(), 1e-3f);
  }
}

}  // namespace

TEST(OvLinear, ClosestPointsRespectTheParameterRange) {
  COvVector3 p(-2, 1, 0);
  EXPECT_FLOAT_EQ(1.0f, COvLine3(COvVector3(0, 0, 0), COvVector3(2, 0, 0)).getDistance(p));
  EXPECT_FLOAT_EQ(std::sqrt(5.0f), COvRay3(COvVector3(0, 0, 0), COvVector3(2, 0, 0)).getDistance(p));
  EXPECT_FLOAT_EQ(std::sqrt(17.0f), COvSegment3(COvVector3(2, 0, 0), COvVector3(3, 0, 0)).getDistance(p));
  EXPECT_FLOAT_EQ(1.0f, COvSegment3(p, p).getDistance(COvVector3(-2, 1, 1)));
}

TEST(OvLinear, SegmentDistanceMatchesSampling) {
  COvRandom rng(9);
  for (int n = 0; n < 30; ++n) {
    COvSegment3 a(RandomPoint(rng, 3), RandomPoint(rng, 3)), b(RandomPoint(rng, 3), RandomPoint(rng, 3));
    if (n % 5 == 0) b = COvSegment3(a.start + COvVector3(0, 1, 0), a.end + COvVector3(0, 1, 0));  // parallel
    double sampled = SampledSegmentDistance(a, b), exact = std::sqrt(a.getDistanceSquared(b));
    EXPECT_LE(exact, sampled + 1e-4);
    EXPECT_NEAR(sampled, exact, 0.05);
  }
  COvLine3 x(COvVector3(0, 0, 0), COvVector3(1, 0, 0)), y(COvVector3(5, 0, 2), COvVector3(0, 3, 0));
  float s = 0, t = 0;
  ASSERT_TRUE(x.getClosestParameters(y, s, t));
  EXPECT_FLOAT_EQ(5.0f, s);
  EXPECT_FLOAT_EQ(0.0f, t);
  EXPECT_FLOAT_EQ(2.0f, x.getDistance(y));
  EXPECT_FALSE(x.getClosestParameters(COvLine3(COvVector3(0, 1, 0), COvVector3(-2, 0, 0)), s, t));
  EXPECT_FLOAT_EQ(1.0f, x.getDistance(COvLine3(COvVector3(0, 1, 0), COvVector3(-2, 0, 0))));
}

TEST(OvLinear, SegmentCrossings2D) {
  const struct {
    COvSegment2 a, b;
    bool crosses;
  } rows[] = {
      {COvSegment2(COvVector2(0, 0), COvVector2(2, 2)), COvSegment2(COvVector2(0, 2), COvVector2(2, 0)), true},
      {COvSegment2(COvVector2(0, 0), COvVector2(1, 1)), COvSegment2(COvVector2(1, 1), COvVector2(2, 0)), true},
      {COvSegment2(COvVector2(0, 0), COvVector2(1, 0)), COvSegment2(COvVector2(2, 0), COvVector2(3, 0)), false},
      {COvSegment2(COvVector2(0, 0), COvVector2(2, 0)), COvSegment2(COvVector2(1, 0), COvVector2(3, 0)), true},
      {COvSegment2(COvVector2(0, 0), COvVector2(2, 0)), COvSegment2(COvVector2(0, 1), COvVector2(2, 1)), false},
      {COvSegment2(COvVector2(0, 0), COvVector2(2, 2)), COvSegment2(COvVector2(3, 0), COvVector2(2, 1.1f)), false},
      {COvSegment2(COvVector2(1, 1), COvVector2(1, 1)), COvSegment2(COvVector2(0, 0), COvVector2(2, 2)), true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(&row - rows);
    COvVector2 at(99, 99);
    EXPECT_EQ(row.crosses, row.a.intersects(row.b, &at));
    EXPECT_EQ(row.crosses, row.b.intersects(row.a));
    if (row.crosses) {
      EXPECT_NEAR(0.0f, row.a.getDistance(at), 1e-5f);
      EXPECT_NEAR(0.0f, row.b.getDistance(at), 1e-5f);
    }
  }
  COvVector2 at;
  ASSERT_TRUE(COvLine2(COvVector2(0, 1), COvVector2(1, 0)).getIntersection(COvLine2(COvVector2(3, 0), COvVector2(0, -2)), at));
  EXPECT_VEC_NEAR(COvVector2(3, 1), at, 1e-6f);
  EXPECT_GT(COvLine2(COvVector2(0, 0), COvVector2(1, 0)).getSide(COvVector2(5, 1)), 0.0f);
}

TEST(OvLinear, RayCastsMatchMarching) {
  COvRandom rng(4);
  COvSphere sphere(COvVector3(1, 0, 0.5f), 1.5f);
  COvAABB3 box(COvVector3(-1, -2, -1), COvVector3(2, 1, 0.5f));
  COvOBB3 obb(COvVector3(0.5f, 0.5f, 0), COvVector3(1, 0.5f, 2), rng.UnitQuaternion());
  COvCircle circle(COvVector2(0, 1), 1.0f);
  COvAABB2 box2(COvVector2(-1, -1), COvVector2(1, 0.5f));
  for (int n = 0; n < 40; ++n) {
    COvRay3 ray(RandomPoint(rng, 4), rng.UnitVector3());
    COvRay2 ray2(RandomPoint2(rng, 3), rng.UnitVector2());
    ExpectCastMatchesMarching(ray, sphere);
    ExpectCastMatchesMarching(ray, box);
    ExpectCastMatchesMarching(ray, obb);
    ExpectCastMatchesMarching(ray2, circle);
    ExpectCastMatchesMarching(ray2, box2);
  }
  EXPECT_FALSE(COvRay3(COvVector3(0, 0, 5), COvVector3(0, 0, 1)).intersects(sphere));
}

TEST(OvLinear, RayAgainstPlaneTriangleAndSegment) {
  COvTriangle3 tri(COvVector3(0, 0, 1), COvVector3(2, 0, 1), COvVector3(0, 2, 1));
  float t = 0;
  COvVector3 uvw;
  ASSERT_TRUE(COvRay3(COvVector3(0.5f, 0.5f, 3), COvVector3(0, 0, -2)).intersects(tri, &t, &uvw));
  EXPECT_FLOAT_EQ(1.0f, t);
  EXPECT_VEC_NEAR(COvVector3(0.5f, 0.25f, 0.25f), uvw, 1e-6f);
  EXPECT_TRUE(COvRay3(COvVector3(0.5f, 0.5f, -3), COvVector3(0, 0, 1)).intersects(tri));  // back face
  EXPECT_FALSE(COvRay3(COvVector3(1.5f, 1.5f, 3), COvVector3(0, 0, -1)).intersects(tri));
  EXPECT_FALSE(COvRay3(COvVector3(0.5f, 0.5f, 3), COvVector3(0, 0, 1)).intersects(tri));  // behind
  ASSERT_TRUE(COvRay3(COvVector3(0, 0, 3), COvVector3(0, 0, -4)).intersects(tri.getPlane(), &t));
  EXPECT_FLOAT_EQ(0.5f, t);
  EXPECT_FALSE(COvRay3(COvVector3(0, 0, 3), COvVector3(1, 0, 0)).intersects(tri.getPlane()));
  ASSERT_TRUE(COvRay2(COvVector2(0, 0), COvVector2(1, 1)).intersects(COvSegment2(COvVector2(2, 0), COvVector2(0, 2)), &t));
  EXPECT_FLOAT_EQ(1.0f, t);
  ASSERT_TRUE(COvRay2(COvVector2(0, 0), COvVector2(2, 0)).intersects(COvSegment2(COvVector2(5, 0), COvVector2(3, 0)), &t));
  EXPECT_FLOAT_EQ(1.5f, t);
}
