#pragma once
// Copying one bitmap into another at a position, clipped to the target.
#include "bitmap/FrameBitmap.h"

void BlitBitmap(FrameBitmap& target, const FrameBitmap& source, int left, int top);
