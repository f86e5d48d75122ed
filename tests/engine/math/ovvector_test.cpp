#include "engine/math/ovvector.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(OvVector, ComponentsAreStoredInOrder) {
  COvVector4 v(COvVector3(1, 2, 3), 4);
  float raw[4];
  std::memcpy(raw, &v, sizeof(raw));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(i + 1.0f, raw[i]);
  v[1] = 5.0f;
  EXPECT_EQ(5.0f, v.y);
  EXPECT_EQ(COvVector3(1, 5, 3), v.getXYZ());
}

TEST(OvVector, Arithmetic) {
  COvVector3 a(1, 2, 3), b(4, 5, 6);
  EXPECT_EQ(COvVector3(5, 7, 9), a + b);
  EXPECT_EQ(COvVector3(-3, -3, -3), a - b);
  EXPECT_EQ(COvVector3(2, 4, 6), 2.0f * a);
  EXPECT_EQ(COvVector3(0.5f, 1, 1.5f), a / 2.0f);
  EXPECT_EQ(COvVector3(4, 10, 18), a.multiply(b));
  EXPECT_EQ(32.0f, a.dot(b));
  EXPECT_EQ(COvVector3(-3, 6, -3), a.cross(b));
  EXPECT_EQ(1.0f, COvVector2(1, 0).cross(COvVector2(0, 1)));
  COvVector2i i(3, -4);
  i *= 2;
  EXPECT_EQ(100, i.lengthSquared());
}

TEST(OvVector, NormalizeKeepsZeroVectorsFinite) {
  COvVector3 v(3, 0, 4);
  EXPECT_EQ(5.0f, v.normalize());
  EXPECT_TRUE(v.equals(COvVector3(0.6f, 0, 0.8f)));
  COvVector2 zero;
  EXPECT_EQ(0.0f, zero.normalize());
  EXPECT_EQ(COvVector2(0, 0), zero);
}
