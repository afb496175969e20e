#pragma once
// Timers whose ticks a test fires by hand, and a clock that stands still
// until the test moves it.
#include <QDateTime>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Clock.h"
#include "platform/Timer.h"

class ManualTimer final : public Timer {
 public:
  void SetInterval(int ms) override { interval_ = ms; }
  int Interval() const override { return interval_; }
  void Start() override { active_ = true; ++starts; }
  void Stop() override { active_ = false; }
  bool IsActive() const override { return active_; }
  void SetHandler(std::function<void()> onTick) override { onTick_ = std::move(onTick); }
  void Fire() { if (active_ && onTick_) onTick_(); }
  int starts = 0;

 private:
  int interval_ = 0;
  bool active_ = false;
  std::function<void()> onTick_;
};

class ManualTimerFactory final : public TimerFactory {
 public:
  std::unique_ptr<Timer> CreateTimer() override {
    auto t = std::make_unique<ManualTimer>();
    timers.push_back(t.get());
    return t;
  }
  std::vector<ManualTimer*> timers;
};

class StillClock final : public Clock {
 public:
  void Sleep(int ms) override { now = now.addMSecs(ms); }
  std::int64_t MonotonicMs() override { return now.toMSecsSinceEpoch(); }
  QDateTime Now() override { return now; }
  QDateTime now{QDate(2024, 5, 6), QTime(7, 8, 9)};
};
