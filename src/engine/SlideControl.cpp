#include "engine/SlideControl.h"

#include <QFileInfo>

#include "library/OptionItems.h"

const char* const kNoMarkedFolderMessage =
    "スライドショーを実行するためのリストが作成できませんでした。\r"
    "フォルダリストの「フォルダ名」のチェックが全て外れています。\r"
    "1つ以上のチェックが必要です。";

namespace {

constexpr int kShuffleFilter = static_cast<int>(FilterKind::Shuffle);
constexpr int kShuffleTransition = static_cast<int>(TransitionKind::Shuffle);
constexpr int kIncrease = static_cast<int>(TransitionKind::Increase);

enum TimingRule : int { kTimingFolderAndCount = 0, kTimingFolder = 1, kTimingCount = 2 };

// The folder of a file, without trailing separator; empty for an empty path.
QString FolderOf(const QString& file) {
  if (file.isEmpty()) return QString();
  return QFileInfo(file).absolutePath();
}

}  // namespace

SlideMenuState ComputeSlideMenuState(PlayState state, const SlideshowOptions& options) {
  SlideMenuState s;
  const bool playing = state == PlayState::Playing;
  s.SlideCaption = playing ? QStringLiteral("スライドショー一時停止(&S)")
                           : QStringLiteral("スライドショー開始(&S)");
  s.StopVisible = playing || state == PlayState::Paused;
  s.ImageMenuVisible = !playing;
  s.ImageMenuEnabled = !playing;
  s.FolderMenuVisible = options.cbImg != kOrderLoopOrAll;
  s.LabelMenuVisible = options.UseLabel;
  return s;
}

SlideControl::SlideControl(SlideControlPorts ports)
    : ports_(std::move(ports)), slideTimer_(ports_.Timers->CreateTimer()) {
  slideTimer_->SetHandler([this] { OnSlideTimer(); });
}

SlideControl::~SlideControl() { RestoreScreenSaver(); }

void SlideControl::StartOrPause() {
  switch (state_) {
    case PlayState::Idle:
    case PlayState::Paused: StartSlideshow(); break;
    case PlayState::Playing: PauseSlideshow(); break;
    case PlayState::Starting: break;
  }
}

void SlideControl::SetEffects(int filter, int transition) {
  activeFilter_ = filter;
  activeTransition_ = transition;
  ports_.Effects->ShowEffects(filter, transition);
}

void SlideControl::StartSlideshow() {
  if (state_ != PlayState::Idle && state_ != PlayState::Paused) return;
  SlidePlayLists& lists = *ports_.PlayLists;
  stopRequested_ = false;
  if (lists.FolderListRowCount() == 0) return;
  if (lists.MarkedFolderRowCount() == 0) {
    ports_.Dialogs->ShowInformation(QString::fromUtf8(kNoMarkedFolderMessage));
    return;
  }
  const PlayState before = state_;
  ProcessPendingMessages();
  // A command that ran meanwhile (a stop, another start) has taken over.
  if (state_ != before || stopRequested_) return;
  const bool resume = state_ == PlayState::Paused;
  state_ = PlayState::Starting;

  if (resume) {
    SetEffects(pausedFilter_, pausedTransition_);
    if (activeTransition_ == kIncrease) ports_.Pictures->ForgetPreviousScreen();
    if (ports_.Music->MusicActive()) {
      ports_.Music->StartBgm();
      ports_.Music->RestartArtworkTimer();
    }
  } else {
    if (!lists.StartPlayLists()) {
      state_ = PlayState::Idle;
      return;
    }
    if (ports_.Music->MusicActive()) ports_.Music->StartBgm();
    configuredFilter_ = ports_.Effects->FilterSelectorPosition();
    configuredTransition_ = ports_.Effects->TransitionSelectorPosition();
    int filter = configuredFilter_ < 0 ? 0 : configuredFilter_;
    int transition = configuredTransition_ < 0 ? 0 : configuredTransition_;
    // Until the first draw the filter in force is the selector's position.
    activeFilter_ = filter;
    if (configuredFilter_ == kShuffleFilter) filter = ports_.Effects->DrawShuffleFilter();
    if (configuredTransition_ == kShuffleTransition) {
      transition = ports_.Effects->DrawShuffleTransition();
    } else {
      ports_.Effects->SetIncreaseFilterFromOptions();
    }
    SetEffects(filter, transition);
    if (activeTransition_ == kIncrease) ports_.Pictures->ForgetPreviousScreen();
    ports_.Display->ShowLoading();
    ports_.Labels->ResetKeyGuide();
    effectChangeCount_ = 1;
  }

  ports_.Labels->LayOutLabels();
  ProcessPendingMessages();
  // A stop that arrived meanwhile has hidden the display; do not bring it back.
  if (!stopRequested_) {
    if (!ports_.Display->IsShowing()) {
      ports_.Display->ShowFullScreen();
      ports_.Display->MakeTopmost();
      contextMenuPending_ = false;
    }
    // A picture that cannot be decoded is reported by the picture path; the
    // start still completes and the next tick goes on with the next image.
    ports_.Pictures->ShowCurrentImage();
    if (activeTransition_ == kIncrease) ports_.Display->ShowLoading();
  }
  if (stopRequested_) {
    StopSlideshow();
    return;
  }
  ports_.Labels->LayOutLabels();
  ports_.Display->HideLoading();
  ports_.Shell->GiveArrowKeysToVolume(true);
  if (ports_.Shell->NoSaver()) SuppressScreenSaver();
  ports_.Display->FocusDisplay();
  ports_.Shell->SetPointerHidden(true);
  slideTimer_->SetInterval(SlideTimerInterval(Options()));
  slideTimer_->Start();
  state_ = PlayState::Playing;
  stopRequested_ = false;
}

