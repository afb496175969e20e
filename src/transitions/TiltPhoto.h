#pragma once
// Tilting a framed photo of the Increase pile by a few degrees: the photo is
// rotated about its corner with bilinear sampling, and its edges are blended
// into the pile beneath instead of into white.
#include "bitmap/FrameBitmap.h"

// The rotated bounding box of a framed photo with a one-pixel ring around
// it: J x K output pixels; output pixel (j, i) is the point (j + MinX,
// i + MinY) of the rotated plane.
struct TiltBox {
  int J = 0;
  int K = 0;
  double MinX = 0;
  double MinY = 0;
  double Cos = 1;
  double Sin = 0;
};

// angle in whole degrees (0..359); positive angles turn clockwise on screen.
TiltBox MeasureTilt(int framedWidth, int framedHeight, int angle);

// The J x K picture of framed tilted over the screen block at (x, y) (the
// background colour where the block lies outside the screen). In redraw mode
// (the photo is drawn again over itself), output pixels that fall on the
// ring keep what the screen shows.
FrameBitmap TiltOnto(const FrameBitmap& framed, const TiltBox& box, const FrameBitmap& screen, int x, int y,
                     ColorRef background, bool redraw);
