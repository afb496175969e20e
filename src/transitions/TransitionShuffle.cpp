#include "transitions/TransitionShuffle.h"

#include "platform/Random.h"

namespace {
constexpr int kIncrease = static_cast<int>(TransitionKind::Increase);
constexpr int kShuffle = static_cast<int>(TransitionKind::Shuffle);
}  // namespace

int DrawShuffleTransition(TransitionState& state, const TransitionChecks& slideCheck,
                          bool& hasPreviousScreen, UserDialogs* dialogs) {
  if (state.ActiveTransition == kIncrease) hasPreviousScreen = false;

  std::vector<int>& bag = state.TransitionBag;
  if (bag.empty()) {
    for (int kind = 0; kind < kTransitionCount; ++kind) {
      if (slideCheck[static_cast<std::size_t>(kind)]) bag.push_back(kind);
      if (dialogs) dialogs->ProcessPendingMessages();
    }
  }

  int drawn = static_cast<int>(TransitionKind::None);
  if (!bag.empty()) {
    const int at = bag.size() == 1 ? 0 : Random(static_cast<int>(bag.size()));
    drawn = bag[static_cast<std::size_t>(at)];
    bag.erase(bag.begin() + at);
  }
  state.ActiveTransition = drawn;
  if (drawn == kIncrease) hasPreviousScreen = false;
  return drawn;
}

int StartTransitions(TransitionState& state, int slideEffect, const TransitionChecks& slideCheck,
                     bool& hasPreviousScreen, UserDialogs* dialogs) {
  state.ConfiguredTransition = slideEffect;
  if (slideEffect == kShuffle)
    DrawShuffleTransition(state, slideCheck, hasPreviousScreen, dialogs);
  else
    state.ActiveTransition = slideEffect;
  if (state.ActiveTransition == kIncrease) hasPreviousScreen = false;
  return state.ActiveTransition;
}

bool ChangeTransitionAtEffectPoint(TransitionState& state, const TransitionChecks& slideCheck,
                                   bool& hasPreviousScreen, UserDialogs* dialogs) {
  if (state.ConfiguredTransition != kShuffle) return false;
  DrawShuffleTransition(state, slideCheck, hasPreviousScreen, dialogs);
  return true;
}

void PauseTransitions(TransitionState& state) {
  state.PausedTransition = state.ActiveTransition;
  state.ActiveTransition = static_cast<int>(TransitionKind::None);
}

void ResumeTransitions(TransitionState& state, bool& hasPreviousScreen) {
  state.ActiveTransition = state.PausedTransition;
  if (state.ActiveTransition == kIncrease) hasPreviousScreen = false;
}

void StopTransitions(TransitionState& state, bool& hasPreviousScreen) {
  // A stop without a start (the state already idle) keeps the active kind.
  if (state.ConfiguredTransition >= 0) state.ActiveTransition = state.ConfiguredTransition;
  state.ConfiguredTransition = -1;
  state.TransitionBag.clear();
  hasPreviousScreen = false;
}
