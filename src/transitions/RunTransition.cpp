#include "transitions/RunTransition.h"

#include "platform/Random.h"
#include "transitions/BandTransitions.h"
#include "transitions/BlendTransitions.h"
#include "transitions/EdgeTransitions.h"
#include "transitions/FlipTransition.h"
#include "transitions/PageTransition.h"
#include "transitions/PeelTransition.h"
#include "transitions/PuzzleTransition.h"
#include "transitions/SeparateTransition.h"
#include "transitions/SquareTransition.h"
#include "transitions/TransitionKind.h"
#include "transitions/ZoomTransition.h"

void RunTransition(int kind, FrameBitmap& previous, const FrameBitmap& next,
                   const TransitionContext& context) {
  if (next.Empty()) return;
  switch (static_cast<TransitionKind>(kind)) {
    case TransitionKind::FadeOutIn: FadeOutIn(previous, next, context); break;
    case TransitionKind::CrossFade: CrossFade(previous, next, context); break;
    case TransitionKind::Melt: Melt(previous, next, context); break;
    case TransitionKind::Wipe: Wipe(Random(4), previous, next, context); break;
    case TransitionKind::Slide: Slide(Random(8), previous, next, context); break;
    case TransitionKind::Push: Push(Random(4), previous, next, context); break;
    case TransitionKind::Fit: Fit(Random(2), previous, next, context); break;
    case TransitionKind::Blind: Blind(Random(2), previous, next, context); break;
    case TransitionKind::Square: Square(previous, next, context); break;
    case TransitionKind::Shutter: Shutter(previous, next, context); break;
    case TransitionKind::Squeeze: Squeeze(Random(4), previous, next, context); break;
    case TransitionKind::Flip: Flip(DrawFourPartPlan(), previous, next, context); break;
    case TransitionKind::Page: Page(Random(2), previous, next, context); break;
    case TransitionKind::Separate: Separate(DrawFourPartPlan(), previous, next, context); break;
    case TransitionKind::ZoomInOut: ZoomInOut(previous, next, context); break;
    case TransitionKind::Peel: Peel(Random(4), previous, next, context); break;
    case TransitionKind::Puzzle: Puzzle(previous, next, context); break;
    default: break;  // none, Increase (its own entry) and the shuffle
  }
}
