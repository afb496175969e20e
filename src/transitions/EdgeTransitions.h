#pragma once
// Transitions moved by one edge: wipe, slide, push and squeeze. Each takes
// the direction (or variant) that RunTransition draws at random.
#include "bitmap/FrameBitmap.h"
#include "transitions/RunTransition.h"

// Wipe, direction 0..3: left to right, top to bottom, right to left, bottom to
// top. The new screen is uncovered in place. 33 frames, 10 ms apart.
void Wipe(int direction, const FrameBitmap& previous, const FrameBitmap& next,
          const TransitionContext& context);

// Slide, variant 0..7: 0..3 the new screen slides in from the left, top,
// right or bottom over the still old one; 4..7 the old screen slides out to
// the right, down, to the left or up off the still new one. 33 frames, 10 ms.
void Slide(int variant, const FrameBitmap& previous, const FrameBitmap& next,
           const TransitionContext& context);

// Push, direction 0..3: right, down, left, up; the new screen pushes the old
// one out. 33 frames, 10 ms apart.
void Push(int direction, const FrameBitmap& previous, const FrameBitmap& next,
          const TransitionContext& context);

// Squeeze, direction 0..3 as Wipe: the whole new screen grows from one edge
// while the whole old screen is squeezed into the rest. 17 frames, 2 ms apart.
void Squeeze(int direction, const FrameBitmap& previous, const FrameBitmap& next,
             const TransitionContext& context);
