#pragma once
// Local-contrast boost: 60 % of the picture mixed with 40 % of the picture
// overlaid by a darker and then by a lighter gamma of itself.
#include "bitmap/FrameBitmap.h"

void BoostClarity(FrameBitmap& bitmap);
