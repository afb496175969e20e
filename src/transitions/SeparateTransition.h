#pragma once
// Separate: the new screen is pushed in one horizontal band at a time.
#include "bitmap/FrameBitmap.h"
#include "transitions/FourPartPlan.h"
#include "transitions/RunTransition.h"

// Four bands of H / 4 rows (the last takes the rows left over), in
// plan.Order; each band is pushed in plan.Choices (0: to the right, 1: to
// the left) in 33 frames of step W / 32, 10 ms apart: 132 frames in all.
void Separate(const FourPartPlan& plan, const FrameBitmap& previous, const FrameBitmap& next,
              const TransitionContext& context);
