#pragma once
// Turning a picture clockwise by exact quarter turns of its pixel grid.
#include "bitmap/FrameBitmap.h"

// Replaces bitmap by its picture turned clockwise by angle (90, 180 or 270
// degrees); any other angle leaves it unchanged.
void RotateBitmap(FrameBitmap& bitmap, int angle);
