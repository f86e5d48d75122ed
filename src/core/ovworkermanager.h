// COvWorkerManager: the bookkeeping of the engine's worker threads and the waits for their
// work to complete. Each worker record counts the work units started and completed, in total
// and per tag, and keeps a queue of pending units. How units are queued and run is up to the
// engine's workers; they report each unit through BeginWorkUnit and EndWorkUnit.
#pragma once

#include <atomic>
#include <cstdint>

#include "core/ovfixedringbuffer.h"

enum OvWorkerUnitTag {
  OvWorkerUnitTag_Default = 0,
  OvWorkerUnitTag_Render,
  OvWorkerUnitTag_Physics,
  OvWorkerUnitTag_Animation,
  OvWorkerUnitTag_Streaming,
  OvWorkerUnitTag_Count,
};

struct SWorkUnit {
  void (*function)(void* argument) = nullptr;
  void* argument = nullptr;
  OvWorkerUnitTag tag = OvWorkerUnitTag_Default;
};

class COvWorkerManager {
 public:
  static constexpr int kQueueSize = 64;

  struct SWorker {
    std::atomic<uint32_t> started{0};
    std::atomic<uint32_t> completed{0};
    std::atomic<uint32_t> startedByTag[OvWorkerUnitTag_Count] = {};
    std::atomic<uint32_t> completedByTag[OvWorkerUnitTag_Count] = {};
    COvFixedRingBuffer<SWorkUnit, kQueueSize> queue;
  };

  // workerCount records (none when it is below 1).
  explicit COvWorkerManager(int workerCount);
  ~COvWorkerManager();
  COvWorkerManager(const COvWorkerManager&) = delete;
  COvWorkerManager& operator=(const COvWorkerManager&) = delete;

  int GetWorkerCount() const { return m_iWorkerCount; }
  // Null when index is out of range.
  SWorker* GetWorker(int index);

  // Counters the workers update; an index or tag out of range is ignored.
  void BeginWorkUnit(int worker, OvWorkerUnitTag tag);
  void EndWorkUnit(int worker, OvWorkerUnitTag tag);

  // Spins, worker after worker, until each has completed as many units as it started.
  void WaitForAllCompletion() const;
  // The same for the units of one tag only.
  void WaitForTagCompletion(OvWorkerUnitTag tag) const;

 private:
  int m_iWorkerCount = 0;
  SWorker* m_pWorkers = nullptr;
};
