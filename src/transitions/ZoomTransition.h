#pragma once
// Zoom in/out: the old screen shrinks into the middle of the background,
// the plain background holds for a moment, and the new screen grows out of
// the middle to full size.
#include "bitmap/FrameBitmap.h"
#include "transitions/RunTransition.h"

// With step = H / 32: 31 frames of the old screen at height H − i × step
// (i = 1..30) and then the plain background (i = 31), 120 ms on the
// background, then 32 frames of the new screen at height H − step × (32 − i)
// (i = 1..32), each picture at the screen's aspect, centred. Frames 2 ms apart.
void ZoomInOut(const FrameBitmap& previous, const FrameBitmap& next, const TransitionContext& context);
