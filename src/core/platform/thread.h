// The threading service: threads, auto-reset events, counting semaphores, recursive locks
// (critical sections), sleeping, the processor count and thread names for debuggers.
//
// Threads, events and semaphores are opaque handles (null: none); each is closed with
// CloseObject. A thread handle may be waited on any number of times; closing it while the
// thread runs leaves the thread running. Calls that can fail return false with the system's
// error code in error (which may be 0 when the system gave none).
#pragma once

#include <cstdint>

namespace ovthread {

typedef void* Handle;
typedef unsigned (*Entry)(void* argument);

bool StartThread(Entry entry, void* argument, Handle& thread, uint32_t& threadId, uint32_t& error);
bool CloseObject(Handle handle, uint32_t& error);
// Waits without limit: a thread until it ended, an event until set (which clears it again), a
// semaphore until its count is above 0 (which takes one).
bool WaitForObject(Handle handle, uint32_t& error);

// An auto-reset event, initially clear.
bool NewEvent(Handle& event, uint32_t& error);
bool SignalEvent(Handle event, uint32_t& error);
bool ClearEvent(Handle event, uint32_t& error);

// A semaphore holding initial of at most maximum counts.
bool NewSemaphore(Handle& semaphore, int initial, int maximum, uint32_t& error);
// Adds one count; fails when the count is at its maximum.
bool PostSemaphore(Handle semaphore, uint32_t& error);

// A recursive lock; the storage is opaque (null until initialized).
struct Lock {
  void* native = nullptr;
};
bool InitLock(Lock& lock, uint32_t& error);
void EnterLock(Lock& lock);
void LeaveLock(Lock& lock);
void DestroyLock(Lock& lock);

void SleepMilliseconds(unsigned milliseconds);
// Gives the rest of the calling thread's time slice to another thread.
void YieldThread();
// Number of processors the system reports; at least 1.
int ProcessorCount();
// Names the calling thread for debuggers (where the host keeps thread names).
void NameCurrentThread(const char* name);

}  // namespace ovthread
