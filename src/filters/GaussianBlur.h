#pragma once
// Separable Gaussian blur and the soft-focus mix built on it.
#include "bitmap/FrameBitmap.h"

// sigma 1..30; any other value leaves the bitmap unchanged. Radius 3 sigma;
// taps outside the picture are skipped and the sum renormalised by the
// weights used. Weights, products and running sums are 32-bit floats added
// in column (then row) order.
void GaussianBlur(FrameBitmap& bitmap, int sigma);

// The rounded average of the picture and its blur, then with contrast != 0
// ClampRound(contrast * (b - 127.5) + b).
void SoftFocus(FrameBitmap& bitmap, int sigma, double contrast);

// GaussianBlur and SoftFocus of a grey picture (the three channels of every
// pixel equal): the blur runs on one channel and its result is written to
// all three, the same picture at a third of the work.
void GaussianBlurGrey(FrameBitmap& bitmap, int sigma);
void SoftFocusGrey(FrameBitmap& bitmap, int sigma, double contrast);
