// Oscillator waves.
#include "engine/math/curve/ovoscillator.h"

#include <cmath>

#include "engine/math/ovmathutil.h"

float COvOscillator::Wave(EOvOscillatorWave wave, float x) {
  // Position within the cycle in [0, 1), for negative positions too.
  float f = x - std::floor(x);
  switch (wave) {
    case eOscillatorSquare:
      return f < 0.5f ? 1.0f : -1.0f;
    case eOscillatorTriangle:
      // 0 → 1 at a quarter, → −1 at three quarters, back to 0.
      return f < 0.25f ? 4.0f * f : (f < 0.75f ? 2.0f - 4.0f * f : 4.0f * f - 4.0f);
    case eOscillatorSawtooth:
      // Rises from 0 to 1 over half a cycle, jumps to −1, rises back to 0.
      return f < 0.5f ? 2.0f * f : 2.0f * f - 2.0f;
    case eOscillatorSine:
    default:
      return std::sin(kOvTwoPi * f);
  }
}

float COvOscillator::getValue(float time) const {
  float envelope = damping != 0.0f ? std::exp(-damping * time) : 1.0f;
  return offset + amplitude * envelope * Wave(wave, frequency * time + phase);
}
