#pragma once
// Square: the tiles of the new screen appear in random order.
#include "bitmap/FrameBitmap.h"
#include "transitions/RunTransition.h"

constexpr int kSquareTile = 16;    // tile edge in pixels
constexpr int kSquareTilesPerFrame = 10;

// Places every 16 × 16 tile of the new screen once, in an order drawn from
// Random (reseeded from the clock first unless the context keeps the
// sequence), presenting after the 1st, 11th, 21st, ... tile without sleeping,
// then presents the whole new screen.
void Square(const FrameBitmap& previous, const FrameBitmap& next, const TransitionContext& context);
