#include <gtest/gtest.h>

#include "TransitionRig.h"
#include "platform/Random.h"
#include "transitions/BandTransitions.h"
#include "transitions/BlendTransitions.h"
#include "transitions/EdgeTransitions.h"
#include "transitions/FlipTransition.h"
#include "transitions/PageTransition.h"
#include "transitions/PeelTransition.h"
#include "transitions/SeparateTransition.h"
#include "transitions/RunTransition.h"
#include "transitions/TransitionKind.h"
#include "transitions/TransitionShuffle.h"

namespace {
using Direct = void (*)(int, const FrameBitmap&, const FrameBitmap&, const TransitionContext&);
}

TEST(RunTransition, DrawsTheDirectionFromTheSharedGenerator) {
  struct Drawn {
    TransitionKind kind;
    int choices;
    Direct run;
  };
  const Drawn drawn[] = {
      {TransitionKind::Wipe, 4, Wipe},   {TransitionKind::Slide, 8, Slide},
      {TransitionKind::Push, 4, Push},   {TransitionKind::Fit, 2, Fit},
      {TransitionKind::Blind, 2, Blind}, {TransitionKind::Squeeze, 4, Squeeze},
      {TransitionKind::Page, 2, Page},   {TransitionKind::Peel, 4, Peel},
  };
  for (const Drawn& d : drawn) {
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
      SCOPED_TRACE(kTransitionNames[static_cast<int>(d.kind)]);
      SeedRandom(seed);
      const int choice = Random(d.choices);
      TransitionRig viaRun(40, 32), direct(40, 32);
      SeedRandom(seed);
      RunTransition(static_cast<int>(d.kind), viaRun.Old, viaRun.New, viaRun.Context());
      d.run(choice, direct.Old, direct.New, direct.Context());
      ASSERT_EQ(viaRun.Frames(), direct.Frames()) << "seed " << seed;
      ASSERT_EQ(viaRun.Log, direct.Log);
    }
  }
}

TEST(RunTransition, FlipAndSeparateDrawTheirPlanFromTheSharedGenerator) {
  using PlanRun = void (*)(const FourPartPlan&, const FrameBitmap&, const FrameBitmap&, const TransitionContext&);
  const std::pair<TransitionKind, PlanRun> kinds[] = {{TransitionKind::Flip, Flip},
                                                      {TransitionKind::Separate, Separate}};
  for (const auto& [kind, run] : kinds) {
    for (std::uint64_t seed = 1; seed <= 5; ++seed) {
      SCOPED_TRACE(kTransitionNames[static_cast<int>(kind)]);
      SeedRandom(seed);
      const FourPartPlan plan = DrawFourPartPlan();
      TransitionRig viaRun(40, 32), direct(40, 32);
      SeedRandom(seed);
      RunTransition(static_cast<int>(kind), viaRun.Old, viaRun.New, viaRun.Context());
      run(plan, direct.Old, direct.New, direct.Context());
      ASSERT_EQ(viaRun.Frames(), direct.Frames()) << "seed " << seed;
    }
  }
}

TEST(RunTransition, EveryKindEndsOnTheNewScreenAndOthersDoNothing) {
  const int runnable[] = {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 17, 18};
  for (int kind : runnable) {
    TransitionRig rig(48, 20);
    RunTransition(kind, rig.Old, rig.New, rig.Context());
    EXPECT_EQ(rig.Screen, rig.New) << kTransitionNames[kind];
    ASSERT_FALSE(rig.Frames().empty());
    EXPECT_EQ(rig.Frames().back(), rig.New) << kTransitionNames[kind];
    EXPECT_EQ(rig.Log.back(), kPresented);
  }
  // The puzzle ends on its tiled picture, which stays on screen.
  TransitionRig puzzle(48, 20);
  RunTransition(static_cast<int>(TransitionKind::Puzzle), puzzle.Old, puzzle.New, puzzle.Context());
  ASSERT_FALSE(puzzle.Frames().empty());
  EXPECT_EQ(puzzle.Screen, puzzle.Frames().back());
  EXPECT_NE(puzzle.Screen, puzzle.New);
  // None, Increase (its own entry), the shuffle and anything out of range
  // leave the screen as the caller composed it.
  for (int kind : {0, 9, 19, 20, -1}) {
    TransitionRig rig(48, 20);
    rig.Screen = rig.New;
    RunTransition(kind, rig.Old, rig.New, rig.Context());
    EXPECT_EQ(rig.Screen, rig.New) << kind;
    EXPECT_TRUE(rig.Log.empty()) << kind;
  }
}

TEST(RunTransition, OldScreenOfAnotherSizeLiesOnTheBackground) {
  TransitionRig rig(30, 20);
  const FrameBitmap small = Pattern(10, 25, 9);  // narrower and taller than the screen
  const ColorRef background = MakeColorRef(1, 2, 3);
  RunTransition(static_cast<int>(TransitionKind::CrossFade), const_cast<FrameBitmap&>(small), rig.New,
                rig.Context(background));
  const FrameBitmap& first = rig.Frames().front();
  ASSERT_EQ(first.Width, 30);
  ASSERT_EQ(first.Height, 20);
  EXPECT_EQ(first.At(9, 19)[2], 9);
  EXPECT_EQ(first.At(10, 0)[0], BlueOf(background));
  EXPECT_EQ(first.At(10, 0)[2], RedOf(background));
  EXPECT_EQ(rig.Screen, rig.New);
}

TEST(RunTransition, ScreenItselfMayBeTheOldScreen) {
  TransitionRig rig(30, 20);
  rig.Screen = rig.Old;
  RunTransition(static_cast<int>(TransitionKind::Wipe), rig.Screen, rig.New, rig.Context());
  EXPECT_EQ(rig.Frames().front(), rig.Old);
  EXPECT_EQ(rig.Screen, rig.New);
}

TEST(RunTransition, FirstImageComesInFromThePlainBackgroundThenFromTheScreen) {
  // The show path: without a previous screen the old screen is the plain
  // background; after one image it is what the screen shows.
  const ColorRef background = MakeColorRef(0, 0, 90);
  TransitionState state;
  bool hasPrevious = true;
  StopTransitions(state, hasPrevious);
  StartTransitions(state, static_cast<int>(TransitionKind::CrossFade), TransitionChecks{}, hasPrevious);
  TransitionRig rig(32, 16);
  auto show = [&](const FrameBitmap& next) {
    FrameBitmap previous;
    if (hasPrevious) {
      previous = rig.Screen;
    } else {
      previous.SetSize(next.Width, next.Height);
      previous.Fill(background);
    }
    rig.Surface.Frames.clear();
    RunTransition(state.ActiveTransition, previous, next, rig.Context(background));
    hasPrevious = true;
  };
  FrameBitmap plain(32, 16);
  plain.Fill(background);
  show(rig.Old);
  EXPECT_EQ(rig.Frames().front(), plain);
  EXPECT_EQ(rig.Frames().back(), rig.Old);
  show(rig.New);
  EXPECT_EQ(rig.Frames().front(), rig.Old);
  EXPECT_EQ(rig.Frames().back(), rig.New);
}
