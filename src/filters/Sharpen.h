#pragma once
// Laplacian sharpening with a 3 x 3 kernel.
#include "bitmap/FrameBitmap.h"

// Only for a percentage in 0..100. For every pixel and channel, L = 8 *
// centre - the eight neighbours (an outside neighbour takes the centre's row
// or column), and the result is ClampRound(L * percentage / 100 + centre).
void Sharpen(FrameBitmap& bitmap, int percentage);
