#pragma once
// Joins the slideshow engine to the windows: the display window, the main
// window's buttons, menus, option controls and lists, the display's context
// menu and its keys, the progress window and the mouse pointer. Holds no
// rules; every decision is the engine's.
#include <QObject>
#include <memory>

#include "engine/ScreenSaverFreedesktop.h"
#include "engine/SlideshowEngine.h"
#include "music/GstMusicPlayer.h"
#include "platform/QtTimer.h"
#include "platform/QtUiThreadPost.h"
#include "ui/QtUserDialogs.h"

class QMenu;
class TfrmMain;
class TfrmDisplay;

class SlideshowSession final : public QObject, private SlideShell {
 public:
  SlideshowSession(TfrmMain& main, TfrmDisplay& display);
  ~SlideshowSession() override;

  SlideshowEngine& Engine() { return *engine_; }
  QMenu* ContextMenu() const { return contextMenu_; }

  void StartOrPause();
  // The close sequence: a playing or paused slideshow stops.
  void StopIfRunning();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // SlideShell
  void GiveArrowKeysToVolume(bool toVolume) override;
  void SetPointerHidden(bool hidden) override;
  void TogglePointer() override { SetPointerHidden(!pointerHidden_); }
  bool NoSaver() const override;

  void ConnectCommands();
  void ApplyMenuState();

  TfrmMain& main_;
  TfrmDisplay& display_;
  QtUserDialogs dialogs_;
  QtTimerFactory timers_;
  QtUiThreadPost post_;
  ScreenSaverFreedesktop saver_;
  std::unique_ptr<GstMusicPlayer> player_;
  std::unique_ptr<ProgressWindow> progress_;
  std::unique_ptr<LoadingLabel> loading_;
  QMenu* contextMenu_;
  std::unique_ptr<SlideshowEngine> engine_;
  bool pointerHidden_ = false;
  quint64 lastClick_ = 0;
};
