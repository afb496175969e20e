#pragma once
// Flip: the four quarters of the screen turn over like cards on black, one
// after another.
#include "bitmap/FrameBitmap.h"
#include "transitions/FourPartPlan.h"
#include "transitions/RunTransition.h"

constexpr int kFlipShade = 64;
constexpr int kFlipSleepMs = 2;

// Quarters of W / 2 × H / 2 at the four corners (0 top left, 1 bottom left,
// 2 top right, 3 bottom right), turned in plan.Order; plan.Choices gives the
// axis of each (0: the card narrows horizontally, 1: vertically). Per
// quarter, 17 frames of the old card narrowing by 1/16 of the quarter per
// frame and darkening, then 17 of the new card widening and brightening;
// the rest of the quarter is black. Frames 2 ms apart; the last is the new
// screen.
void Flip(const FourPartPlan& plan, const FrameBitmap& previous, const FrameBitmap& next,
          const TransitionContext& context);
