// Thin wrappers over the operating system's threads, events, semaphores and critical
// sections, the processor count and thread naming, and the COvThread base.
//
// Every wrapper returns 0 on success and, on failure, the system's last error, or 1 when the
// system reported none. Handles are opaque; close each one with OvCloseHandle.
#pragma once

#include <atomic>
#include <cstdint>

typedef void* OvHandle;
typedef unsigned (*OvThreadEntry)(void* argument);

// Starts entry(argument) on a new thread; thread receives its handle and threadId its id.
unsigned OvCreateThread(OvThreadEntry entry, void* argument, OvHandle& thread, unsigned& threadId);
unsigned OvCloseHandle(OvHandle handle);
// Waits without time limit: for a thread to end, an event to be set (which clears it again)
// or a semaphore count (which takes it).
unsigned OvWaitForHandle(OvHandle handle);
// An auto-reset event, initially clear.
unsigned OvCreateEvent(OvHandle& event);
unsigned OvSetEvent(OvHandle event);
unsigned OvResetEvent(OvHandle event);
unsigned OvCreateSemaphore(OvHandle& semaphore, int initialCount, int maximumCount);
// Adds one count; fails when the count is at its maximum.
unsigned OvReleaseSemaphore(OvHandle semaphore);

// A recursive lock: a thread that holds it may enter it again.
class COvCriticalSection {
 public:
  COvCriticalSection() = default;
  ~COvCriticalSection();
  COvCriticalSection(const COvCriticalSection&) = delete;
  COvCriticalSection& operator=(const COvCriticalSection&) = delete;

  unsigned Initialize();
  // Only after a successful Initialize.
  void Enter();
  void Leave();

 private:
  void* m_pNative = nullptr;
};

// Number of processors the system reports.
int OvGetProcessorCount();
// Names the calling thread for an attached debugger.
void OvSetCurrentThreadName(const char* name);

// Base of the engine's thread objects: one flag, clear on construction, that asks the thread
// to stop; its loop polls IsStopRequested.
class COvThread {
 public:
  COvThread() = default;
  virtual ~COvThread() = default;

  void RequestStop() { m_bStopRequested.store(true); }
  bool IsStopRequested() const { return m_bStopRequested.load(); }

 private:
  std::atomic<bool> m_bStopRequested{false};
};
