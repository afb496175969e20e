#pragma once
// Peel: the old picture is peeled off from one edge like a sheet, its back
// a darkened mirror image of the new picture.
#include "bitmap/FrameBitmap.h"
#include "transitions/RunTransition.h"

constexpr int kPeelSleepMs = 12;

// The back of the sheet: source mirrored left to right (or top to bottom),
// each pixel's value (of hue, saturation and value) taken to 40 % and its
// channels truncated.
void MakePeelBack(const FrameBitmap& source, bool topToBottom, FrameBitmap& back);

// Variant 0 peels from the left edge, 1 from the top, 2 from the right, 3
// from the bottom. 33 frames of curling, in which the sheet lifts by
// 1/64 of the screen per frame and its flap shows the back, then 33 frames
// in which the flap slides off the far edge. Frames 12 ms apart; the last is
// the new screen.
void Peel(int variant, const FrameBitmap& previous, const FrameBitmap& next,
          const TransitionContext& context);
