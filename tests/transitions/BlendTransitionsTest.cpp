#include <gtest/gtest.h>

#include <algorithm>

#include "TransitionRig.h"
#include "filters/ClampRound.h"
#include "transitions/BlendKernels.h"
#include "transitions/BlendTransitions.h"

namespace {
// The melt as first stated: single-precision weights v/16, the larger of the
// two, rounded half to even and clamped.
std::uint8_t MeltByFloat(int oldByte, int newByte, int t) {
  const float a = static_cast<float>(16 - t) * (static_cast<float>(oldByte) / 16.0f);
  const float b = static_cast<float>(t) * (static_cast<float>(newByte) / 16.0f);
  return static_cast<std::uint8_t>(ClampRound(std::max(a, b)));
}

// Sleeps of ms between frames, each followed by its present.
void ExpectPacedFrames(const EventLog& log, int frames, int ms) {
  ASSERT_EQ(log.size(), static_cast<std::size_t>(2 * frames));
  for (int i = 0; i < frames; ++i) {
    EXPECT_EQ(log[2 * i], ms) << "sleep before frame " << i;
    EXPECT_EQ(log[2 * i + 1], kPresented) << "present of frame " << i;
  }
}
}  // namespace

TEST(BlendByte, ShiftsEachTermSeparately) {
  EXPECT_EQ(BlendByte(255, 0, 16), 127);
  EXPECT_EQ(BlendByte(0, 255, 16), 127);
  EXPECT_EQ(BlendByte(255, 255, 16), 254);  // 127 + 127, not 255
  EXPECT_EQ(BlendByte(200, 100, 0), 200);
  EXPECT_EQ(BlendByte(200, 100, 32), 100);
  EXPECT_EQ(BlendByte(255, 255, 1), 247 + 7);
}

TEST(BlendKernels, EveryUnitFollowsTheFormulasOnEveryByte) {
  // Every (a, b) byte pair, plus an odd tail after the last whole vector.
  const std::size_t n = 256 * 256 + 37;
  std::vector<std::uint8_t> a(n), b(n), out(n);
  for (std::size_t i = 0; i < n; ++i) {
    a[i] = static_cast<std::uint8_t>(i >> 8);
    b[i] = static_cast<std::uint8_t>(i * 151 % 256);
  }
  for (VectorUnit unit : {VectorUnit::Plain, VectorUnit::Sse2, VectorUnit::Avx2}) {
    SCOPED_TRACE(static_cast<int>(unit));
    for (unsigned t = 0; t <= 32; ++t) {
      BlendBytesOn(unit, out.data(), a.data(), b.data(), n, t);
      for (std::size_t i = 0; i < n; ++i)
        ASSERT_EQ(out[i], BlendByte(a[i], b[i], t)) << "blend t " << t << " at " << i;
    }
    for (unsigned t = 0; t <= 16; ++t) {
      MeltBytesOn(unit, out.data(), a.data(), b.data(), n, t);
      for (std::size_t i = 0; i < n; ++i)
        ASSERT_EQ(out[i], MeltByFloat(a[i], b[i], static_cast<int>(t)))
            << "melt t " << t << " old " << int{a[i]} << " new " << int{b[i]};
    }
  }
}

TEST(CrossFade, StartsOnTheOldScreenAndEndsOnTheNewOne) {
  TransitionRig rig(64, 36);
  CrossFade(rig.Old, rig.New, rig.Context());
  ASSERT_EQ(rig.Frames().size(), 33u);
  EXPECT_EQ(rig.Frames().front(), rig.Old);
  EXPECT_EQ(rig.Frames().back(), rig.New);
  EXPECT_EQ(rig.Screen, rig.New);
  ExpectPacedFrames(rig.Log, 33, 2);

  FrameBitmap half(64, 36);
  BlendFrame(half, rig.Old, rig.New, 16);
  EXPECT_EQ(rig.Frames()[16], half);
}

TEST(CrossFade, TakesTheShorterSleepWhenAsked) {
  TransitionRig rig(8, 4);
  CrossFade(rig.Old, rig.New, rig.Context(), 1);
  ExpectPacedFrames(rig.Log, 33, 1);
}

TEST(FadeOutIn, PassesThroughThePureBackground) {
  TransitionRig rig(64, 36);
  const ColorRef background = MakeColorRef(10, 200, 77);
  FadeOutIn(rig.Old, rig.New, rig.Context(background));
  ASSERT_EQ(rig.Frames().size(), 66u);
  ExpectPacedFrames(rig.Log, 66, 4);

  FrameBitmap plain(64, 36);
  plain.Fill(background);
  EXPECT_EQ(rig.Frames()[0], rig.Old);
  EXPECT_EQ(rig.Frames()[32], plain);  // end of the fade out
  EXPECT_EQ(rig.Frames()[33], plain);  // start of the fade in
  EXPECT_EQ(rig.Frames().back(), rig.New);

  FrameBitmap expected(64, 36);
  BlendFrame(expected, rig.Old, plain, 9);
  EXPECT_EQ(rig.Frames()[9], expected);
  BlendFrame(expected, plain, rig.New, 20);
  EXPECT_EQ(rig.Frames()[33 + 20], expected);
}

TEST(Melt, RunsSeventeenFramesFromOldToNew) {
  TransitionRig rig(64, 36);
  Melt(rig.Old, rig.New, rig.Context());
  ASSERT_EQ(rig.Frames().size(), 17u);
  ExpectPacedFrames(rig.Log, 17, 2);
  EXPECT_EQ(rig.Frames().front(), rig.Old);
  EXPECT_EQ(rig.Frames().back(), rig.New);
  // Halfway the brighter half-weight wins: red 1 and 2 give 0 and 1 (0.5 → 0, 1.0 → 1).
  EXPECT_EQ(rig.Frames()[8].At(0, 0)[2], 1);
  EXPECT_EQ(rig.Frames()[8].At(3, 0)[0], 2);  // max(1.5, 1.5) rounds to 2
}
