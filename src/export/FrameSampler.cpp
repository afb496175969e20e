#include "export/FrameSampler.h"

#include <algorithm>

#include "bitmap/BlitBitmap.h"

namespace {
// Frames handed on between two looks at the cancel button.
constexpr std::int64_t kFramesPerCheck = 15;
}  // namespace

FrameSampler::FrameSampler(VirtualClock& clock, VideoEncoder& encoder, int width, int height, int fps,
                           ColorRef background)
    : clock_(clock), encoder_(encoder), fps_(std::max(fps, 1)) {
  current_.SetSize(width, height);
  current_.Fill(background);
}

void FrameSampler::PresentFrame(const FrameBitmap& frame) {
  EmitUntil(clock_.ElapsedMs());
  if (Stopped()) return;
  ++presented_;
  if (frame.Width == current_.Width && frame.Height == current_.Height) {
    current_.Assign(frame);
  } else {
    // The screen is always the video's size; anything else lies at the top left.
    BlitBitmap(current_, frame, 0, 0);
  }
}

void FrameSampler::EmitUntil(std::int64_t ms) {
  while (!Stopped()) {
    // Frame k is shown at k * 1000 / fps ms; those before ms show current_.
    const std::int64_t end = std::min(FramesBefore(ms), next_ + kFramesPerCheck);
    if (end <= next_) return;
    const FrameBitmap* picture = &current_;
    if (Decorate) {
      decorated_.Assign(current_);
      Decorate(decorated_);
      picture = &decorated_;
    }
    if (!encoder_.PushFrames(*picture, static_cast<int>(end - next_))) {
      failed_ = true;
      return;
    }
    next_ = end;
    if (KeepGoing && !KeepGoing()) cancelled_ = true;
  }
}
