// The ordered parallel copy. Small files cost a handful of system calls each and the disk
// rarely keeps one thread busy, so a few workers overlap them; more than a few only contend
// for the directory locks.
#include "core/ovcopyfiles.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "core/platform/filesystem.h"

namespace {

enum : unsigned char { kPending, kCopied, kFailed };

bool CopyJob(const OvCopyJob& job) {
  return ovfs::CopyFileReplacing(job.source.GetBuffer(), job.target.GetBuffer());
}

class OrderedCopy {
 public:
  explicit OrderedCopy(const std::vector<OvCopyJob>& jobs) : m_jobs(jobs), m_states(new std::atomic<unsigned char>[jobs.size()]) {
    for (size_t i = 0; i < jobs.size(); ++i) m_states[i].store(kPending, std::memory_order_relaxed);
  }

  void Work() {
    for (;;) {
      size_t i = m_next.fetch_add(1);
      if (i >= m_jobs.size()) return;
      m_states[i].store(CopyJob(m_jobs[i]) ? kCopied : kFailed, std::memory_order_release);
      std::lock_guard<std::mutex> lock(m_mutex);
      if (m_waitingFor == i) m_done.notify_one();
    }
  }

  bool Await(size_t i) {
    unsigned char state = m_states[i].load(std::memory_order_acquire);
    if (state == kPending) {
      std::unique_lock<std::mutex> lock(m_mutex);
      m_waitingFor = i;
      m_done.wait(lock, [&] { return (state = m_states[i].load(std::memory_order_acquire)) != kPending; });
      m_waitingFor = static_cast<size_t>(-1);
    }
    return state == kCopied;
  }

 private:
  const std::vector<OvCopyJob>& m_jobs;
  std::unique_ptr<std::atomic<unsigned char>[]> m_states;
  std::atomic<size_t> m_next{0};
  std::mutex m_mutex;
  std::condition_variable m_done;
  size_t m_waitingFor = static_cast<size_t>(-1);
};

}  // namespace

void OvCopyFilesInOrder(const std::vector<OvCopyJob>& jobs, const std::function<void(size_t)>& announce,
                        const std::function<void(size_t, bool)>& report, unsigned threads) {
  if (threads > jobs.size()) threads = static_cast<unsigned>(jobs.size());
  OrderedCopy copy(jobs);
  std::vector<std::thread> workers;
  for (unsigned t = 0; t < threads; ++t) {
    try {
      workers.emplace_back([&copy] { copy.Work(); });
    } catch (const std::system_error&) {
      break;  // Fewer workers; none at all leaves the work to this thread.
    }
  }
  if (workers.empty()) {
    for (size_t i = 0; i < jobs.size(); ++i) {
      announce(i);
      report(i, CopyJob(jobs[i]));
    }
    return;
  }
  for (size_t i = 0; i < jobs.size(); ++i) {
    announce(i);
    report(i, copy.Await(i));
  }
  for (std::thread& worker : workers) worker.join();
}
