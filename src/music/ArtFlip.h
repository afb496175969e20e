#pragma once
// The artwork card turning over about its vertical centre line: it narrows
// and darkens to its edge over the slideshow picture behind the panel, then
// the other side widens and brightens up. 17 + 17 frames, 16 ms apart.
#include <functional>

#include "bitmap/FrameBitmap.h"
#include "transitions/NearestScale.h"

class Clock;

inline constexpr int kArtFlipSteps = 16;
inline constexpr int kArtFlipShade = 64;
inline constexpr int kArtFlipSleepMs = 16;

// One frame of the card: background with picture scaled (nearest pixel,
// full height) into the centred columns of width W - k*d (closing) or k*d
// (opening), d = W div 16, and those columns darkened (closing) or
// brightened (opening) with k and 64. into must have the background's size;
// scratch must be made for at least W columns; nothing is allocated.
void ArtFlipFrame(FrameBitmap& into, const FrameBitmap& background, const FrameBitmap& picture, int k,
                  bool closing, ScaleScratch& scratch);

// Runs the whole flip from `from` to `to` in art (the panel's picture, as
// large as the panel); background is the screen block under the panel.
// After each frame: sleep 16 ms, then repaint.
void ArtFlip(FrameBitmap& art, const FrameBitmap& from, const FrameBitmap& to, const FrameBitmap& background,
             Clock& pacing, const std::function<void(const FrameBitmap&)>& repaint);
