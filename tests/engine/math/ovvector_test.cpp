#include "engine/math/ovvector.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(OvVector, StorageAndArithmetic) {
  COvVector4 v(COvVector3(1, 2, 3), 4);
  float raw[4];
  std::memcpy(raw, &v, sizeof(raw));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(i + 1.0f, raw[i]);
  COvVector3 a(1, 2, 3), b(4, 5, 6);
  EXPECT_EQ(COvVector3(5, 7, 9), a + b);
  EXPECT_EQ(COvVector3(0.5f, 1, 1.5f), a / 2.0f);
  EXPECT_EQ(COvVector3(4, 10, 18), a.multiply(b));
  EXPECT_EQ(32.0f, a.dot(b));
  EXPECT_EQ(COvVector3(-3, 6, -3), a.cross(b));
  COvVector3 c(3, 0, 4), zero;
  EXPECT_EQ(5.0f, c.normalize());
  EXPECT_TRUE(c.equals(COvVector3(0.6f, 0, 0.8f)));
  EXPECT_EQ(0.0f, zero.normalize());
  EXPECT_EQ(COvVector3(), zero);
  EXPECT_EQ(COvVector3(1, 1, 0), COvVector3(1, -1, 0).reflect(COvVector3(0, 1, 0)));
  EXPECT_EQ(COvVector3(0, 2, 0), COvVector3(5, 2, 1).project(COvVector3(0, 3, 0)));
  EXPECT_EQ(5.0f, COvVector2(1, 1).distance(COvVector2(4, 5)));
}
