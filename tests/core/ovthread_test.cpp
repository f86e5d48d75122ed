#include "core/ovthread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "core/ovwaitevent.h"

namespace {

struct Waiter {
  OvHandle event = nullptr;
  int seen = 0;
};

unsigned WaitThenStore(void* argument) {
  Waiter& waiter = *static_cast<Waiter*>(argument);
  OvWaitForHandle(waiter.event);
  waiter.seen = 1;
  return 0;
}

TEST(OvThread, ThreadGetsItsArgumentAndSetEventReleasesItsWait) {
  Waiter waiter;
  ASSERT_EQ(0u, OvCreateEvent(waiter.event));
  OvHandle thread = nullptr;
  unsigned id = 0;
  ASSERT_EQ(0u, OvCreateThread(&WaitThenStore, &waiter, thread, id));
  EXPECT_EQ(0u, OvSetEvent(waiter.event));  // kept set until the thread's wait takes it
  EXPECT_EQ(0u, OvWaitForHandle(thread));
  EXPECT_EQ(1, waiter.seen);
  EXPECT_EQ(0u, OvWaitForHandle(thread));  // a finished thread can be waited for again
  EXPECT_EQ(0u, OvResetEvent(waiter.event));
  for (OvHandle handle : {thread, waiter.event}) EXPECT_EQ(0u, OvCloseHandle(handle));
}

TEST(OvThread, SemaphoreCountsUpToItsMaximum) {
  OvHandle semaphore = nullptr;
  ASSERT_EQ(0u, OvCreateSemaphore(semaphore, 1, 2));
  EXPECT_EQ(0u, OvReleaseSemaphore(semaphore));
  EXPECT_NE(0u, OvReleaseSemaphore(semaphore));  // already at 2
  // Two waits take both counts, after which it can be released again.
  EXPECT_EQ((std::vector<unsigned>(4, 0u)),
            (std::vector<unsigned>{OvWaitForHandle(semaphore), OvWaitForHandle(semaphore),
                                   OvReleaseSemaphore(semaphore), OvCloseHandle(semaphore)}));
  OvHandle bad = nullptr;
  EXPECT_TRUE(OvCreateSemaphore(bad, 3, 2) != 0u && OvCloseHandle(nullptr) != 0u);
}

struct Shared {
  COvCriticalSection lock;
  long total = 0;  // guarded by lock only
};

unsigned AddUnderLock(void* argument) {
  Shared& shared = *static_cast<Shared*>(argument);
  for (int i = 0; i < 20000; ++i) {
    shared.lock.Enter();
    shared.lock.Enter();  // recursive
    ++shared.total;
    shared.lock.Leave();
    shared.lock.Leave();
  }
  return 0;
}

TEST(OvThread, CriticalSectionSerialisesTheThreads) {
  Shared shared;
  ASSERT_EQ(0u, shared.lock.Initialize());
  OvHandle threads[3];
  unsigned id = 0;
  for (OvHandle& thread : threads) ASSERT_EQ(0u, OvCreateThread(&AddUnderLock, &shared, thread, id));
  for (OvHandle thread : threads) EXPECT_TRUE(OvWaitForHandle(thread) == 0u && OvCloseHandle(thread) == 0u);
  EXPECT_EQ(60000, shared.total);
}

TEST(OvWaitEvent, WaitReturnsOnceSet) {
  COvWaitEvent event;
  EXPECT_TRUE(event.Test());
  event.Wait();  // set from the start: returns at once
  event.Clear();
  ASSERT_FALSE(event.Test());
  std::atomic<bool> written{false};
  std::thread setter([&] {
    written = true;
    event.Set();
  });
  event.Wait();
  EXPECT_TRUE(written);
  setter.join();
}

}  // namespace
