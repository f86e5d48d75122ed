#include "engine/math/curve/ovoscillator.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(OvOscillator, WavesAtKnownPhases) {
  const struct {
    EOvOscillatorWave wave;
    float at0, at1_8, at1_4, at5_8, at3_4;
  } rows[] = {
      {eOscillatorSine, 0, std::sqrt(0.5f), 1, -std::sqrt(0.5f), -1},
      {eOscillatorSquare, 1, 1, 1, -1, -1},
      {eOscillatorTriangle, 0, 0.5f, 1, -0.5f, -1},
      {eOscillatorSawtooth, 0, 0.25f, 0.5f, -0.75f, -0.5f},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.wave));
    const float at[5] = {0, 0.125f, 0.25f, 0.625f, 0.75f};
    const float expected[5] = {row.at0, row.at1_8, row.at1_4, row.at5_8, row.at3_4};
    for (int i = 0; i < 5; ++i) {
      EXPECT_NEAR(expected[i], COvOscillator::Wave(row.wave, at[i]), 1e-6f);
      EXPECT_NEAR(expected[i], COvOscillator::Wave(row.wave, at[i] - 3), 1e-5f);  // periodic
    }
  }
}

TEST(OvOscillator, AmplitudeFrequencyPhaseOffsetAndDamping) {
  COvOscillator o(eOscillatorSine, 2.0f, 0.5f, 0.25f, 10.0f);
  EXPECT_NEAR(12.0f, o.getValue(0), 1e-5f);  // a quarter cycle ahead: the crest
  EXPECT_NEAR(8.0f, o.getValue(1), 1e-5f);   // half a cycle later: the trough
  o.damping = std::log(2.0f);
  EXPECT_NEAR(10.0f + 2.0f / 16.0f, o.getValue(4), 1e-4f);  // halved each second
  o.damping = 0;
  o.Update(0.5f);
  EXPECT_NEAR(o.getValue(1.0f), o.Update(0.5f), 1e-6f);
  EXPECT_FLOAT_EQ(1.0f, o.getTime());
  o.Reset();
  EXPECT_EQ(0.0f, o.getTime());
}
