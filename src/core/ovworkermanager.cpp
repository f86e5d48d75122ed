// The waits read the counters without a lock, once per turn; a turn gives up the rest of its
// time slice so a spinning waiter leaves the processor to the workers it waits for.
#include "core/ovworkermanager.h"

#include "core/platform/thread.h"

namespace {

void SpinUntilEqual(const std::atomic<uint32_t>& completed, const std::atomic<uint32_t>& started) {
  while (completed.load(std::memory_order_acquire) != started.load(std::memory_order_acquire)) {
    ovthread::YieldThread();
  }
}

bool ValidTag(OvWorkerUnitTag tag) { return tag >= 0 && tag < OvWorkerUnitTag_Count; }

}  // namespace

COvWorkerManager::COvWorkerManager(int workerCount) {
  if (workerCount < 1) return;
  m_pWorkers = new SWorker[workerCount];
  m_iWorkerCount = workerCount;
}

COvWorkerManager::~COvWorkerManager() { delete[] m_pWorkers; }

COvWorkerManager::SWorker* COvWorkerManager::GetWorker(int index) {
  return index >= 0 && index < m_iWorkerCount ? &m_pWorkers[index] : nullptr;
}

void COvWorkerManager::BeginWorkUnit(int worker, OvWorkerUnitTag tag) {
  SWorker* record = GetWorker(worker);
  if (!record || !ValidTag(tag)) return;
  record->startedByTag[tag].fetch_add(1, std::memory_order_acq_rel);
  record->started.fetch_add(1, std::memory_order_acq_rel);
}

void COvWorkerManager::EndWorkUnit(int worker, OvWorkerUnitTag tag) {
  SWorker* record = GetWorker(worker);
  if (!record || !ValidTag(tag)) return;
  record->completedByTag[tag].fetch_add(1, std::memory_order_acq_rel);
  record->completed.fetch_add(1, std::memory_order_acq_rel);
}

void COvWorkerManager::WaitForAllCompletion() const {
  for (int i = 0; i < m_iWorkerCount; ++i) SpinUntilEqual(m_pWorkers[i].completed, m_pWorkers[i].started);
}

void COvWorkerManager::WaitForTagCompletion(OvWorkerUnitTag tag) const {
  if (!ValidTag(tag)) return;
  for (int i = 0; i < m_iWorkerCount; ++i) {
    SpinUntilEqual(m_pWorkers[i].completedByTag[tag], m_pWorkers[i].startedByTag[tag]);
  }
}
