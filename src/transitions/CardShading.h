#pragma once
// Shading for pictures that turn like a card or a page: a rectangle goes
// darker towards a shade value as it turns edge-on, and brighter from it as
// it turns face-up. The flip and page transitions use it, and so can any
// other card animation (the artwork's turn works the same way).
#include "bitmap/FrameBitmap.h"
#include "transitions/NearestScale.h"

enum class CardShade {
  // out = ((in × (16 − k)) >> 4) + ((k × g) >> 4): unchanged at k = 0, g at k = 16
  Darken,
  // out = (((16 − k) × g) >> 4) + ((k × in) >> 4): g at k = 0, unchanged at k = 16
  Brighten,
};

// Shades every byte (blue, green and red alike) of the w x h rectangle at
// (left, top) of bitmap, with k in 0..16 and shade value g in 0..255. The
// rectangle must lie inside the bitmap; an empty one does nothing.
void ShadeRect(FrameBitmap& bitmap, int left, int top, int w, int h, CardShade shade, int k, int g);

// One frame of a turning card: all of card drawn with nearest-neighbour
// sampling into the w x h rectangle at (left, top) of dst, then shaded with
// k and g. What lies around the card is the caller's.
void DrawTurningCard(FrameBitmap& dst, int left, int top, int w, int h, const FrameBitmap& card,
                     CardShade shade, int k, int g, ScaleScratch& scratch);
