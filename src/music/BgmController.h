#pragma once
// The background-music rules of a running slideshow: which track plays, what
// follows at the end of a track in each music order, previous and next,
// pause, resume and stop with the slideshow, and the volume. It works on the
// engine's BgmPlayList and BgmPlayIndex, which the engine builds at start;
// the player is polled by the end-of-track watch (TimerBGM) and the
// play-time label timer (TimerBGMPlayTime), both 100 ms.
#include <QString>
#include <functional>
#include <memory>

#include "engine/PlayLists.h"
#include "music/MusicPlayer.h"
#include "platform/Timer.h"

// What the controller asks of the window and the engine around it.
struct BgmControllerHooks {
  // Lays out the labels again: the new title, the new artwork.
  std::function<void()> refreshLabels;
  // Writes a text into the play-state label.
  std::function<void(const QString&)> showPlayState;
  std::function<void()> stopArtworkTimer;
  // The engine's TimerReady flag, cleared while a volume command runs.
  std::function<void(bool)> setTimerReady;
  // True while the slideshow is paused.
  std::function<bool()> slideshowPaused;
  // Defaults to a look at the file system.
  std::function<bool(const QString&)> fileExists;
};

// The BGM submenu of the display's context menu.
struct BgmMenuState {
  bool visible = false;
  bool enabled = false;
};

class BgmController {
 public:
  BgmController(MusicPlayer& player, PlayLists& lists, TimerFactory& timers, BgmControllerHooks hooks);

  // Options and list of the current slideshow.
  void SetUseBgm(bool on) { useBgm_ = on; }
  void SetOrder(int cbBGM) { order_ = cbBGM; }
  void SetBgmListHasRows(bool hasRows) { bgmListHasRows_ = hasRows; }

  // The file last taken from the play list; empty before the first track.
  const QString& CurrentBgmFile() const { return currentBgmFile_; }

  // Loading a slideshow: no current music, auto-start off, and the file that
  // played last (LastPlayBGM) handed to the player without playing it.
  void ResetPlayState();
  void HandOverLastPlayedBgm(const QString& lastPlayBgm);

  // WMPVol as read at start-up, clamped and given to the player.
  void ApplyStoredVolume(int wmpVol);
  // The volume to write back as WMPVol.
  int BgmVolume() const { return volume_; }

  void PlayCurrentBgm();
  void StartBgm();
  void PauseBgm();
  void StopBgm();
  void OnBgmTimer();
  void NextBgm();
  void PrevBgm();
  void VolumeUp();
  void VolumeDown();
  void VolumeReset();
  // The play-time label tick: writes the running play-state text.
  void OnPlayTimeTimer();
  QString PlayStateText();
  BgmMenuState MenuState();

  // Artwork flags: cleared here when another track starts or is loaded.
  bool ArtworkLoaded() const { return artworkLoaded_; }
  bool ArtworkFlipped() const { return artworkFlipped_; }
  void SetArtworkLoaded(bool on) { artworkLoaded_ = on; }
  void SetArtworkFlipped(bool on) { artworkFlipped_ = on; }

  Timer& TimerBGM() { return *endWatch_; }
  Timer& TimerBGMPlayTime() { return *playTime_; }

 private:
  bool MusicOn() const { return useBgm_ && bgmListHasRows_; }
  bool Exists(const QString& path) const;
  // Moves the index by `step` to the next existing file, at most once
  // round the list; false (index unchanged) when no file exists.
  bool StepToExistingFile(int step);
  void LoadChosenWhilePaused(bool thenPause);
  void ChangeVolume(int volume);
  void RefreshLabels();

  MusicPlayer& player_;
  PlayLists& lists_;
  BgmControllerHooks hooks_;
  std::unique_ptr<Timer> endWatch_;
  std::unique_ptr<Timer> playTime_;
  bool useBgm_ = true;
  int order_ = 0;
  bool bgmListHasRows_ = false;
  QString currentBgmFile_;
  // The current entry was missing when it was to be played: the end watch
  // moves on from it even though the player has not stopped.
  bool currentMissing_ = false;
  int volume_ = 50;  // the player's own volume when it is created
  bool artworkLoaded_ = false;
  bool artworkFlipped_ = false;
  bool inEndWatch_ = false;
};
