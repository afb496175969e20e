#pragma once
// A repeating timer as core sees it. The window layer gives real Qt timers;
// tests give fakes whose ticks they fire by hand.
#include <functional>
#include <memory>

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetInterval(int ms) = 0;
  virtual int Interval() const = 0;
  virtual void Start() = 0;  // (re)starts counting the interval from now
  virtual void Stop() = 0;
  virtual bool IsActive() const = 0;
  virtual void SetHandler(std::function<void()> onTick) = 0;
};

class TimerFactory {
 public:
  virtual ~TimerFactory() = default;
  virtual std::unique_ptr<Timer> CreateTimer() = 0;
};
