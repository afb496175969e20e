#pragma once
// Which transition is in force during a slideshow: the configured kind, the
// shuffle draw from the checked kinds, and when the next image change starts
// from the plain background instead of the screen.
//
// hasPreviousScreen is the show path's flag (ImageShow::HasPreviousScreen):
// true, the next transition starts from what is on screen; false, from the
// plain background (for Increase: no photo pile exists yet). The show path
// sets it after every image shown with a transition; these rules clear it.
#include <array>
#include <vector>

#include "platform/UserDialogs.h"
#include "transitions/TransitionKind.h"

// The check marks of the transition check list, one per kind 0..18.
using TransitionChecks = std::array<bool, kTransitionCount>;

struct TransitionState {
  int ConfiguredTransition = -1;  // the kind configured at start; -1 while stopped
  int ActiveTransition = 0;       // the kind used at the next image change
  int PausedTransition = 0;       // the active kind saved during a pause
  std::vector<int> TransitionBag;  // kinds not yet drawn in this round
};

// The shuffle draw. Ends an Increase pile in force (clears hasPreviousScreen),
// refills an empty bag with the checked kinds in ascending order (letting
// pending messages run after each when dialogs is given), takes the entry at
// Random(count) out of the bag (kind 0 when nothing is checked) and makes it
// the active kind; drawing Increase also clears hasPreviousScreen, so a new
// pile starts. Returns the drawn kind. When it is Increase, the caller also
// draws the filter for the earlier photos of the pile.
int DrawShuffleTransition(TransitionState& state, const TransitionChecks& slideCheck,
                          bool& hasPreviousScreen, UserDialogs* dialogs = nullptr);

// Slideshow start with the configured kind (SlideEffect): the shuffle draws,
// any other kind is used as it is; Increase starts without a pile. Returns
// the active kind.
int StartTransitions(TransitionState& state, int slideEffect, const TransitionChecks& slideCheck,
                     bool& hasPreviousScreen, UserDialogs* dialogs = nullptr);

// An effect-change point during play (a folder change or the image count
// reached): draws anew only when the configured kind is the shuffle. Returns
// whether it drew.
bool ChangeTransitionAtEffectPoint(TransitionState& state, const TransitionChecks& slideCheck,
                                   bool& hasPreviousScreen, UserDialogs* dialogs = nullptr);

// Pause: images stepped by hand come without a transition until resumed. The
// caller then shows the current image again without a transition.
void PauseTransitions(TransitionState& state);

// Resume: the kind in force before the pause again; Increase starts a new pile.
void ResumeTransitions(TransitionState& state, bool& hasPreviousScreen);

// Stop: the configured kind is active again (what the selector shows), the
// bag is emptied and the next start comes in from the background.
void StopTransitions(TransitionState& state, bool& hasPreviousScreen);
