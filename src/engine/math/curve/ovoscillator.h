// COvOscillator: a periodic value for animation and effects,
// offset + amplitude × e^(−damping × time) × wave(frequency × time + phase), with the wave
// chosen among sine, square, triangle and sawtooth, all of period 1 and range [−1, 1]. The
// sine, triangle and sawtooth start each cycle at 0 and rising; the square is +1 for the
// first half of each cycle and −1 for the second. The oscillator keeps its own clock,
// advanced by Update().
#pragma once

enum EOvOscillatorWave : int {
  eOscillatorSine = 0,
  eOscillatorSquare = 1,
  eOscillatorTriangle = 2,
  eOscillatorSawtooth = 3,
};

class COvOscillator {
 public:
  EOvOscillatorWave wave = eOscillatorSine;
  float amplitude = 1.0f;
  float frequency = 1.0f;  // cycles per second
  float phase = 0.0f;      // in cycles
  float offset = 0.0f;
  float damping = 0.0f;  // per second; 0 keeps the amplitude

  COvOscillator() = default;
  COvOscillator(EOvOscillatorWave w, float amp, float freq, float ph = 0.0f, float off = 0.0f)
      : wave(w), amplitude(amp), frequency(freq), phase(ph), offset(off) {}

  // The value at the given time in seconds, independent of the clock.
  float getValue(float time) const;
  // Advances the clock and returns the value at the new time.
  float Update(float deltaTime) {
    m_time += deltaTime;
    return getValue(m_time);
  }
  float getTime() const { return m_time; }
  void Reset(float time = 0.0f) { m_time = time; }
  // One wave of period 1 at cycle position x, without amplitude, offset or damping.
  static float Wave(EOvOscillatorWave wave, float x);

 private:
  float m_time = 0.0f;
};
