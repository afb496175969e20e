#pragma once
// The export's clock: a transition's waits between frames move it forward
// instead of sleeping, so the show runs as fast as it can be computed while
// every frame keeps the time it would stay on screen.
#include "platform/Clock.h"

class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(QDateTime start) : start_(std::move(start)) {}
  void Sleep(int ms) override {
    if (ms > 0) elapsed_ += ms;
  }
  std::int64_t MonotonicMs() override { return elapsed_; }
  QDateTime Now() override { return start_.addMSecs(elapsed_); }

  std::int64_t ElapsedMs() const { return elapsed_; }
  void AdvanceTo(std::int64_t ms) {
    if (ms > elapsed_) elapsed_ = ms;
  }

 private:
  QDateTime start_;
  std::int64_t elapsed_ = 0;
};
