// Times are kept in float milliseconds as the engine reads them; tick differences are turned
// into milliseconds in double precision first so that long runs keep their resolution.
#include "core/ovtimer.h"

#include "core/platform/time_counter.h"

namespace {

constexpr float kFirstSmoothDelta = 33.333332f;

uint64_t HostCounter() { return ovplatform::ReadCounter(); }
uint64_t HostFrequency() { return ovplatform::CounterFrequency(); }

uint64_t FrequencyOf(OvCounterReader frequency) {
  uint64_t value = frequency();
  return value ? value : 1;
}

}  // namespace

COvTimer::COvTimer(OvCounterReader counter, OvCounterReader frequency)
    : m_pCounter(counter ? counter : &HostCounter), m_pFrequency(frequency ? frequency : &HostFrequency) {
  Reset();
}

COvTimer* COvTimer::GetInstance() {
  static COvTimer* instance = new COvTimer();
  return instance;
}

void COvTimer::Reset() {
  m_uUpdateCount = 0;
  m_uFrequency = FrequencyOf(m_pFrequency);
  m_uStart = m_pCounter();
  // The clock restarts as a whole: no pause and no frame from before the reset is counted.
  m_uPrevious = m_uStart;
  m_fPauseOffset = 0.0f;
  m_fAbsolute = 0.0f;
}

void COvTimer::ResetUpdateCount() { m_uUpdateCount = 0; }

float COvTimer::Milliseconds(uint64_t ticks) const {
  return static_cast<float>(static_cast<double>(ticks) / static_cast<double>(m_uFrequency) * 1000.0);
}

void COvTimer::Read() {
  uint64_t now = m_pCounter();
  m_fAbsolute = Milliseconds(now - m_uStart);
  m_uTicksSincePrevious = now - m_uPrevious;
  m_fDelta = Milliseconds(m_uTicksSincePrevious);
  m_uPrevious = now;
}

void COvTimer::Update() {
  if (m_bPaused) return;
  Read();
  m_fSmoothDelta = m_uUpdateCount == 0 ? kFirstSmoothDelta : 0.2f * m_fDelta + 0.8f * m_fSmoothDelta;
  ++m_uUpdateCount;
}

void COvTimer::Pause() {
  // A second pause would restart the paused span and lose the time already paused.
  if (m_bPaused) return;
  m_bPaused = true;
  Read();
}

void COvTimer::Resume() {
  // Without a pause there is no paused span to take out.
  if (!m_bPaused) return;
  m_bPaused = false;
  Read();
  m_fPauseOffset += m_fDelta;
}

float COvTimer::GetCurrent() const {
  if (m_bPaused) return m_fAbsolute - m_fPauseOffset;
  return Milliseconds(m_pCounter() - m_uStart) - m_fPauseOffset;
}

float COvTimer::GetAbsolute() const { return m_fAbsolute - m_fPauseOffset; }

float COvTimer::GetDelta() const { return m_bPaused ? 0.0f : m_fDelta; }

float COvTimer::GetSmoothDelta() const { return m_bPaused ? 0.0f : m_fSmoothDelta; }

COvPerformanceTimer::COvPerformanceTimer(OvCounterReader counter, OvCounterReader frequency)
    : m_pCounter(counter ? counter : &HostCounter), m_pFrequency(frequency ? frequency : &HostFrequency) {}

void COvPerformanceTimer::Start() { m_uStart = m_uStop = m_pCounter(); }

void COvPerformanceTimer::Stop() { m_uStop = m_pCounter(); }

uint64_t COvPerformanceTimer::GetFrequency() const { return FrequencyOf(m_pFrequency); }

double COvPerformanceTimer::GetMilliseconds() const {
  return static_cast<double>(GetTicksCount()) * 1000.0 / static_cast<double>(GetFrequency());
}
