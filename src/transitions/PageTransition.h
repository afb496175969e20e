#pragma once
// Page: the screen turns like the page of a book about its vertical centre
// line.
#include "bitmap/FrameBitmap.h"
#include "transitions/RunTransition.h"

constexpr int kPageShade = 32;
constexpr int kPageSleepMs = 4;

// Direction 0 (the page turns to the right): the old left half folds in
// towards the centre, darkening, uncovering the new left half (17 frames);
// then the new right part unfolds from the centre over the old, brightening
// (17 frames). Direction 1 is the mirror image. Frames 4 ms apart.
void Page(int direction, const FrameBitmap& previous, const FrameBitmap& next,
          const TransitionContext& context);
