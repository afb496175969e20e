#include <gtest/gtest.h>

#include <algorithm>
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
  bool hasPrevious = true;
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(DrawShuffleTransition(state, TransitionChecks{}, hasPrevious), 0);
    EXPECT_EQ(state.ActiveTransition, 0);
    EXPECT_TRUE(state.TransitionBag.empty());
  }
  EXPECT_TRUE(hasPrevious);
}

TEST(DrawShuffleTransition, OneCheckedKindIsUsedEveryTime) {
  TransitionState state;
  bool hasPrevious = false;
  for (int i = 0; i < 5; ++i) EXPECT_EQ(DrawShuffleTransition(state, Checked({12}), hasPrevious), 12);
}

TEST(DrawShuffleTransition, EveryRoundUsesEachCheckedKindOnce) {
  SeedRandom(99);
  const TransitionChecks checks = Checked({0, 2, 3, 8, 17, 18});
  TransitionState state;
  bool hasPrevious = false;
  for (int round = 0; round < 4; ++round) {
    std::set<int> drawn;
    for (int i = 0; i < 6; ++i) drawn.insert(DrawShuffleTransition(state, checks, hasPrevious));
    EXPECT_EQ(drawn, (std::set<int>{0, 2, 3, 8, 17, 18})) << "round " << round;
    EXPECT_TRUE(state.TransitionBag.empty());
  }
}

TEST(DrawShuffleTransition, RefillsInAscendingOrderKeepingTheWindowsAlive) {
  CountingDialogs dialogs;
  TransitionState state;
  bool hasPrevious = false;
  SeedRandom(1);
  const int first = DrawShuffleTransition(state, Checked({1, 4, 6}), hasPrevious, &dialogs);
  EXPECT_EQ(dialogs.Pumped, kTransitionCount);
  std::vector<int> expected = {1, 4, 6};
  expected.erase(std::find(expected.begin(), expected.end(), first));
  EXPECT_EQ(state.TransitionBag, expected);
  DrawShuffleTransition(state, Checked({1, 4, 6}), hasPrevious, &dialogs);
  EXPECT_EQ(dialogs.Pumped, kTransitionCount);  // no refill while the bag holds kinds
}

TEST(DrawShuffleTransition, LeavingOrPickingIncreaseStartsFromTheBackground) {
  TransitionState state;
  bool hasPrevious = true;
  state.ActiveTransition = 2;
  DrawShuffleTransition(state, Checked({3}), hasPrevious);
  EXPECT_TRUE(hasPrevious);  // neither side is Increase

  DrawShuffleTransition(state, Checked({kIncrease}), hasPrevious);
  EXPECT_FALSE(hasPrevious);  // a new pile
  hasPrevious = true;          // the pile grew
  DrawShuffleTransition(state, Checked({kIncrease}), hasPrevious);
  EXPECT_FALSE(hasPrevious);  // drawn again: the old pile ends, a new one starts

  hasPrevious = true;
  DrawShuffleTransition(state, Checked({4}), hasPrevious);
  EXPECT_FALSE(hasPrevious);  // left Increase
}

TEST(TransitionLifecycle, ConfiguredKindIsUsedAndShownAgainAfterStop) {
  TransitionState state;
  bool hasPrevious = false;
  EXPECT_EQ(StartTransitions(state, 6, Checked({1, 2}), hasPrevious), 6);
  hasPrevious = true;
  EXPECT_FALSE(ChangeTransitionAtEffectPoint(state, Checked({1, 2}), hasPrevious));
  EXPECT_EQ(state.ActiveTransition, 6);
  EXPECT_TRUE(hasPrevious);
  StopTransitions(state, hasPrevious);
  EXPECT_EQ(state.ActiveTransition, 6);
  EXPECT_EQ(state.ConfiguredTransition, -1);
  EXPECT_FALSE(hasPrevious);
}

TEST(TransitionLifecycle, ShuffleDrawsAtStartAndEffectPointsAndStopShowsShuffle) {
  SeedRandom(5);
  const TransitionChecks checks = Checked({1, 2, 3});
  TransitionState state;
  bool hasPrevious = false;
  const int first = StartTransitions(state, kShuffle, checks, hasPrevious);
  EXPECT_TRUE(first >= 1 && first <= 3);
  EXPECT_EQ(state.ConfiguredTransition, kShuffle);
  EXPECT_EQ(state.TransitionBag.size(), 2u);
  hasPrevious = true;

  EXPECT_TRUE(ChangeTransitionAtEffectPoint(state, checks, hasPrevious));
  EXPECT_NE(state.ActiveTransition, first);
  EXPECT_EQ(state.TransitionBag.size(), 1u);
  EXPECT_TRUE(hasPrevious);

  StopTransitions(state, hasPrevious);
  EXPECT_EQ(state.ActiveTransition, kShuffle);  // the selector shows "シャッフル" again
  EXPECT_EQ(state.ConfiguredTransition, -1);
  EXPECT_TRUE(state.TransitionBag.empty());
  EXPECT_FALSE(hasPrevious);

  // The next start draws a fresh round.
  StartTransitions(state, kShuffle, checks, hasPrevious);
  EXPECT_EQ(state.TransitionBag.size(), 2u);
}

TEST(TransitionLifecycle, StartingWithIncreaseStartsANewPile) {
  TransitionState state;
  bool hasPrevious = true;
  StartTransitions(state, kIncrease, TransitionChecks{}, hasPrevious);
  EXPECT_FALSE(hasPrevious);

  hasPrevious = true;
  StartTransitions(state, kShuffle, Checked({kIncrease}), hasPrevious);
  EXPECT_EQ(state.ActiveTransition, kIncrease);
  EXPECT_FALSE(hasPrevious);
}

TEST(TransitionLifecycle, PauseShowsNoTransitionAndResumeRestoresTheKind) {
  SeedRandom(3);
  TransitionState state;
  bool hasPrevious = false;
  StartTransitions(state, kShuffle, Checked({2, 7, 12}), hasPrevious);
  const int active = state.ActiveTransition;
  const std::vector<int> bag = state.TransitionBag;
  hasPrevious = true;

  PauseTransitions(state);
  EXPECT_EQ(state.ActiveTransition, 0);
  ResumeTransitions(state, hasPrevious);
  EXPECT_EQ(state.ActiveTransition, active);
  EXPECT_EQ(state.TransitionBag, bag);  // the round goes on
  EXPECT_TRUE(hasPrevious);

  state.ActiveTransition = kIncrease;
  PauseTransitions(state);
  ResumeTransitions(state, hasPrevious);
  EXPECT_EQ(state.ActiveTransition, kIncrease);
  EXPECT_FALSE(hasPrevious);  // a new pile starts
}
