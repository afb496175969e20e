#pragma once
// Transitions made of bands across the screen: fit strips, blind slats and
// the shutter slot.
#include "bitmap/FrameBitmap.h"
#include "transitions/RunTransition.h"

// Band width of the fit strips and of the blind slats, in pixels.
constexpr int kFitBand = 8;
constexpr int kBlindSlat = 64;
// The shutter's colour, RGB(49, 49, 49).
constexpr ColorRef kShutterColor = 0x313131;

// Fit, orientation 0: 8-row strips of the new screen slide in, the top strip
// from the left and then alternately from the right and left; orientation 1:
// 8-column strips slide in from the top (the leftmost) and bottom by turns.
// 33 frames, 10 ms apart.
void Fit(int orientation, const FrameBitmap& previous, const FrameBitmap& next,
         const TransitionContext& context);

// Blind, orientation 0: vertical slats 64 pixels wide open 2 pixels per frame
// from their left edge; orientation 1: horizontal slats from their top edge.
// 33 frames, 20 ms apart.
void Blind(int orientation, const FrameBitmap& previous, const FrameBitmap& next,
           const TransitionContext& context);

// Shutter: the old screen shrinks to a closing horizontal slot in the middle
// (17 frames), the screen stays dark for 120 ms, and the new screen comes in
// through a slot opening from the middle (17 frames); frames 2 ms apart.
void Shutter(const FrameBitmap& previous, const FrameBitmap& next,
             const TransitionContext& context);
