#pragma once
// Catalogue filters 1 to 3: grey, sepia and a random monotone cast.
#include "bitmap/FrameBitmap.h"
#include "filters/CurveOperations.h"

// Every pixel: y = Luma of its channels mapped through before; the pixel
// becomes (after.Red[y], after.Green[y], after.Blue[y]).
void MapGreyTones(FrameBitmap& bitmap, const Curve& before, const ChannelCurves& after);

// "グレースケール": a self-overlay, then ToGrey.
void GrayscaleFilter(FrameBitmap& bitmap);

// "セピア": (optionally a self soft-light), ToGrey, then the red, green and
// blue power curves of exponents 0.7, 1.0 and 1.3.
void SepiaFilter(FrameBitmap& bitmap, bool softLightPreStep);

// "モノトーン": as sepia with exponents (Random(5) + 8) / 10 drawn for red,
// green and blue in that order.
void MonotoneFilter(FrameBitmap& bitmap, bool softLightPreStep);

// The grey-tone filter with its three exponents given.
void GreyToneWithExponents(FrameBitmap& bitmap, bool softLightPreStep, double red, double green, double blue);
