#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace {
class RealClock final : public Clock {
 public:
  void Sleep(int ms) override {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
  std::int64_t MonotonicMs() override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
  QDateTime Now() override { return QDateTime::currentDateTime(); }
};
}  // namespace

Clock& SystemClock() {
  static RealClock clock;
  return clock;
}
