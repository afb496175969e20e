#pragma once
// The one entry point of the animated image change.
#include "display/DisplaySurface.h"
#include "bitmap/FrameBitmap.h"
#include "platform/Clock.h"

// Where a transition draws and how it paces its frames.
struct TransitionContext {
  FrameBitmap& Screen;       // ScreenBitmap: every frame is written here
  DisplaySurface& Surface;   // PresentFrame after each frame
  Clock& Pacing;             // the sleeps between frames
  ColorRef Background = 0;   // the display's background colour
  // Square reseeds the random generator from the clock before it draws its
  // tile order. A repeatable run (a seeded render, a test) sets this to keep
  // the current sequence instead.
  bool KeepRandomSequence = false;
};

// Runs transition kind from previous to next; on return Screen holds next
// (the puzzle leaves its tiled picture of next instead). Kinds 0, 9 (Increase
// has its own entry) and above 18 do nothing and leave Screen untouched.
void RunTransition(int kind, FrameBitmap& previous, const FrameBitmap& next,
                   const TransitionContext& context);
