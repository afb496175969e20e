#pragma once
// The artwork panel of the display window as the artwork display drives it.
#include "bitmap/FrameBitmap.h"
#include "display/LabelBoxes.h"

class ArtworkView {
 public:
  virtual ~ArtworkView() = default;
  // Repaints the panel's paint box with art at (0, 0), at once.
  virtual void PaintArtwork(const FrameBitmap& art) = 0;
  // Where the panel lies on the display (its size is set by the label layout).
  virtual LabelRect ArtworkPlace() const = 0;
};
