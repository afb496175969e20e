#include "transitions/RunTransition.h"

void RunTransition(int /*kind*/, FrameBitmap& /*previous*/, const FrameBitmap& /*next*/,
                   const TransitionContext& /*context*/) {
  // No transition is built yet: the caller presents the next screen itself.
}
