#include "transitions/FrameLoop.h"

#include <algorithm>
#include <cstring>

#include "transitions/RectCopy.h"

TransitionScreens::TransitionScreens(const FrameBitmap& previous, const FrameBitmap& next,
                                     const TransitionContext& context) {
  new_ = &next;
  if (&next == &context.Screen) {
    ownNew_.Assign(next);
    new_ = &ownNew_;
  }
  const bool sameSize = previous.Width == next.Width && previous.Height == next.Height;
  if (sameSize && &previous != &context.Screen) {
    old_ = &previous;
  } else {
    // An old screen of another size is laid on the background at the top
    // left, as drawing it onto a screen-sized picture would do.
    ownOld_.SetSize(next.Width, next.Height);
    ownOld_.Fill(context.Background);
    CopyRect(ownOld_, 0, 0, previous, 0, 0, std::min(previous.Width, next.Width),
             std::min(previous.Height, next.Height));
    old_ = &ownOld_;
  }
  context.Screen.Assign(*old_);
}

void CopyWholeScreen(FrameBitmap& screen, const FrameBitmap& source) {
  if (screen.Pixels.size() == source.Pixels.size() && !screen.Pixels.empty())
    std::memcpy(screen.Pixels.data(), source.Pixels.data(), screen.Pixels.size());
  else
    screen.Assign(source);
}
