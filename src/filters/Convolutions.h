#pragma once
// Small integer convolutions: hard sharpening and the grey edge sketches.
// A neighbour outside the picture takes the centre pixel's row for a row
// outside and the centre pixel's column for a column outside.
#include "bitmap/FrameBitmap.h"

// n = 3, 5, 7 or 9 (any other n leaves the bitmap unchanged): weights -1
// everywhere except n^2 at the centre, the sum clamped to 0..255.
void HardSharpen(FrameBitmap& bitmap, int n);

// 255 - ClampRound(sqrt(gx^2 + gy^2)) of the 3 x 3 gradients, then ToGrey.
void EdgeSketch(FrameBitmap& bitmap);

// 255 - (the Laplacian clamped to 0..255), then ToGrey.
void LaplacianSketch(FrameBitmap& bitmap);

// 255 - ClampRound((255 - sqrt(A * B)) * strength / 100) of the two sketches.
void SketchCombine(FrameBitmap& bitmap, int strength);
// The same, of source into dest (sized to it), leaving source as it is.
void SketchCombine(const FrameBitmap& source, FrameBitmap& dest, int strength);

// A colour-dodge of the picture by its blur of sigma 2, then black where its
// Luma is below 246 and white elsewhere.
void LineArt(FrameBitmap& bitmap);
