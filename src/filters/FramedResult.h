#pragma once
// The white border that filters 4, 8 and 10 put around their picture.
#include "bitmap/FrameBitmap.h"
#include "filters/FilterContext.h"

// True when the border is left out: the Increase transition is in force
// while a slideshow runs (its photos have frames of their own).
bool BorderLeftOut(const FilterContext& context);

// Unless the border is left out, the picture becomes (W + 2m) x (H + 2m),
// white, with the old picture at (m, m), m = FrameMargin (negative counts
// as 0).
void FramedResult(FrameBitmap& bitmap, const FilterContext& context);
