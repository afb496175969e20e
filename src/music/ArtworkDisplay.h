#pragma once
// The album artwork of the current track: a picture with a fixed name
// (ArtName, "cover.jpg" by default) in the track's folder, shown at a chosen
// height in its own panel among the labels. Every 20 seconds the card turns
// over, to a copy of itself or to a copy through a random filter, and 20
// seconds later back again.
#include <QString>
#include <functional>
#include <memory>

#include "bitmap/FrameBitmap.h"
#include "platform/Timer.h"

class ArtworkView;
class BgmController;
class Clock;
class UserDialogs;
struct SlideshowOptions;

// What the artwork reads from the rest of the program at each refresh.
struct ArtworkFacts {
  bool ArtShown = false;         // the "アートワーク(&A)" menu item is checked
  bool UseBgm = false;
  bool BgmPlayListEmpty = true;
  bool SlideshowPaused = false;
  QString ArtName;
  int ArtSize = 2;               // item index of 100, 125, 150, 175, 200
  int ArtEffect = 2;             // 0 none, 1 flip, 2 flip to a filtered copy
};

class ArtworkDisplay {
 public:
  ArtworkDisplay(BgmController& bgm, TimerFactory& timers, Clock& pacing, UserDialogs& dialogs,
                 std::function<ArtworkFacts()> facts);

  // The view (may be absent: then nothing is painted) and the screen whose
  // picture shows behind the panel while the card turns.
  void SetView(ArtworkView* view) { view_ = view; }
  void SetScreen(const FrameBitmap* screen) { screen_ = screen; }

  // On every label refresh: hides the artwork when it is not to be shown,
  // loads it when the track's artwork is not loaded yet.
  void Refresh();
  // The TimerArt handler: turns the card over.
  void OnArtTimer();
  // Slideshow pause and stop; resume enables the timer again when the effect,
  // the panel and a loaded picture allow it.
  void StopTimer();
  void RestartTimerAfterResume();

  int PanelWidth() const { return panelWidth_; }
  int PanelHeight() const { return panelHeight_; }
  const FrameBitmap& ArtBitmap() const { return artBitmap_; }
  const FrameBitmap& ArtFront() const { return artFront_; }
  const FrameBitmap& ArtBack() const { return artBack_; }
  Timer& TimerArt() { return *timer_; }

 private:
  void LoadArtwork(const ArtworkFacts& facts);
  void Hide();
  void Paint();
  // The screen block under the panel, the background colour where none.
  FrameBitmap Background() const;

  BgmController& bgm_;
  Clock& pacing_;
  UserDialogs& dialogs_;
  std::function<ArtworkFacts()> facts_;
  std::unique_ptr<Timer> timer_;
  ArtworkView* view_ = nullptr;
  const FrameBitmap* screen_ = nullptr;
  int panelWidth_ = 0;
  int panelHeight_ = 0;
  FrameBitmap artBitmap_;
  FrameBitmap artFront_;
  FrameBitmap artBack_;
};

// The panel height of an ArtSize item index (150 for an unknown index).
int ArtHeightOf(int artSize);
