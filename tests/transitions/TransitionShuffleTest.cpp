#include <gtest/gtest.h>

#include <set>

#include "platform/Random.h"
#include "transitions/TransitionShuffle.h"

namespace {
constexpr int kShuffle = static_cast<int>(TransitionKind::Shuffle);
constexpr int kIncrease = static_cast<int>(TransitionKind::Increase);

TransitionChecks Checked(std::initializer_list<int> kinds) {
  TransitionChecks checks{};
  for (int k : kinds) checks[static_cast<std::size_t>(k)] = true;
  return checks;
}

class CountingDialogs final : public UserDialogs {
 public:
  void ShowInformation(const QString&) override {}
  void ShowError(const QString&) override {}
  bool AskYesNo(const QString&) override { return false; }
  void ProcessPendingMessages() override { ++Pumped; }
  int Pumped = 0;
};
}  // namespace

TEST(DrawShuffleTransition, NothingCheckedDrawsNoTransition) {
  TransitionState state;
  state.ActiveTransition = 5;
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(DrawShuffleTransition(state, TransitionChecks{}), 0);
    EXPECT_EQ(state.ActiveTransition, 0);
    EXPECT_TRUE(state.TransitionBag.empty());
  }
}

TEST(DrawShuffleTransition, OneCheckedKindIsUsedEveryTime) {
  TransitionState state;
  for (int i = 0; i < 5; ++i) EXPECT_EQ(DrawShuffleTransition(state, Checked({12})), 12);
}

TEST(DrawShuffleTransition, EveryRoundUsesEachCheckedKindOnce) {
  SeedRandom(99);
  const TransitionChecks checks = Checked({0, 2, 3, 8, 17, 18});
  TransitionState state;
  for (int round = 0; round < 4; ++round) {
    std::set<int> drawn;
    for (int i = 0; i < 6; ++i) drawn.insert(DrawShuffleTransition(state, checks));
    EXPECT_EQ(drawn, (std::set<int>{0, 2, 3, 8, 17, 18})) << "round " << round;
    EXPECT_TRUE(state.TransitionBag.empty());
  }
}

TEST(DrawShuffleTransition, RefillsInAscendingOrderKeepingTheWindowsAlive) {
  CountingDialogs dialogs;
  TransitionState state;
  SeedRandom(1);
  const int first = DrawShuffleTransition(state, Checked({1, 4, 6}), &dialogs);
  EXPECT_EQ(dialogs.Pumped, kTransitionCount);
  std::vector<int> expected = {1, 4, 6};
  expected.erase(std::find(expected.begin(), expected.end(), first));
  EXPECT_EQ(state.TransitionBag, expected);
  DrawShuffleTransition(state, Checked({1, 4, 6}), &dialogs);
  EXPECT_EQ(dialogs.Pumped, kTransitionCount);  // no refill while the bag holds kinds
}

TEST(DrawShuffleTransition, LeavingOrPickingIncreaseStartsFromTheBackground) {
  TransitionState state;
  state.HasPreviousScreen = true;
  state.ActiveTransition = 2;
  DrawShuffleTransition(state, Checked({3}));
  EXPECT_TRUE(state.HasPreviousScreen);  // neither side is Increase

  DrawShuffleTransition(state, Checked({kIncrease}));
  EXPECT_FALSE(state.HasPreviousScreen);  // a new pile
  state.HasPreviousScreen = true;           // the pile grew
  DrawShuffleTransition(state, Checked({kIncrease}));
  EXPECT_FALSE(state.HasPreviousScreen);  // drawn again: the old pile ends, a new one starts

  state.HasPreviousScreen = true;
  DrawShuffleTransition(state, Checked({4}));
  EXPECT_FALSE(state.HasPreviousScreen);  // left Increase
}

TEST(TransitionLifecycle, ConfiguredKindIsUsedAndShownAgainAfterStop) {
  TransitionState state;
  EXPECT_EQ(StartTransitions(state, 6, Checked({1, 2})), 6);
  EXPECT_FALSE(ChangeTransitionAtEffectPoint(state, Checked({1, 2})));
  EXPECT_EQ(state.ActiveTransition, 6);
  StopTransitions(state);
  EXPECT_EQ(state.ActiveTransition, 6);
  EXPECT_EQ(state.ConfiguredTransition, -1);
}

TEST(TransitionLifecycle, ShuffleDrawsAtStartAndEffectPointsAndStopShowsShuffle) {
  SeedRandom(5);
  const TransitionChecks checks = Checked({1, 2, 3});
  TransitionState state;
  const int first = StartTransitions(state, kShuffle, checks);
  EXPECT_TRUE(first >= 1 && first <= 3);
  EXPECT_EQ(state.ConfiguredTransition, kShuffle);
  EXPECT_EQ(state.TransitionBag.size(), 2u);
  state.HasPreviousScreen = true;

  EXPECT_TRUE(ChangeTransitionAtEffectPoint(state, checks));
  EXPECT_NE(state.ActiveTransition, first);
  EXPECT_EQ(state.TransitionBag.size(), 1u);

  StopTransitions(state);
  EXPECT_EQ(state.ActiveTransition, kShuffle);  // the selector shows "シャッフル" again
  EXPECT_EQ(state.ConfiguredTransition, -1);
  EXPECT_TRUE(state.TransitionBag.empty());
  EXPECT_FALSE(state.HasPreviousScreen);
}

TEST(TransitionLifecycle, StartingWithIncreaseStartsANewPile) {
  TransitionState state;
  state.HasPreviousScreen = true;
  StartTransitions(state, kIncrease, TransitionChecks{});
  EXPECT_FALSE(state.HasPreviousScreen);

  state.HasPreviousScreen = true;
  StartTransitions(state, kShuffle, Checked({kIncrease}));
  EXPECT_EQ(state.ActiveTransition, kIncrease);
  EXPECT_FALSE(state.HasPreviousScreen);
}

TEST(TransitionLifecycle, PauseShowsNoTransitionAndResumeRestoresTheKind) {
  SeedRandom(3);
  TransitionState state;
  StartTransitions(state, kShuffle, Checked({2, 7, 12}));
  const int active = state.ActiveTransition;
  const std::vector<int> bag = state.TransitionBag;
  state.HasPreviousScreen = true;

  PauseTransitions(state);
  EXPECT_EQ(state.ActiveTransition, 0);
  ResumeTransitions(state);
  EXPECT_EQ(state.ActiveTransition, active);
  EXPECT_EQ(state.TransitionBag, bag);  // the round goes on
  EXPECT_TRUE(state.HasPreviousScreen);

  state.ActiveTransition = kIncrease;
  PauseTransitions(state);
  ResumeTransitions(state);
  EXPECT_EQ(state.ActiveTransition, kIncrease);
  EXPECT_FALSE(state.HasPreviousScreen);  // a new pile starts
}
