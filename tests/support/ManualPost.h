#pragma once
// A user-interface thread that runs the work handed to it only when the test
// says so. Work may be handed over from any thread.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

#include "platform/UiThreadPost.h"

class ManualPost final : public UiThreadPost {
 public:
  void Post(std::function<void()> task) override {
    std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
    posted_.notify_all();
  }
  // Runs what has been handed over so far; returns how many tasks ran.
  int RunPosted() {
    std::vector<std::function<void()>> tasks;
    {
      std::lock_guard lock(mutex_);
      tasks.swap(tasks_);
    }
    for (auto& task : tasks) task();
    return static_cast<int>(tasks.size());
  }
  // Waits (up to a generous limit, so that a fault fails instead of hanging)
  // until count tasks are waiting, then runs them.
  int WaitAndRun(std::size_t count = 1) {
    {
      std::unique_lock lock(mutex_);
      posted_.wait_for(lock, std::chrono::seconds(60), [&] { return tasks_.size() >= count; });
    }
    return RunPosted();
  }

 private:
  std::mutex mutex_;
  std::condition_variable posted_;
  std::vector<std::function<void()>> tasks_;
};
