#include "transitions/BlendTransitions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "transitions/FrameLoop.h"

namespace {
// Screens are one block of bytes each, so a frame is a single pass over the
// block (its one row address is taken once). Fixed-size inner blocks let the
// compiler turn the byte arithmetic into vector code.
constexpr std::size_t kBlock = 64;

void BlendBytes(std::uint8_t* __restrict out, const std::uint8_t* __restrict a,
                const std::uint8_t* __restrict b, std::size_t n, unsigned t) {
  const std::uint16_t wa = static_cast<std::uint16_t>(32 - t), wb = static_cast<std::uint16_t>(t);
  std::size_t i = 0;
  for (; i + kBlock <= n; i += kBlock)
    for (std::size_t k = 0; k < kBlock; ++k)
      out[i + k] = static_cast<std::uint8_t>(
          (static_cast<std::uint16_t>(a[i + k] * wa) >> 5) +
          (static_cast<std::uint16_t>(b[i + k] * wb) >> 5));
  for (; i < n; ++i) out[i] = BlendByte(a[i], b[i], t);
}

// The melt's weights are exact in single precision: (16 − t) × (v / 16) is a
// multiple of 1/16 below 256. So the rounded value is the integer
// ((16 − t) × v) / 16 rounded half to even, and since rounding keeps order, the
// rounded maximum is the maximum of the rounded terms. Computed so in
// integers, it matches the float formula byte for byte (the tests compare all
// inputs).
inline std::uint16_t RoundSixteenths(std::uint16_t x) {
  return static_cast<std::uint16_t>((x + 7 + ((x >> 4) & 1)) >> 4);
}

void MeltBytes(std::uint8_t* __restrict out, const std::uint8_t* __restrict a,
               const std::uint8_t* __restrict b, std::size_t n, unsigned t) {
  const std::uint16_t wa = static_cast<std::uint16_t>(16 - t), wb = static_cast<std::uint16_t>(t);
  auto one = [wa, wb](std::uint8_t x, std::uint8_t y) {
    const std::uint16_t p = RoundSixteenths(static_cast<std::uint16_t>(x * wa));
    const std::uint16_t q = RoundSixteenths(static_cast<std::uint16_t>(y * wb));
    return static_cast<std::uint8_t>(p > q ? p : q);
  };
  std::size_t i = 0;
  for (; i + kBlock <= n; i += kBlock)
    for (std::size_t k = 0; k < kBlock; ++k) out[i + k] = one(a[i + k], b[i + k]);
  for (; i < n; ++i) out[i] = one(a[i], b[i]);
}
}  // namespace

void BlendFrame(FrameBitmap& out, const FrameBitmap& a, const FrameBitmap& b, int t) {
  BlendBytes(out.Pixels.data(), a.Pixels.data(), b.Pixels.data(), out.Pixels.size(),
             static_cast<unsigned>(t));
}

void MeltFrame(FrameBitmap& out, const FrameBitmap& oldScreen, const FrameBitmap& newScreen,
               int t) {
  MeltBytes(out.Pixels.data(), oldScreen.Pixels.data(), newScreen.Pixels.data(),
            out.Pixels.size(), static_cast<unsigned>(t));
}

void FadeOutIn(const FrameBitmap& previous, const FrameBitmap& next,
               const TransitionContext& context) {
  const TransitionScreens screens(previous, next, context);
  FrameBitmap background(next.Width, next.Height);
  background.Fill(context.Background);
  // The first phase ends on exactly the background (its last frame is
  // 0 + background), so the second phase starts from the background bitmap.
  for (int t = 0; t <= 32; ++t) {
    BlendFrame(context.Screen, screens.Old(), background, t);
    SleepAndPresent(context, 4);
  }
  for (int t = 0; t <= 32; ++t) {
    BlendFrame(context.Screen, background, screens.New(), t);
    SleepAndPresent(context, 4);
  }
}

void CrossFade(const FrameBitmap& previous, const FrameBitmap& next,
               const TransitionContext& context, int sleepMs) {
  const TransitionScreens screens(previous, next, context);
  for (int t = 0; t <= 32; ++t) {
    BlendFrame(context.Screen, screens.Old(), screens.New(), t);
    SleepAndPresent(context, sleepMs);
  }
}

void Melt(const FrameBitmap& previous, const FrameBitmap& next, const TransitionContext& context) {
  const TransitionScreens screens(previous, next, context);
  for (int t = 0; t <= 16; ++t) {
    MeltFrame(context.Screen, screens.Old(), screens.New(), t);
    SleepAndPresent(context, 2);
  }
}
