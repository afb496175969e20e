#pragma once
// What every transition shares: the two screens it reads, the start from the
// old screen, and the pacing of a frame.
#include "bitmap/FrameBitmap.h"
#include "transitions/RunTransition.h"

// The old and the new screen as a transition reads them: both of the new
// screen's size and neither of them ScreenBitmap. They are the caller's
// bitmaps, or private copies where those cannot be read safely (an old screen
// of another size, or an input that is ScreenBitmap itself). Building one also
// starts the animation: ScreenBitmap takes the new screen's size and the old
// screen's content.
class TransitionScreens {
 public:
  TransitionScreens(const FrameBitmap& previous, const FrameBitmap& next,
                    const TransitionContext& context);
  TransitionScreens(const TransitionScreens&) = delete;
  TransitionScreens& operator=(const TransitionScreens&) = delete;

  const FrameBitmap& Old() const { return *old_; }
  const FrameBitmap& New() const { return *new_; }

 private:
  FrameBitmap ownOld_;
  FrameBitmap ownNew_;
  const FrameBitmap* old_ = nullptr;
  const FrameBitmap* new_ = nullptr;
};

// Ends one frame: waits ms milliseconds, then shows ScreenBitmap.
inline void SleepAndPresent(const TransitionContext& context, int ms) {
  context.Pacing.Sleep(ms);
  context.Surface.PresentFrame(context.Screen);
}

// The closing frame of every kind: ScreenBitmap becomes the new screen exactly.
void CopyWholeScreen(FrameBitmap& screen, const FrameBitmap& source);
