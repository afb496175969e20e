#pragma once
// Edge-preserving smoothing over four overlapping (r + 1) x (r + 1) windows
// that each have the pixel as one corner: upper-left (0), upper-right (1),
// lower-right (2), lower-left (3). The window with the smallest colour
// spread wins, the earlier on equal spreads; a window reaching outside the
// picture is not used. When none of the four fits (a picture narrower or
// lower than 2r + 1), the four are clipped to the picture and compared the
// same way.
#include "bitmap/FrameBitmap.h"

// Each channel becomes the rounded mean of the chosen window. radius 1..10;
// any other value leaves the bitmap unchanged.
void QuadrantSmooth(FrameBitmap& bitmap, int radius);

// Each channel becomes the rounded mean of the chosen window's values in the
// modal bin of 16 (value div 16; the lower bin on equal counts).
void OilPaintSmooth(FrameBitmap& bitmap, int radius);
