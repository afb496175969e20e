#pragma once
// Timers whose ticks a test fires by hand.
#include <vector>

#include "platform/Timer.h"

class FakeTimer final : public Timer {
 public:
  void SetInterval(int ms) override { interval_ = ms; }
  int Interval() const override { return interval_; }
  void Start() override { active_ = true; }
  void Stop() override { active_ = false; }
  bool IsActive() const override { return active_; }
  void SetHandler(std::function<void()> onTick) override { onTick_ = std::move(onTick); }
  // Fires the handler when the timer runs, as the event loop would.
  void Tick() {
    if (active_ && onTick_) onTick_();
  }

 private:
  int interval_ = 0;
  bool active_ = false;
  std::function<void()> onTick_;
};

class FakeTimerFactory final : public TimerFactory {
 public:
  std::unique_ptr<Timer> CreateTimer() override {
    auto timer = std::make_unique<FakeTimer>();
    created.push_back(timer.get());
    return timer;
  }
  std::vector<FakeTimer*> created;
};
