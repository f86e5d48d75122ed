#include "engine/math/ovvector.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(OvVector, ComponentsAreStoredInOrder) {
  COvVector3 v(1.0f, 2.0f, 3.0f);
  float raw[3];
  std::memcpy(raw, &v, sizeof(raw));
  EXPECT_EQ(1.0f, raw[0]);
  EXPECT_EQ(2.0f, raw[1]);
  EXPECT_EQ(3.0f, raw[2]);
  EXPECT_EQ(3.0f, v[2]);
  v[1] = 5.0f;
  EXPECT_EQ(5.0f, v.y);

  COvVector4 w(COvVector3(1, 2, 3), 4);
  EXPECT_EQ(4.0f, w[3]);
  EXPECT_EQ(COvVector3(1, 2, 3), w.getXYZ());
  EXPECT_EQ(COvVector2i(0, 0), COvVector2i());
}

TEST(OvVector, ArithmeticAndEquality) {
  COvVector3 a(1, 2, 3), b(4, 5, 6);
  EXPECT_EQ(COvVector3(5, 7, 9), a + b);
  EXPECT_EQ(COvVector3(-3, -3, -3), a - b);
  EXPECT_EQ(COvVector3(2, 4, 6), a * 2.0f);
  EXPECT_EQ(COvVector3(2, 4, 6), 2.0f * a);
  EXPECT_EQ(COvVector3(0.5f, 1, 1.5f), a / 2.0f);
  EXPECT_EQ(COvVector3(4, 10, 18), a.multiply(b));
  EXPECT_EQ(32.0f, a.dot(b));
  a += b;
  EXPECT_EQ(COvVector3(5, 7, 9), a);
  EXPECT_NE(a, b);
  EXPECT_EQ(COvVector3(-4, -5, -6), -b);

  COvVector2i i(3, -4);
  i *= 2;
  EXPECT_EQ(COvVector2i(6, -8), i);
  EXPECT_EQ(100, i.lengthSquared());
}

TEST(OvVector, CrossProductIsRightHanded) {
  EXPECT_EQ(COvVector3(0, 0, 1), COvVector3(1, 0, 0).cross(COvVector3(0, 1, 0)));
  EXPECT_EQ(COvVector3(1, 0, 0), COvVector3(0, 1, 0).cross(COvVector3(0, 0, 1)));
  EXPECT_EQ(1.0f, COvVector2(1, 0).cross(COvVector2(0, 1)));
}

TEST(OvVector, NormalizeKeepsZeroVectorsFinite) {
  COvVector3 v(3, 0, 4);
  EXPECT_EQ(5.0f, v.normalize());
  EXPECT_TRUE(v.equals(COvVector3(0.6f, 0, 0.8f)));
  COvVector2 zero;
  EXPECT_EQ(0.0f, zero.normalize());
  EXPECT_EQ(COvVector2(0, 0), zero);
  EXPECT_EQ(1.0f, COvVector4(0, 0, 0, 9).getNormalized().length());
}
