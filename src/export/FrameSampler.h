#pragma once
// Turns what the engine presents into a video of a fixed frame rate. A
// presented picture stays on screen until the next one; video frame k (at
// k / fps seconds) shows the picture on screen at that moment. Frames are
// handed on lazily, when the picture that covers them is known to end.
#include <cstdint>
#include <functional>

#include "display/DisplaySurface.h"
#include "export/VideoEncoder.h"
#include "export/VirtualClock.h"

class FrameSampler final : public DisplaySurface {
 public:
  FrameSampler(VirtualClock& clock, VideoEncoder& encoder, int width, int height, int fps, ColorRef background);

  // Called after every few frames handed on; false stops the export (a cancel).
  std::function<bool()> KeepGoing;
  // Draws the labels over a picture before it is encoded (may be unset).
  std::function<void(FrameBitmap&)> Decorate;

  void PresentFrame(const FrameBitmap& frame) override;
  // Hands on every frame before ms (the virtual time).
  void EmitUntil(std::int64_t ms);

  // The frames handed on so far, and the time the next one stands for.
  std::int64_t FramesWritten() const { return next_; }
  std::int64_t FrameTimeMs(std::int64_t frame) const { return frame * 1000 / fps_; }
  // The number of frames a video of ms milliseconds has.
  std::int64_t FramesBefore(std::int64_t ms) const { return (ms * fps_ + 999) / 1000; }
  int Presented() const { return presented_; }
  bool Failed() const { return failed_; }
  bool Cancelled() const { return cancelled_; }
  bool Stopped() const { return failed_ || cancelled_; }

 private:
  VirtualClock& clock_;
  VideoEncoder& encoder_;
  int fps_;
  FrameBitmap current_;  // the picture on screen
  FrameBitmap decorated_;
  int presented_ = 0;
  std::int64_t next_ = 0;
  bool failed_ = false;
  bool cancelled_ = false;
};
