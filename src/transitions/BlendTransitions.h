#pragma once
// The blends: fade out/in through the background, cross-fade and melt. They
// mix the bytes of the rows directly, blue, green and red alike.
#include <cstdint>

#include "bitmap/FrameBitmap.h"
#include "transitions/RunTransition.h"

// One byte of a cross-fade at step t of 32: each weighted term is shifted on
// its own, so 255 and 0 at t = 16 give 127.
inline std::uint8_t BlendByte(unsigned a, unsigned b, unsigned t) {
  return static_cast<std::uint8_t>(((a * (32 - t)) >> 5) + ((b * t) >> 5));
}

// out = BlendByte(a, b, t) for every byte; all three of the same size.
void BlendFrame(FrameBitmap& out, const FrameBitmap& a, const FrameBitmap& b, int t);

// One frame of the melt at step t of 16: the brighter of old × (16 − t) / 16
// and new × t / 16, rounded half to even.
void MeltFrame(FrameBitmap& out, const FrameBitmap& oldScreen, const FrameBitmap& newScreen,
               int t);

// Fades the old screen to the background colour and then up to the new one:
// 2 × 33 frames, 4 ms apart.
void FadeOutIn(const FrameBitmap& previous, const FrameBitmap& next,
               const TransitionContext& context);

// Blends old into new in 33 frames, sleepMs apart (Increase uses 1 ms).
void CrossFade(const FrameBitmap& previous, const FrameBitmap& next,
               const TransitionContext& context, int sleepMs = 2);

// The lighten blend of the two fading screens: 17 frames, 2 ms apart.
void Melt(const FrameBitmap& previous, const FrameBitmap& next, const TransitionContext& context);
