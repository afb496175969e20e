#pragma once
// A headless stage for transitions: a surface that keeps every presented
// frame, a clock that only records its sleeps, and patterned screens whose
// every pixel says where it came from.
#include <cstdint>
#include <functional>
#include <vector>

#include "display/DisplaySurface.h"
#include "bitmap/FrameBitmap.h"
#include "platform/Clock.h"
#include "transitions/RunTransition.h"

// What happened, in order: a sleep of ms (>= 0) or a present (-1).
using EventLog = std::vector<int>;
constexpr int kPresented = -1;

class RecordingSurface final : public DisplaySurface {
 public:
  explicit RecordingSurface(EventLog& log) : log_(log) {}
  void PresentFrame(const FrameBitmap& frame) override {
    Frames.push_back(frame);
    log_.push_back(kPresented);
  }
  std::vector<FrameBitmap> Frames;

 private:
  EventLog& log_;
};

// Only counts, for full-size screens.
class CountingSurface final : public DisplaySurface {
 public:
  void PresentFrame(const FrameBitmap&) override { ++Count; }
  int Count = 0;
};

class RecordingClock final : public Clock {
 public:
  explicit RecordingClock(EventLog& log) : log_(log) {}
  void Sleep(int ms) override { log_.push_back(ms); }
  std::int64_t MonotonicMs() override { return 0; }
  QDateTime Now() override { return {}; }

 private:
  EventLog& log_;
};

// A picture whose pixel (x, y) is (x, y, tag) in blue, green, red (x and y
// taken mod 256), so a copied pixel shows its source position and screen.
inline FrameBitmap Pattern(int w, int h, std::uint8_t tag) {
  FrameBitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint8_t* p = b.At(x, y);
      p[0] = static_cast<std::uint8_t>(x);
      p[1] = static_cast<std::uint8_t>(y);
      p[2] = tag;
    }
  return b;
}

// A w x h frame whose pixel (x, y) is the pixel source(x, y) points at.
inline FrameBitmap Expected(int w, int h,
                            const std::function<const std::uint8_t*(int x, int y)>& source) {
  FrameBitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::uint8_t* s = source(x, y);
      std::uint8_t* d = b.At(x, y);
      d[0] = s[0], d[1] = s[1], d[2] = s[2];
    }
  return b;
}

struct TransitionRig {
  TransitionRig(int w, int h) : Old(Pattern(w, h, 1)), New(Pattern(w, h, 2)) {}
  TransitionContext Context(ColorRef background = 0) {
    return TransitionContext{Screen, Surface, Pacing, background};
  }
  // The sleeps alone, in order.
  std::vector<int> Sleeps() const {
    std::vector<int> s;
    for (int e : Log)
      if (e != kPresented) s.push_back(e);
    return s;
  }
  const std::vector<FrameBitmap>& Frames() const { return Surface.Frames; }

  FrameBitmap Old, New, Screen;
  EventLog Log;
  RecordingSurface Surface{Log};
  RecordingClock Pacing{Log};
};
