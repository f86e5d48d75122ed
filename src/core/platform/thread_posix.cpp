// The threading service on POSIX systems: pthreads for threads, and events and semaphores
// built from a mutex and a condition variable, so that one wait call serves every kind of
// handle as on Windows. Generic POSIX code, plus pthread_setname_np where glibc has it.
#include <pthread.h>
#include <sched.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <new>

#include "core/platform/thread.h"

namespace ovthread {
namespace {

// Every handle points to one of these; the last of its owners deletes it.
class Object {
 public:
  virtual ~Object() = default;
  virtual void Wait() = 0;
  void AddOwner() { m_owners.fetch_add(1); }
  void DropOwner() {
    if (m_owners.fetch_sub(1) == 1) delete this;
  }

 protected:
  std::mutex m_mutex;
  std::condition_variable m_changed;

 private:
  std::atomic<int> m_owners{1};
};

// Owned by its handle and by the running thread, so closing the handle early is safe.
class ThreadObject : public Object {
 public:
  ThreadObject(Entry entry, void* argument) : m_entry(entry), m_argument(argument) {}
  void Wait() override {
    std::unique_lock<std::mutex> hold(m_mutex);
    m_changed.wait(hold, [this] { return m_finished; });
  }
  static void* Run(void* self) {
    ThreadObject* thread = static_cast<ThreadObject*>(self);
    thread->m_entry(thread->m_argument);
    {
      std::lock_guard<std::mutex> hold(thread->m_mutex);
      thread->m_finished = true;
    }
    thread->m_changed.notify_all();
    thread->DropOwner();
    return nullptr;
  }
  pthread_t id{};

 private:
  Entry m_entry;
  void* m_argument;
  bool m_finished = false;
};

class EventObject : public Object {
 public:
  void Wait() override {
    std::unique_lock<std::mutex> hold(m_mutex);
    m_changed.wait(hold, [this] { return m_set; });
    m_set = false;
  }
  void Set(bool set) {
    {
      std::lock_guard<std::mutex> hold(m_mutex);
      m_set = set;
    }
    if (set) m_changed.notify_one();
  }

 private:
  bool m_set = false;
};

class SemaphoreObject : public Object {
 public:
  SemaphoreObject(int initial, int maximum) : m_count(initial), m_maximum(maximum) {}
  void Wait() override {
    std::unique_lock<std::mutex> hold(m_mutex);
    m_changed.wait(hold, [this] { return m_count > 0; });
    --m_count;
  }
  bool Post() {
    {
      std::lock_guard<std::mutex> hold(m_mutex);
      if (m_count >= m_maximum) return false;
      ++m_count;
    }
    m_changed.notify_one();
    return true;
  }

 private:
  int m_count;
  int m_maximum;
};

template <class T>
T* As(Handle handle) {
  return dynamic_cast<T*>(static_cast<Object*>(handle));
}

bool Fail(uint32_t& error, int code) {
  error = static_cast<uint32_t>(code);
  return false;
}

}  // namespace

bool StartThread(Entry entry, void* argument, Handle& thread, uint32_t& threadId, uint32_t& error) {
  if (!entry) return Fail(error, EINVAL);
  ThreadObject* created = new (std::nothrow) ThreadObject(entry, argument);
  if (!created) return Fail(error, ENOMEM);
  created->AddOwner();
  int result = pthread_create(&created->id, nullptr, &ThreadObject::Run, created);
  if (result != 0) {
    delete created;
    return Fail(error, result);
  }
  // Nothing joins: the handle's waits use the object's own flag.
  pthread_detach(created->id);
  static std::atomic<uint32_t> nextId{1};
  threadId = nextId.fetch_add(1);
  thread = static_cast<Object*>(created);
  return true;
}

bool CloseObject(Handle handle, uint32_t& error) {
  if (!handle) return Fail(error, EBADF);
  static_cast<Object*>(handle)->DropOwner();
  return true;
}

bool WaitForObject(Handle handle, uint32_t& error) {
  if (!handle) return Fail(error, EBADF);
  static_cast<Object*>(handle)->Wait();
  return true;
}

bool NewEvent(Handle& event, uint32_t& error) {
  EventObject* created = new (std::nothrow) EventObject();
  if (!created) return Fail(error, ENOMEM);
  event = static_cast<Object*>(created);
  return true;
}

bool SignalEvent(Handle event, uint32_t& error) {
  EventObject* target = As<EventObject>(event);
  if (!target) return Fail(error, EBADF);
  target->Set(true);
  return true;
}

bool ClearEvent(Handle event, uint32_t& error) {
  EventObject* target = As<EventObject>(event);
  if (!target) return Fail(error, EBADF);
  target->Set(false);
  return true;
}

bool NewSemaphore(Handle& semaphore, int initial, int maximum, uint32_t& error) {
  if (maximum <= 0 || initial < 0 || initial > maximum) return Fail(error, EINVAL);
  SemaphoreObject* created = new (std::nothrow) SemaphoreObject(initial, maximum);
  if (!created) return Fail(error, ENOMEM);
  semaphore = static_cast<Object*>(created);
  return true;
}

bool PostSemaphore(Handle semaphore, uint32_t& error) {
  SemaphoreObject* target = As<SemaphoreObject>(semaphore);
  if (!target) return Fail(error, EBADF);
  return target->Post() || Fail(error, EOVERFLOW);
}

bool InitLock(Lock& lock, uint32_t& error) {
  std::recursive_mutex* created = new (std::nothrow) std::recursive_mutex();
  if (!created) return Fail(error, ENOMEM);
  lock.native = created;
  return true;
}

void EnterLock(Lock& lock) { static_cast<std::recursive_mutex*>(lock.native)->lock(); }

void LeaveLock(Lock& lock) { static_cast<std::recursive_mutex*>(lock.native)->unlock(); }

void DestroyLock(Lock& lock) {
  delete static_cast<std::recursive_mutex*>(lock.native);
  lock.native = nullptr;
}

void SleepMilliseconds(unsigned milliseconds) {
  timespec left = {static_cast<time_t>(milliseconds / 1000),
                   static_cast<long>(milliseconds % 1000) * 1000000L};
  while (nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
}

void YieldThread() { sched_yield(); }

int ProcessorCount() {
  long count = sysconf(_SC_NPROCESSORS_ONLN);
  return count < 1 ? 1 : static_cast<int>(count);
}

void NameCurrentThread(const char* name) {
#if defined(__GLIBC__)
  if (!name) return;
  // The kernel keeps 15 characters.
  char shortName[16];
  std::strncpy(shortName, name, sizeof(shortName) - 1);
  shortName[sizeof(shortName) - 1] = 0;
  pthread_setname_np(pthread_self(), shortName);
#else
  (void)name;
#endif
}

}  // namespace ovthread