void SlideControl::PauseSlideshow() {
  if (state_ == PlayState::Paused || state_ == PlayState::Idle) return;
  slideTimer_->Stop();
  state_ = PlayState::Paused;
  pausedTransition_ = activeTransition_;
  pausedFilter_ = activeFilter_;
  SetEffects(0, 0);
  if (ports_.Music->MusicActive()) ports_.Music->PauseBgm();
  ports_.Pictures->ShowCurrentImage();
  ports_.Shell->SetPointerHidden(false);
  ports_.Labels->LayOutLabels();
}

void SlideControl::StopSlideshow() {
  const SlideshowOptions& o = Options();
  SlidePlayLists& lists = *ports_.PlayLists;
  stopRequested_ = true;

  slideTimer_->Stop();
  ports_.Labels->StopLabelTimers();
  ports_.Music->StopMusicTimers();
  effectChangeCount_ = 0;

  if (state_ == PlayState::Playing || state_ == PlayState::Paused) {
    const QString shown = ports_.Pictures->CurrentImageFile();
    ports_.Preview->RecordLastPlayed(shown, FolderOf(shown), ports_.Music->CurrentBgmFile());
  }
  ports_.Music->StopBgm();

  ports_.Shell->SetPointerHidden(false);
  ports_.Shell->GiveArrowKeysToVolume(false);
  RestoreScreenSaver();

  state_ = PlayState::Idle;
  ports_.Pictures->ClearScreenAfterStop();
  ports_.Display->HideAllLabels();

  int filter = activeFilter_, transition = activeTransition_;
  if (configuredFilter_ != -1) filter = configuredFilter_;
  if (configuredTransition_ != -1) transition = configuredTransition_;
  SetEffects(filter, transition);
  configuredFilter_ = -1;
  configuredTransition_ = -1;
  ports_.Effects->ClearIncreaseFilter();
  ports_.Effects->EmptyEffectBags();

  // The next start resumes at the folder (and image) that was playing.
  if (o.cbImg != kOrderLoopOrAll && (o.cbDir == kOrderFromSelected || o.cbDir == kOrderLoopOrAll)) {
    if (lists.FolderCount() > 0) ports_.Preview->SelectFolderRowOfPlayIndex(lists.FolderPlayIndex());
    const int keep = o.cbImg == kOrderFromSelected ? lists.CurrentImageIndex() : 0;
    ports_.Preview->BuildCurrentFolderImages();
    lists.SetCurrentImageIndex(keep);
  } else {
    ports_.Preview->BuildCurrentFolderImages();
    lists.SetCurrentImageIndex(ports_.Preview->SavedPreviewPosition());
  }
  lists.EmptyFolderPlayList();
  if (ports_.Music->MusicActive()) ports_.Music->ReturnBgmListAfterStop();

  ports_.Pictures->ResetPrefetchKey();
  ports_.Preview->RefreshPreview();

  ports_.Display->CloseDisplay();
  ports_.Shell->SetPointerHidden(false);
  ports_.Display->HideAllLabels();
  ports_.Pictures->ForgetPreviousScreen();
  timerReady_ = true;
  folderChangeInProgress_ = false;
}

