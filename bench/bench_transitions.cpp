// Speed of the transitions on a 1920 x 1080 screen.
//
// BM_Frame/<kind>: runs whole transitions with a clock that does not sleep
// and a surface that only notes the thread's processor time; counters give
// the median time of one frame (from one present to the next, so the setup
// before frame 0 drops out of the median), the time up to the first frame
// (setup included), the 90th percentile of the later frames and the sum of
// the sleeps the kind asks for. BM_Frame/Memcpy is the floor: frames that
// are one memcpy of the whole screen. BM_WithSleeps/<kind> runs the transition with the real
// clock, so its time is the whole duration as seen, sleeps included.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "display/DisplaySurface.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "transitions/BandTransitions.h"
#include "transitions/BlendTransitions.h"
#include "transitions/EdgeTransitions.h"
#include "transitions/FlipTransition.h"
#include "transitions/PageTransition.h"
#include "transitions/PeelTransition.h"
#include "transitions/PuzzleTransition.h"
#include "transitions/SeparateTransition.h"
#include "transitions/SquareTransition.h"
#include "transitions/ZoomTransition.h"

namespace {
constexpr int kW = 1920, kH = 1080;

FrameBitmap Noise(std::uint32_t seed) {
  FrameBitmap b(kW, kH);
  for (auto& byte : b.Pixels) {
    seed = seed * 1664525u + 1013904223u;
    byte = static_cast<std::uint8_t>(seed >> 24);
  }
  return b;
}
const FrameBitmap& OldScreen() {
  static const FrameBitmap b = Noise(1);
  return b;
}
const FrameBitmap& NewScreen() {
  static const FrameBitmap b = Noise(2);
  return b;
}

// Processor time of this thread, so that other work on the machine does not
// count into a frame.
double ThreadNs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) * 1e9 + static_cast<double>(ts.tv_nsec);
}

class TimingSurface final : public DisplaySurface {
 public:
  void Start() {
    last_ = ThreadNs();
    first_ = true;
  }
  void PresentFrame(const FrameBitmap&) override {
    const double now = ThreadNs();
    FrameNs.push_back(now - last_);
    if (first_) FirstNs.push_back(now - last_);
    else LaterNs.push_back(now - last_);
    first_ = false;
    last_ = now;
  }
  std::vector<double> FrameNs;
  std::vector<double> FirstNs;  // up to the first frame of each run
  std::vector<double> LaterNs;  // the frames after the first

 private:
  double last_ = 0;
  bool first_ = false;
};

class SummingClock final : public Clock {
 public:
  void Sleep(int ms) override { SleptMs += ms; }
  std::int64_t MonotonicMs() override { return 0; }
  QDateTime Now() override { return {}; }
  long SleptMs = 0;
};

class NullSurface final : public DisplaySurface {
 public:
  void PresentFrame(const FrameBitmap&) override {}
};

using Run = std::function<void(const FrameBitmap&, const FrameBitmap&, const TransitionContext&)>;
template <typename Fn>
Run With(Fn fn, int choice) {
  return [fn, choice](const FrameBitmap& o, const FrameBitmap& n, const TransitionContext& c) {
    fn(choice, o, n, c);
  };
}

// The kinds that treat four parts in turn, with a fixed plan.
template <typename Fn>
Run WithPlan(Fn fn, FourPartPlan plan) {
  return [fn, plan](const FrameBitmap& o, const FrameBitmap& n, const TransitionContext& c) {
    fn(plan, o, n, c);
  };
}

struct Kind {
  const char* name;
  Run run;
};
// The floor: 33 frames that are each one memcpy of the whole new screen.
void MemcpyFrames(const FrameBitmap&, const FrameBitmap& next, const TransitionContext& c) {
  c.Screen.SetSize(next.Width, next.Height);
  for (int t = 0; t <= 32; ++t) {
    std::memcpy(c.Screen.Pixels.data(), next.Pixels.data(), next.Pixels.size());
    c.Surface.PresentFrame(c.Screen);
  }
}

