#include "music/BgmController.h"

#include <QFileInfo>
#include <algorithm>

#include "display/MusicLabel.h"
#include "music/BgmOrder.h"
#include "music/BgmVolume.h"

namespace {
constexpr int kWatchIntervalMs = 100;
}  // namespace

BgmController::BgmController(MusicPlayer& player, PlayLists& lists, TimerFactory& timers, BgmControllerHooks hooks)
    : player_(player), lists_(lists), hooks_(std::move(hooks)), endWatch_(timers.CreateTimer()), playTime_(timers.CreateTimer()) {
  endWatch_->SetInterval(kWatchIntervalMs);
  endWatch_->SetHandler([this] { OnBgmTimer(); });
  playTime_->SetInterval(kWatchIntervalMs);
  playTime_->SetHandler([this] { OnPlayTimeTimer(); });
}

bool BgmController::Exists(const QString& path) const {
  if (path.isEmpty()) return false;
  if (hooks_.fileExists) return hooks_.fileExists(path);
  return QFileInfo(path).isFile();
}

void BgmController::RefreshLabels() {
  if (hooks_.refreshLabels) hooks_.refreshLabels();
}

void BgmController::ResetPlayState() {
  currentBgmFile_.clear();
  currentMissing_ = false;
}

void BgmController::HandOverLastPlayedBgm(const QString& lastPlayBgm) {
  player_.SetAutoStart(false);
  if (useBgm_ && Exists(lastPlayBgm)) player_.Load(lastPlayBgm);
}

void BgmController::ApplyStoredVolume(int wmpVol) {
  volume_ = ClampBgmVolume(wmpVol);
  player_.SetVolume(volume_);
}

void BgmController::PlayCurrentBgm() {
  if (lists_.BgmPlayList.isEmpty()) return;
  if (lists_.BgmPlayIndex < 0 || lists_.BgmPlayIndex >= lists_.BgmPlayList.size()) lists_.BgmPlayIndex = 0;
  currentBgmFile_ = lists_.BgmPlayList.at(lists_.BgmPlayIndex);
  if (Exists(currentBgmFile_)) {
    currentMissing_ = false;
    player_.Load(currentBgmFile_);
    player_.Play();
    playTime_->Start();
  } else {
    currentMissing_ = true;  // the player is left as it is
  }
  artworkLoaded_ = false;
  artworkFlipped_ = false;
  RefreshLabels();
}

void BgmController::StartBgm() {
  if (!MusicOn()) return;
  if (hooks_.showPlayState) hooks_.showPlayState(BgmStateReadyText(order_, volume_));
  const PlayerState state = player_.State();
  if (state == PlayerState::Paused || state == PlayerState::Stopped) {
    player_.Play();  // the loaded track continues where it was
  } else {
    PlayCurrentBgm();
  }
  endWatch_->Start();
  playTime_->Start();
}

void BgmController::PauseBgm() {
  if (!MusicOn()) return;
  endWatch_->Stop();
  player_.Pause();
  if (hooks_.stopArtworkTimer) hooks_.stopArtworkTimer();
}

void BgmController::StopBgm() {
  endWatch_->Stop();
  playTime_->Stop();
  if (hooks_.stopArtworkTimer) hooks_.stopArtworkTimer();
  if (!MusicOn()) return;
  const PlayerState state = player_.State();
  if (state == PlayerState::Playing || state == PlayerState::Paused) {
    player_.Stop();
    player_.Close();
  } else if (state == PlayerState::Stopped) {
    player_.Close();
  }
  player_.Load("");
  currentMissing_ = false;
}

void BgmController::OnBgmTimer() {
  // A failure report from the player may run a nested event loop that ticks
  // this timer again; the outer tick finishes the step.
  if (inEndWatch_ || !useBgm_) return;
  inEndWatch_ = true;
  if (player_.State() == PlayerState::Stopped || currentMissing_) {
    const int count = static_cast<int>(lists_.BgmPlayList.size());
    if (order_ != kBgmOrderLoop && count > 0) lists_.BgmPlayIndex = (lists_.BgmPlayIndex + 1) % count;
    PlayCurrentBgm();
  }
  inEndWatch_ = false;
}

bool BgmController::StepToExistingFile(int step) {
  const int count = static_cast<int>(lists_.BgmPlayList.size());
  int index = std::clamp(lists_.BgmPlayIndex, 0, count - 1);
  for (int tried = 0; tried < count; ++tried) {
    index = (index + step + count) % count;
    if (Exists(lists_.BgmPlayList.at(index))) {
      lists_.BgmPlayIndex = index;
      return true;
    }
  }
  return false;
}

void BgmController::LoadChosenWhilePaused(bool thenPause) {
  currentBgmFile_ = lists_.BgmPlayList.at(lists_.BgmPlayIndex);
  currentMissing_ = false;
  player_.Load(currentBgmFile_);
  if (thenPause) player_.Pause();
  artworkLoaded_ = false;
  RefreshLabels();
}

// While the slideshow is paused the chosen track is only loaded (previous
// also pauses it), so that resuming starts it. While the slideshow plays, the
// chosen track plays, whatever the player was doing: with auto-start off a
// bare load would leave the music silent for the rest of the slideshow.
void BgmController::NextBgm() {
  if (!useBgm_ || lists_.BgmPlayList.size() <= 1) return;
  if (!StepToExistingFile(+1)) return;
  if (hooks_.slideshowPaused && hooks_.slideshowPaused()) {
    LoadChosenWhilePaused(false);
  } else {
    PlayCurrentBgm();
  }
}

void BgmController::PrevBgm() {
  if (!useBgm_ || lists_.BgmPlayList.size() <= 1) return;
  if (!StepToExistingFile(-1)) return;
  if (hooks_.slideshowPaused && hooks_.slideshowPaused()) {
    LoadChosenWhilePaused(true);
  } else {
    PlayCurrentBgm();
  }
}

void BgmController::ChangeVolume(int volume) {
  if (player_.Url().isEmpty()) return;
  if (hooks_.setTimerReady) hooks_.setTimerReady(false);
  volume_ = ClampBgmVolume(volume);
  player_.SetVolume(volume_);
  if (hooks_.showPlayState) hooks_.showPlayState(PlayStateText());
  if (hooks_.setTimerReady) hooks_.setTimerReady(true);
}

void BgmController::VolumeUp() { ChangeVolume(volume_ + 1); }
void BgmController::VolumeDown() { ChangeVolume(volume_ - 1); }
void BgmController::VolumeReset() { ChangeVolume(kDefaultBgmVolume); }

QString BgmController::PlayStateText() {
  return BgmStateRunningText(player_.PositionText(), player_.DurationText(), player_.State(), order_, volume_);
}

void BgmController::OnPlayTimeTimer() {
  if (hooks_.showPlayState) hooks_.showPlayState(PlayStateText());
}

BgmMenuState BgmController::MenuState() {
  if (!useBgm_) return {};
  const PlayerState state = player_.State();
  const bool paused = hooks_.slideshowPaused && hooks_.slideshowPaused();
  const bool enabled = state == PlayerState::Playing || state == PlayerState::Paused ||
                       (state == PlayerState::Stopped && paused);
  return {true, enabled};
}
