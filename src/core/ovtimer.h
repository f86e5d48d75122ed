// COvTimer: the frame timer of the engine: absolute time and frame delta in milliseconds from
// the high-resolution counter, a smoothed delta, and a pause whose duration is taken out of
// the times it reports. COvPerformanceTimer: a stopwatch on the same counter.
#pragma once

#include <cstdint>

// Where a timer reads its ticks and their frequency; the host counter unless a caller (a
// test, a replay) supplies its own clock.
typedef uint64_t (*OvCounterReader)();

class COvTimer {
 public:
  // Null readers: the host's high-resolution counter.
  explicit COvTimer(OvCounterReader counter = nullptr, OvCounterReader frequency = nullptr);
  virtual ~COvTimer() = default;

  // The process-wide timer, created on first use.
  static COvTimer* GetInstance();

  // Restarts the clock: the update count is zeroed and the start is now.
  void Reset();
  // The next Update starts the smoothed delta afresh.
  void ResetUpdateCount();
  // Takes one frame's reading; does nothing while paused.
  void Update();
  void Pause();
  void Resume();

  // Milliseconds since the start, without the time spent paused, read now.
  float GetCurrent() const;
  // The same as of the last reading.
  float GetAbsolute() const;
  // Milliseconds between the last two updates; 0 while paused.
  float GetDelta() const;
  float GetSmoothDelta() const;
  uint64_t GetUpdateCount() const { return m_uUpdateCount; }
  bool IsPaused() const { return m_bPaused; }

 private:
  // Reads the counter into the absolute time and the frame delta.
  void Read();
  float Milliseconds(uint64_t ticks) const;

  OvCounterReader m_pCounter;
  OvCounterReader m_pFrequency;
  bool m_bPaused = false;
  float m_fPauseOffset = 0.0f;
  uint64_t m_uUpdateCount = 0;
  float m_fAbsolute = 0.0f;
  float m_fDelta = 0.0f;
  float m_fSmoothDelta = 0.0f;
  uint64_t m_uStart = 0;
  uint64_t m_uPrevious = 0;
  uint64_t m_uTicksSincePrevious = 0;
  uint64_t m_uFrequency = 1;
};

class COvPerformanceTimer {
 public:
  explicit COvPerformanceTimer(OvCounterReader counter = nullptr, OvCounterReader frequency = nullptr);

  void Start();
  void Stop();
  uint64_t GetTicksCount() const { return m_uStop - m_uStart; }
  uint64_t GetFrequency() const;
  double GetMilliseconds() const;

 private:
  OvCounterReader m_pCounter;
  OvCounterReader m_pFrequency;
  uint64_t m_uStart = 0;
  uint64_t m_uStop = 0;
};
