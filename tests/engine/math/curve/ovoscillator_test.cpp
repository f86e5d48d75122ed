#include "engine/math/curve/ovoscillator.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(OvOscillator, WavesAtKnownPhases) {
  const float at[5] = {0, 0.125f, 0.25f, 0.625f, 0.75f}, s = std::sqrt(0.5f);
  const float expected[4][5] = {{0, s, 1, -s, -1}, {1, 1, 1, -1, -1}, {0, 0.5f, 1, -0.5f, -1}, {0, 0.25f, 0.5f, -0.75f, -0.5f}};
  for (int wave = 0; wave < 4; ++wave)
    for (int i = 0; i < 5; ++i) {
      SCOPED_TRACE(testing::Message() << wave << " at " << at[i]);
      EXPECT_NEAR(expected[wave][i], COvOscillator::Wave(static_cast<EOvOscillatorWave>(wave), at[i]), 1e-6f);
      EXPECT_NEAR(expected[wave][i], COvOscillator::Wave(static_cast<EOvOscillatorWave>(wave), at[i] - 3), 1e-5f);
    }
}

TEST(OvOscillator, AmplitudeFrequencyPhaseOffsetAndDamping) {
  COvOscillator o(eOscillatorSine, 2.0f, 0.5f, 0.25f, 10.0f);
  EXPECT_NEAR(12.0f, o.getValue(0), 1e-5f);  // a quarter cycle ahead: the crest
  EXPECT_NEAR(8.0f, o.getValue(1), 1e-5f);   // half a cycle later: the trough
  o.damping = std::log(2.0f);
  EXPECT_NEAR(10.0f + 2.0f / 16.0f, o.getValue(4), 1e-4f);  // halved each second
  o.Update(0.5f);
  EXPECT_NEAR(o.getValue(1.0f), o.Update(0.5f), 1e-6f);
}