bool SlideControl::AtFolderEnd(int index) const {
  const SlideshowOptions& o = Options();
  if (index >= ports_.PlayLists->ImageCount()) return true;
  return o.UseLimit && o.cbImg != kOrderLoopOrAll && index >= o.LimitNum;
}

void SlideControl::OnSlideTimer() {
  if (!timerReady_ || state_ != PlayState::Playing) return;
  const SlideshowOptions& o = Options();
  SlidePlayLists& lists = *ports_.PlayLists;
  KeepDisplayInFront();
  const int next = lists.CurrentImageIndex() + 1;
  lists.SetCurrentImageIndex(next);
  bool folderChanged = false;
  if (AtFolderEnd(next)) {
    bool hasImages = true;
    if (o.cbImg == kOrderLoopOrAll) {
      lists.ReshuffleAllImages();
    } else if (o.cbDir == kOrderLoopOrAll) {
      hasImages = lists.BuildImagePlayList();
    } else if (lists.FolderCount() > 0) {
      lists.SetFolderPlayIndex((lists.FolderPlayIndex() + 1) % lists.FolderCount());
      hasImages = lists.BuildImagePlayList();
    }
    lists.SetCurrentImageIndex(0);
    folderChanged = true;
    if (!hasImages) {
      NextFolder();
      return;
    }
  }
  EffectChange(folderChanged);
  ports_.Pictures->ShowCurrentImage();
  KeepDisplayInFront();
}

PlannedSlide SlideControl::PlanNextSlide() const {
  const SlideshowOptions& o = Options();
  const SlidePlayLists& lists = *ports_.PlayLists;
  const int next = lists.CurrentImageIndex() + 1;
  PlannedSlide plan;
  if (!AtFolderEnd(next)) {
    plan.Key = PrefetchKey{lists.FolderPlayIndex(), next};
    plan.File = lists.ImageAt(next);
    PlanEffects(plan);
    return plan;
  }
  // The same choices as the end of a pass in OnSlideTimer.
  plan.NewPass = true;
  if (o.cbImg == kOrderLoopOrAll) {
    plan.Key = PrefetchKey{lists.FolderPlayIndex(), 0};
    plan.File = lists.PeekFirstReshuffledImage();
  } else {
    int folder = lists.FolderPlayIndex();
    if (o.cbDir != kOrderLoopOrAll && lists.FolderCount() > 0) folder = (folder + 1) % lists.FolderCount();
    plan.Key = PrefetchKey{folder, 0};
    plan.File = lists.PeekFirstBuiltImage(folder);
  }
  PlanEffects(plan);
  return plan;
}

void SlideControl::PlanEffects(PlannedSlide& plan) const {
  if (DrawsEffects(plan.NewPass, effectChangeCount_ + 1)) return;  // drawn at the tick: not known yet
  plan.Filter = activeFilter_;
  plan.Transition = activeTransition_;
}

bool SlideControl::DrawsEffects(bool folderChanged, int count) const {
  const SlideshowOptions& o = Options();
  if (configuredFilter_ != kShuffleFilter && configuredTransition_ != kShuffleTransition) return false;
  const bool countReached = count > o.ChangeNum;
  switch (o.TimingIdx) {
    case kTimingFolderAndCount: return folderChanged || countReached;
    case kTimingFolder: return folderChanged;
    case kTimingCount: return countReached;
    default: return false;
  }
}

void SlideControl::EffectChange(bool folderChanged) {
  ++effectChangeCount_;
  if (!DrawsEffects(folderChanged, effectChangeCount_)) return;
  const bool shuffleFilter = configuredFilter_ == kShuffleFilter;
  const bool shuffleTransition = configuredTransition_ == kShuffleTransition;
  int filter = activeFilter_, transition = activeTransition_;
  if (shuffleFilter) {
    filter = ports_.Effects->DrawShuffleFilter();
    effectChangeCount_ = 1;
  }
  if (shuffleTransition) {
    transition = ports_.Effects->DrawShuffleTransition();
    if (transition == kIncrease) ports_.Pictures->ForgetPreviousScreen();
    effectChangeCount_ = 1;
  }
  SetEffects(filter, transition);
}

