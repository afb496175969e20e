#pragma once
// Time as core sees it: waiting between animation frames and reading the
// wall clock. The real clock sleeps; tests use one that only counts.
#include <QDateTime>
#include <cstdint>

class Clock {
 public:
  virtual ~Clock() = default;
  // Blocks the calling thread for ms milliseconds without pumping messages.
  virtual void Sleep(int ms) = 0;
  // Milliseconds of a monotonic clock.
  virtual std::int64_t MonotonicMs() = 0;
  // The local date and time.
  virtual QDateTime Now() = 0;
};

// The clock of the running program.
Clock& SystemClock();
