// The wrappers turn the threading service's outcomes into the 0-or-error-code results.
#include "core/ovthread.h"

#include "core/platform/thread.h"

namespace {

unsigned Result(bool ok, uint32_t error) { return ok ? 0u : (error != 0 ? error : 1u); }

}  // namespace

unsigned OvCreateThread(OvThreadEntry entry, void* argument, OvHandle& thread, unsigned& threadId) {
  uint32_t error = 0;
  uint32_t id = 0;
  bool ok = ovthread::StartThread(entry, argument, thread, id, error);
  if (ok) threadId = id;
  return Result(ok, error);
}

unsigned OvCloseHandle(OvHandle handle) {
  uint32_t error = 0;
  return Result(ovthread::CloseObject(handle, error), error);
}

unsigned OvWaitForHandle(OvHandle handle) {
  uint32_t error = 0;
  return Result(ovthread::WaitForObject(handle, error), error);
}

unsigned OvCreateEvent(OvHandle& event) {
  uint32_t error = 0;
  return Result(ovthread::NewEvent(event, error), error);
}

unsigned OvSetEvent(OvHandle event) {
  uint32_t error = 0;
  return Result(ovthread::SignalEvent(event, error), error);
}

unsigned OvResetEvent(OvHandle event) {
  uint32_t error = 0;
  return Result(ovthread::ClearEvent(event, error), error);
}

unsigned OvCreateSemaphore(OvHandle& semaphore, int initialCount, int maximumCount) {
  uint32_t error = 0;
  return Result(ovthread::NewSemaphore(semaphore, initialCount, maximumCount, error), error);
}

unsigned OvReleaseSemaphore(OvHandle semaphore) {
  uint32_t error = 0;
  return Result(ovthread::PostSemaphore(semaphore, error), error);
}

COvCriticalSection::~COvCriticalSection() {
  ovthread::Lock lock{m_pNative};
  ovthread::DestroyLock(lock);
}

unsigned COvCriticalSection::Initialize() {
  if (m_pNative) return 0;
  uint32_t error = 0;
  ovthread::Lock lock;
  bool ok = ovthread::InitLock(lock, error);
  m_pNative = lock.native;
  return Result(ok, error);
}

void COvCriticalSection::Enter() {
  ovthread::Lock lock{m_pNative};
  ovthread::EnterLock(lock);
}

void COvCriticalSection::Leave() {
  ovthread::Lock lock{m_pNative};
  ovthread::LeaveLock(lock);
}

int OvGetProcessorCount() { return ovthread::ProcessorCount(); }

void OvSetCurrentThreadName(const char* name) { ovthread::NameCurrentThread(name); }
