#include "bitmap/ParallelRows.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace {

std::atomic<int> requestedThreads{0};

// Set on a thread while it runs bands, so a call from inside a body does
// not wait for the pool it is part of.
thread_local bool insideBands = false;

int MachineThreads() {
  const unsigned n = std::thread::hardware_concurrency();
  return n == 0 ? 1 : static_cast<int>(std::min(n, 64u));
}

class RowPool {
 public:
  ~RowPool() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : workers_) t.join();
  }

  // False when another thread's call holds the pool; the caller then runs
  // its bands itself.
  bool TryRun(int rowCount, int bandRows, int threads, parallel_rows::BandFunction function, void* body) {
    std::unique_lock busy(busy_, std::try_to_lock);
    if (!busy.owns_lock()) return false;
    {
      std::lock_guard lock(mutex_);
      while (static_cast<int>(workers_.size()) < threads - 1)
        workers_.emplace_back([this, index = static_cast<int>(workers_.size())] { Work(index); });
      function_ = function;
      body_ = body;
      rowCount_ = rowCount;
      bandRows_ = bandRows;
      nextBand_.store(0);
      helpers_ = threads - 1;
      pending_ = threads - 1;
      error_ = nullptr;
      ++generation_;
    }
    wake_.notify_all();
    RunBands();
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [&] { return pending_ == 0; });
    if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
    return true;
  }

 private:
  void RunBands() {
    insideBands = true;
    try {
      for (;;) {
        const int begin = nextBand_.fetch_add(bandRows_) ;
        if (begin >= rowCount_) break;
        function_(body_, begin, std::min(begin + bandRows_, rowCount_));
      }
    } catch (...) {
      std::lock_guard lock(mutex_);
      if (!error_) error_ = std::current_exception();
      nextBand_.store(rowCount_);
    }
    insideBands = false;
  }

  void Work(int index) {
    long long seen = 0;
    for (;;) {
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
        if (stopping_) return;
        seen = generation_;
        if (index >= helpers_) continue;  // not needed for this call
      }
      RunBands();
      {
        std::lock_guard lock(mutex_);
        --pending_;
      }
      finished_.notify_one();
    }
  }

  std::mutex busy_;  // held by the call using the pool
  std::mutex mutex_;
  std::condition_variable wake_, finished_;
  std::vector<std::thread> workers_;
  bool stopping_ = false;
  long long generation_ = 0;
  // The call in progress; written under mutex_ before the workers wake.
  parallel_rows::BandFunction function_ = nullptr;
  void* body_ = nullptr;
  int rowCount_ = 0;
  int bandRows_ = 1;
  int helpers_ = 0;
  int pending_ = 0;
  std::atomic<int> nextBand_{0};
  std::exception_ptr error_;
};

RowPool& Pool() {
  static RowPool pool;
  return pool;
}

}  // namespace

void SetRowThreads(int threads) { requestedThreads.store(std::max(threads, 0)); }

int RowThreads() {
  const int n = requestedThreads.load();
  return n > 0 ? std::min(n, 64) : MachineThreads();
}

namespace parallel_rows {

void Run(int rowCount, int minRowsPerBand, BandFunction function, void* body) {
  if (rowCount <= 0) return;
  const int minRows = std::max(minRowsPerBand, 1);
  const int threads = std::min(RowThreads(), (rowCount + minRows - 1) / minRows);
  if (threads > 1 && !insideBands) {
    // A few bands per thread even out rows of unequal cost.
    const int bands = threads * 4;
    const int bandRows = std::max(minRows, (rowCount + bands - 1) / bands);
    if (Pool().TryRun(rowCount, bandRows, threads, function, body)) return;
  }
  function(body, 0, rowCount);
}

}  // namespace parallel_rows
