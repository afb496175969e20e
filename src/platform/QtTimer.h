#pragma once
// Timer and TimerFactory on QTimer, for the running program.
#include <QTimer>

#include "platform/Timer.h"

class QtTimer final : public Timer {
 public:
  QtTimer();
  void SetInterval(int ms) override { timer_.setInterval(ms); }
  int Interval() const override { return timer_.interval(); }
  void Start() override { timer_.start(); }
  void Stop() override { timer_.stop(); }
  bool IsActive() const override { return timer_.isActive(); }
  void SetHandler(std::function<void()> onTick) override { onTick_ = std::move(onTick); }

 private:
  QTimer timer_;
  std::function<void()> onTick_;
};

class QtTimerFactory final : public TimerFactory {
 public:
  std::unique_ptr<Timer> CreateTimer() override { return std::make_unique<QtTimer>(); }
};