const std::vector<Kind>& Kinds() {
  static const std::vector<Kind> kinds = {
      {"Memcpy", MemcpyFrames},
      {"FadeOutIn", FadeOutIn},
      {"CrossFade", [](const FrameBitmap& o, const FrameBitmap& n, const TransitionContext& c) { CrossFade(o, n, c); }},
      {"Melt", Melt},
      {"Wipe/0", With(Wipe, 0)},
      {"Wipe/1", With(Wipe, 1)},
      {"Slide/0", With(Slide, 0)},
      {"Slide/4", With(Slide, 4)},
      {"Slide/5", With(Slide, 5)},
      {"Push/0", With(Push, 0)},
      {"Push/3", With(Push, 3)},
      {"Fit/0", With(Fit, 0)},
      {"Fit/1", With(Fit, 1)},
      {"Blind/0", With(Blind, 0)},
      {"Blind/1", With(Blind, 1)},
      {"Square", Square},
      {"Shutter", Shutter},
      {"Squeeze/0", With(Squeeze, 0)},
      {"Squeeze/1", With(Squeeze, 1)},
      {"Separate", WithPlan(Separate, FourPartPlan{{2, 0, 3, 1}, {0, 1, 0, 1}})},
      {"ZoomInOut", ZoomInOut},
      {"Puzzle", Puzzle},
      {"Flip/0", WithPlan(Flip, FourPartPlan{{0, 1, 2, 3}, {0, 0, 0, 0}})},
      {"Flip/1", WithPlan(Flip, FourPartPlan{{0, 1, 2, 3}, {1, 1, 1, 1}})},
      {"Page/0", With(Page, 0)},
      {"Page/1", With(Page, 1)},
      {"Peel/0", With(Peel, 0)},
      {"Peel/1", With(Peel, 1)},
      {"Peel/2", With(Peel, 2)},
  };
  return kinds;
}

void BM_Frame(benchmark::State& state, const Kind* kind) {
  FrameBitmap screen;
  TimingSurface surface;
  SummingClock clock;
  TransitionContext context{screen, surface, clock};
  context.KeepRandomSequence = true;
  SeedRandom(1);
  long sleptPerRun = 0;
  for (auto _ : state) {
    clock.SleptMs = 0;
    surface.Start();
    kind->run(OldScreen(), NewScreen(), context);
    sleptPerRun = clock.SleptMs;
    benchmark::DoNotOptimize(screen.Pixels.data());
  }
  std::vector<double>& ns = surface.FrameNs;
  std::nth_element(ns.begin(), ns.begin() + ns.size() / 2, ns.end());
  const double median = ns[ns.size() / 2];
  // The floor runs first (it is registered first); every kind is put against it.
  static double floorNs = 0;
  if (std::string(kind->name) == "Memcpy") floorNs = median;
  state.counters["frame_median_us"] = median / 1000.0;
  std::vector<double>& first = surface.FirstNs;
  std::nth_element(first.begin(), first.begin() + first.size() / 2, first.end());
  state.counters["first_frame_us"] = first[first.size() / 2] / 1000.0;
  if (floorNs > 0) state.counters["x_memcpy"] = median / floorNs;
  // The slow end of the frames after the first (the first carries the
  // setup): the 90th percentile, since the very slowest frame mostly
  // measures what else the machine was doing.
  std::vector<double>& later = surface.LaterNs;
  if (floorNs > 0 && !later.empty()) {
    const auto p90 = later.begin() + static_cast<std::ptrdiff_t>(later.size() * 9 / 10);
    std::nth_element(later.begin(), p90, later.end());
    state.counters["x_memcpy_p90"] = *p90 / floorNs;
  }
  state.counters["frames"] = static_cast<double>(surface.FrameNs.size()) / state.iterations();
  state.counters["sleeps_ms"] = static_cast<double>(sleptPerRun);
}

void BM_WithSleeps(benchmark::State& state, const Kind* kind) {
  FrameBitmap screen;
  NullSurface surface;
  TransitionContext context{screen, surface, SystemClock()};
  for (auto _ : state) kind->run(OldScreen(), NewScreen(), context);
}

const bool registered = [] {
  for (const Kind& kind : Kinds())
    benchmark::RegisterBenchmark((std::string("BM_Frame/") + kind.name).c_str(), BM_Frame, &kind)
        ->Unit(benchmark::kMillisecond);
  for (const Kind& kind : Kinds())
    benchmark::RegisterBenchmark((std::string("BM_WithSleeps/") + kind.name).c_str(), BM_WithSleeps,
                                 &kind)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3)
        ->UseRealTime();
  return true;
}();
}  // namespace

BENCHMARK_MAIN();
