#include "core/ovworkermanager.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

TEST(OvWorkerManager, TagWaitIgnoresOtherTagsAndAllWaitCoversEveryWorker) {
  COvWorkerManager workers(2);
  ASSERT_EQ(2, workers.GetWorkerCount());
  workers.BeginWorkUnit(0, OvWorkerUnitTag_Render);
  workers.BeginWorkUnit(0, OvWorkerUnitTag_Render);
  workers.BeginWorkUnit(1, OvWorkerUnitTag_Physics);
  workers.BeginWorkUnit(7, OvWorkerUnitTag_Physics);  // no such worker: ignored
  std::atomic<int> renderDone{0};
  std::atomic<bool> physicsDone{false};
  std::atomic<bool> renderWaitReturned{false};
  std::thread worker([&] {
    for (int i = 0; i < 2; ++i) {
      ++renderDone;
      workers.EndWorkUnit(0, OvWorkerUnitTag_Render);
    }
    // The physics unit ends only once the render wait is over, so that wait cannot have
    // waited for it.
    while (!renderWaitReturned) std::this_thread::yield();
    physicsDone = true;
    workers.EndWorkUnit(1, OvWorkerUnitTag_Physics);
  });
  workers.WaitForTagCompletion(OvWorkerUnitTag_Render);
  EXPECT_EQ(2, renderDone);
  renderWaitReturned = true;
  workers.WaitForAllCompletion();
  EXPECT_TRUE(physicsDone);
  worker.join();
  EXPECT_TRUE(workers.GetWorker(2) == nullptr && workers.GetWorker(-1) == nullptr);
}

TEST(OvFixedRingBuffer, KeepsOrderAcrossTheWrapAndRefusesWhenFull) {
  COvFixedRingBuffer<int, 4> ring;
  int value = -1;
  EXPECT_FALSE(ring.Pop(value));
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(ring.Push(i));
  EXPECT_FALSE(ring.Push(99));
  for (int round = 0; round < 10; ++round) {  // wraps around several times
    ASSERT_TRUE(ring.Pop(value));
    EXPECT_EQ(round, value);
    EXPECT_TRUE(ring.Push(round + 4));
  }
  EXPECT_TRUE(ring.IsFull());
  EXPECT_EQ(4, ring.GetCount());
}

}  // namespace
