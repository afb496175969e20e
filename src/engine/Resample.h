#pragma once
// Scaling a picture to a new size. Both return a new bitmap and leave the
// source unchanged; both throw ImageError for an empty source or target.
#include "bitmap/FrameBitmap.h"

// Reduction by area averaging: each target pixel is the average of the
// source area it covers, each source pixel weighted by its overlap, with the
// covered span ending 0.000001 short of the next target pixel.
FrameBitmap ResampleArea(const FrameBitmap& source, int width, int height);

// Enlargement by bilinear interpolation between the four nearest source
// pixels (pixel centres aligned, neighbours clamped to the picture).
FrameBitmap ResampleBilinear(const FrameBitmap& source, int width, int height);
