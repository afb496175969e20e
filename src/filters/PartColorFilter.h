#pragma once
// Catalogue filter 17, "パートカラー": colour kept only in the reds (mode 3)
// or only outside them (mode 4), the rest turned grey.
#include "bitmap/FrameBitmap.h"

// True for a hue 0 <= h < 0.14 or 0.8 <= h < 1.0 (a grey pixel, h = -1, is not red).
bool IsRedHue(float h);

// BoostClarity, then the draw of the mode 3 + Random(2), then PartColorLook.
void PartColorFilter(FrameBitmap& bitmap);
// The grey conversion of the non-red (mode 3) or red (mode 4) pixels.
void PartColorLook(FrameBitmap& bitmap, int mode);
