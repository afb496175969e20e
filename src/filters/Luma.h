#pragma once
// The grey value of a pixel and the grey conversion of a picture.
#include "bitmap/FrameBitmap.h"
#include "filters/ClampRound.h"

// round(R * 0.298912 + G * 0.586611 + B * 0.114478), computed exactly on
// integers (weights scaled by 10^6, halves to even).
inline int Luma(int r, int g, int b) {
  return RoundHalfEvenDiv(r * 298912 + g * 586611 + b * 114478, 1000000);
}

// Every pixel becomes (Luma, Luma, Luma).
void ToGrey(FrameBitmap& bitmap);
