#pragma once
// Runs a slideshow: start, pause, resume and stop, the slide timer, stepping
// images and folders, the shuffled-effect changes, keeping the display in
// front and holding off the screen saver.
#include <functional>
#include <memory>

#include "engine/PlayState.h"
#include "engine/PrefetchKey.h"
#include "engine/ScreenSaver.h"
#include "engine/SlideControlPorts.h"
#include "library/SlideshowOptions.h"
#include "platform/Timer.h"
#include "platform/UserDialogs.h"

struct SlideControlPorts {
  SlidePlayLists* PlayLists = nullptr;
  SlidePictures* Pictures = nullptr;
  SlideEffects* Effects = nullptr;
  SlideMusic* Music = nullptr;
  SlidePreview* Preview = nullptr;
  SlideDisplay* Display = nullptr;
  SlideLabels* Labels = nullptr;
  SlideShell* Shell = nullptr;
  ScreenSaver* Saver = nullptr;
  UserDialogs* Dialogs = nullptr;
  TimerFactory* Timers = nullptr;
  // The live option store (the controls of the main window).
  std::function<const SlideshowOptions&()> Options;
};

// The information message for a folder list without marked rows.
extern const char* const kNoMarkedFolderMessage;

// The state of the context menu of the display window for a play state.
struct SlideMenuState {
  QString SlideCaption;  // "スライドショー開始(&S)" or "スライドショー一時停止(&S)"
  bool StopVisible = false;
  bool ImageMenuVisible = true;
  bool ImageMenuEnabled = true;
  bool FolderMenuVisible = true;
  bool LabelMenuVisible = true;  // also its enabled state
};
SlideMenuState ComputeSlideMenuState(PlayState state, const SlideshowOptions& options);

class SlideControl {
 public:
  explicit SlideControl(SlideControlPorts ports);
  ~SlideControl();
  SlideControl(const SlideControl&) = delete;
  SlideControl& operator=(const SlideControl&) = delete;

  // Idle or paused: start; playing: pause; starting: nothing.
  void StartOrPause();
  void StartSlideshow();
  void PauseSlideshow();
  void StopSlideshow();
  void OnSlideTimer();
  void EffectChange(bool folderChanged);
  void NextFolder();
  void PrevFolder();
  void NextImage();
  void PrevImage();
  void KeepDisplayInFront();
  // The slide the timer will show next if nothing else happens first, so
  // that its picture can be decoded ahead (see OnSlideTimer).
  PlannedSlide PlanNextSlide() const;

  // A context-menu request on the display window: false when it is swallowed
  // (an earlier one is still being handled). While playing it pauses first.
  bool BeginContextMenuRequest();
  // The menu opened, or the display window was shown: requests count again.
  void ClearContextMenuGuard() { contextMenuPending_ = false; }
  // A click on the main window: while the slide timer runs, the pointer
  // toggles between hidden and shown.
  void OnMainWindowClick();
  // The interval or its unit changed in the options panel.
  void OnIntervalChanged();
  // A volume command runs: slide timer ticks wait meanwhile.
  void SetTimerReady(bool ready) { timerReady_ = ready; }

  PlayState State() const { return state_; }
  int ActiveFilter() const { return activeFilter_; }
  int ActiveTransition() const { return activeTransition_; }
  int ConfiguredFilter() const { return configuredFilter_; }
  int ConfiguredTransition() const { return configuredTransition_; }
  int EffectChangeCount() const { return effectChangeCount_; }
  bool TimerReady() const { return timerReady_; }
  bool FolderChangeInProgress() const { return folderChangeInProgress_; }
  bool StopRequested() const { return stopRequested_; }
  bool ScreenSaverSuppressed() const { return screenSaverSuppressed_; }
  bool SlideTimerActive() const { return slideTimer_->IsActive(); }

 private:
  const SlideshowOptions& Options() const { return ports_.Options(); }
  bool AtFolderEnd(int index) const;
  // Whether an effect change whose count has been stepped to count draws
  // new effects (only shuffled ones are drawn).
  bool DrawsEffects(bool folderChanged, int count) const;
  // The effects of the planned slide when the tick that shows it draws none.
  void PlanEffects(PlannedSlide& plan) const;
  // Moves FolderPlayIndex one step in direction (+1 or -1), passing over
  // missing folders, at most one pass; false when no folder exists.
  bool StepToExistingFolder(int direction);
  // From FolderPlayIndex on, builds the image list and moves forward over
  // folders without images; false when a whole pass found none.
  bool BuildFromHereOrForward();
  void FolderCommand(int direction);
  void SetEffects(int filter, int transition);
  void SuppressScreenSaver();
  void RestoreScreenSaver();
  void ProcessPendingMessages() { ports_.Dialogs->ProcessPendingMessages(); }

  SlideControlPorts ports_;
  std::unique_ptr<Timer> slideTimer_;
  PlayState state_ = PlayState::Idle;
  int configuredFilter_ = -1;
  int configuredTransition_ = -1;
  int activeFilter_ = 0;
  int activeTransition_ = 0;
  int pausedFilter_ = 0;
  int pausedTransition_ = 0;
  int effectChangeCount_ = 0;
  bool stopRequested_ = false;
  bool timerReady_ = true;
  bool folderChangeInProgress_ = false;
  bool screenSaverSuppressed_ = false;
  bool contextMenuPending_ = false;
};