bool SlideControl::StepToExistingFolder(int direction) {
  SlidePlayLists& lists = *ports_.PlayLists;
  const int count = lists.FolderCount();
  int index = lists.FolderPlayIndex();
  for (int step = 0; step < count; ++step) {
    index = ((index + direction) % count + count) % count;
    if (lists.FolderExists(index)) {
      lists.SetFolderPlayIndex(index);
      return true;
    }
  }
  return false;
}

bool SlideControl::BuildFromHereOrForward() {
  SlidePlayLists& lists = *ports_.PlayLists;
  // One pass over the play list at most: a list in which no folder exists or
  // holds images any more would otherwise be searched for ever.
  for (int tried = 0; tried < lists.FolderCount(); ++tried) {
    const bool hasImages = lists.BuildImagePlayList();
    lists.SetCurrentImageIndex(0);
    if (hasImages) return true;
    if (!StepToExistingFolder(+1)) return false;
  }
  return false;
}

void SlideControl::FolderCommand(int direction) {
  SlidePlayLists& lists = *ports_.PlayLists;
  if (lists.FolderCount() < 2) return;
  timerReady_ = false;
  folderChangeInProgress_ = true;
  ProcessPendingMessages();
  if (state_ == PlayState::Idle) {  // stopped meanwhile
    folderChangeInProgress_ = false;
    timerReady_ = true;
    return;
  }
  const bool found = StepToExistingFolder(direction) && BuildFromHereOrForward();
  if (!found) {
    // Nothing left to show: the screen keeps its picture.
    folderChangeInProgress_ = false;
    timerReady_ = true;
    return;
  }
  if (state_ != PlayState::Paused) EffectChange(true);
  folderChangeInProgress_ = false;
  ports_.Pictures->ShowCurrentImage();
  timerReady_ = true;
}

void SlideControl::NextFolder() { FolderCommand(+1); }
void SlideControl::PrevFolder() { FolderCommand(-1); }

void SlideControl::NextImage() {
  if (state_ == PlayState::Playing) return;  // stepping is for a paused slideshow
  const SlideshowOptions& o = Options();
  SlidePlayLists& lists = *ports_.PlayLists;
  const int next = lists.CurrentImageIndex() + 1;
  lists.SetCurrentImageIndex(next);
  if (AtFolderEnd(next)) {
    bool hasImages = true;
    if (lists.FolderCount() > 1) {
      if (o.cbImg == kOrderLoopOrAll) {
        lists.ReshuffleAllImages();
      } else {
        lists.SetFolderPlayIndex((lists.FolderPlayIndex() + 1) % lists.FolderCount());
        hasImages = lists.BuildImagePlayList();
      }
    }
    lists.SetCurrentImageIndex(0);
    if (!hasImages) {
      NextFolder();
      return;
    }
  }
  ports_.Pictures->ShowCurrentImage();
}

void SlideControl::PrevImage() {
  if (state_ == PlayState::Playing) return;
  SlidePlayLists& lists = *ports_.PlayLists;
  int index = lists.CurrentImageIndex() - 1;
  if (index < 0) index = std::max(lists.ImageCount() - 1, 0);
  lists.SetCurrentImageIndex(index);
  ports_.Pictures->ShowCurrentImage();
}

void SlideControl::KeepDisplayInFront() {
  SlideDisplay& d = *ports_.Display;
  if (!d.IsShowing()) return;
  if (!d.IsActiveWindow()) d.BringToForeground();
  if (!d.IsTopmost()) d.MakeTopmost();
}

bool SlideControl::BeginContextMenuRequest() {
  if (contextMenuPending_) return false;
  contextMenuPending_ = true;
  if (state_ == PlayState::Playing) PauseSlideshow();
  return true;
}

void SlideControl::OnMainWindowClick() {
  if (slideTimer_->IsActive()) ports_.Shell->TogglePointer();
}

void SlideControl::OnIntervalChanged() {
  const bool running = slideTimer_->IsActive();
  slideTimer_->SetInterval(SlideTimerInterval(Options()));
  if (running) slideTimer_->Start();
}

void SlideControl::SuppressScreenSaver() {
  if (screenSaverSuppressed_ || ports_.Saver == nullptr) return;
  screenSaverSuppressed_ = ports_.Saver->Inhibit();
}

void SlideControl::RestoreScreenSaver() {
  if (!screenSaverSuppressed_) return;
  screenSaverSuppressed_ = false;
  if (ports_.Saver != nullptr) ports_.Saver->UnInhibit();
}
