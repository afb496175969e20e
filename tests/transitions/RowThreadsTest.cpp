#include <gtest/gtest.h>

#include "TransitionRig.h"
#include "platform/Random.h"
#include "support/ScopedRowThreads.h"

// Every transition shows the same frames, at the same pace, with the same
// draws, whether its pixel loops run on one thread or on several.
TEST(RowThreads, EveryTransitionIsTheSameOnOneThreadAndOnSeveral) {
  for (int kind = 0; kind <= 19; ++kind) {
    SCOPED_TRACE(kind);
    auto run = [&](int threads) {
      ScopedRowThreads scope(threads);
      SeedRandom(7);
      TransitionRig rig(320, 240);
      TransitionContext context = rig.Context(MakeColorRef(9, 8, 7));
      context.KeepRandomSequence = true;
      RunTransition(kind, rig.Old, rig.New, context);
      return std::tuple{rig.Frames(), rig.Log, rig.Screen, Random(1000000)};
    };
    EXPECT_TRUE(run(3) == run(1));
  }
}
