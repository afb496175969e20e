#pragma once
// The engine's windows during an export: there is no screen, so the display
// only remembers whether it is showing, the timers never tick on their own
// (the export drives the slide timer on its virtual clock), and messages are
// collected for the export report instead of opening boxes.
#include <QStringList>
#include <functional>
#include <memory>

#include "display/LabelBoxView.h"
#include "display/LabelTextMeasure.h"
#include "engine/LoadingLabel.h"
#include "engine/SlideControlPorts.h"
#include "music/MusicPlayer.h"
#include "platform/Timer.h"
#include "platform/UserDialogs.h"

class ExportDialogs final : public UserDialogs {
 public:
  void ShowInformation(const QString& text) override { Add(text); }
  void ShowError(const QString& text) override { Add(text); }
  bool AskYesNo(const QString& text) override {
    Add(text);
    return false;
  }
  void ProcessPendingMessages() override {
    if (KeepAlive) KeepAlive();
  }
  // Lets the program's own windows run (the progress window, its cancel button).
  std::function<void()> KeepAlive;
  QStringList Messages;

 private:
  void Add(const QString& text) {
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    if (!Messages.contains(line)) Messages << line;
  }
};

class ExportTimer final : public Timer {
 public:
  void SetInterval(int ms) override { interval_ = ms; }
  int Interval() const override { return interval_; }
  void Start() override { active_ = true; }
  void Stop() override { active_ = false; }
  bool IsActive() const override { return active_; }
  void SetHandler(std::function<void()>) override {}

 private:
  int interval_ = 0;
  bool active_ = false;
};

class ExportTimers final : public TimerFactory {
 public:
  std::unique_ptr<Timer> CreateTimer() override { return std::make_unique<ExportTimer>(); }
};

class ExportDisplay final : public SlideDisplay, public SlideShell, public LoadingLabel {
 public:
  // SlideDisplay
  bool IsShowing() const override { return showing_; }
  void ShowFullScreen() override { showing_ = true; }
  void CloseDisplay() override { showing_ = false; }
  bool IsActiveWindow() const override { return true; }
  void BringToForeground() override {}
  bool IsTopmost() const override { return true; }
  void MakeTopmost() override {}
  void ShowLoading() override {}
  void HideLoading() override {}
  void FocusDisplay() override {}
  void HideAllLabels() override {}
  // SlideShell
  void GiveArrowKeysToVolume(bool) override {}
  void SetPointerHidden(bool) override {}
  void TogglePointer() override {}
  bool NoSaver() const override { return false; }
  // LoadingLabel
  QString Text() const override { return text_; }
  void SetText(const QString& text) override { text_ = text; }
  void Enlarge(int, int) override {}
  void CentreOnMonitor() override {}
  void Show() override {}
  void Hide() override {}

 private:
  bool showing_ = false;
  QString text_;
};

// The labels are not part of the video: their layout is taken and dropped.
class ExportLabels final : public LabelBoxView, public LabelTextMeasure {
 public:
  void ApplyLabelLayout(const LabelLayout&) override {}
  void SetBoxText(LabelBox, const QString&) override {}
  void HideTextBoxes() override {}
  int TextWidth(const QString& text) override { return 7 * static_cast<int>(text.size()); }
  int TextHeight() override { return 13; }
  int ListTextWidth(const QString& text) override { return 6 * static_cast<int>(text.size()); }
  int ListLineHeight() override { return 12; }
};

// The engine's music player during an export: it plays nothing. The
// soundtrack is decoded on its own, in the order the play list gives.
class SilentPlayer final : public MusicPlayer {
 public:
  void Load(const QString& path) override {
    url_ = path;
    state_ = path.isEmpty() ? PlayerState::Undefined : PlayerState::Ready;
  }
  void Play() override { state_ = PlayerState::Playing; }
  void Pause() override { state_ = PlayerState::Paused; }
  void Stop() override { state_ = PlayerState::Stopped; }
  void Close() override { state_ = PlayerState::Undefined; }
  PlayerState State() override { return state_; }
  QString PositionText() override { return QString(); }
  QString DurationText() override { return QString(); }
  void SetVolume(int) override {}
  QString Url() const override { return url_; }
  void SetAutoStart(bool) override {}

 private:
  QString url_;
  PlayerState state_ = PlayerState::Undefined;
};
