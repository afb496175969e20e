#pragma once
// The one entry point of the animated image change.
#include "display/DisplaySurface.h"
#include "engine/FrameBitmap.h"
#include "platform/Clock.h"

// Where a transition draws and how it paces its frames.
struct TransitionContext {
  FrameBitmap& Screen;       // ScreenBitmap: every frame is written here
  DisplaySurface& Surface;   // PresentFrame after each frame
  Clock& Pacing;             // the sleeps between frames
  ColorRef Background = 0;   // the display's background colour
};

// Runs transition kind from previous to next; on return Screen holds next.
// Kinds 0, 9 (Increase has its own entry) and above 18 do nothing.
void RunTransition(int kind, FrameBitmap& previous, const FrameBitmap& next,
                   const TransitionContext& context);
