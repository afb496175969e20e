#pragma once
// The display window as core sees it: the place ScreenBitmap is shown.
#include "bitmap/FrameBitmap.h"

class DisplaySurface {
 public:
  virtual ~DisplaySurface() = default;
  // Shows frame on the display at (0, 0) at once, without waiting for a
  // paint message (a synchronous repaint).
  virtual void PresentFrame(const FrameBitmap& frame) = 0;
};
