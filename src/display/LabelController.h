#pragma once
// Keeps the overlay labels of the display window up to date: composes their
// texts, lays them out, runs the clock and key-guide timers and carries out
// the label toggles of the context menu.
#include <functional>
#include <memory>

#include "display/LabelBoxView.h"
#include "display/LabelLayout.h"
#include "engine/SlideControlPorts.h"
#include "library/SlideshowOptions.h"
#include "platform/Clock.h"
#include "platform/Timer.h"

// What the labels show, read at the moment of a layout.
struct LabelFacts {
  int MW = 0;
  int MH = 0;
  bool DisplayShowing = false;
  QString SlideshowName;
  QString CurrentImageFile;
  int CurrentImageIndex = 0;
  int ImageCount = 0;
  int FolderPlayIndex = 0;
  int FolderCount = 0;
  // Music: UseBGM on and a non-empty BgmPlayList make the music boxes count.
  bool UseBgm = false;
  bool BgmPlayListEmpty = true;
  bool PlayerHoldsFile = false;
  QString BgmTitle;          // "♪03/10. ..." from the music controller
  QString StateLayoutText;   // sizes the state box
  QString StateText;         // drawn in it
  // Exif of the current image: the box lines and DateTimeOriginal as stored
  // ("YYYY:MM:DD HH:MM:SS"); both empty when the reader refuses the file.
  QStringList ExifLines;
  QString ExifDateTimeOriginal;
  int ArtWidth = 0;
  int ArtHeight = 0;
};

class LabelController final : public SlideLabels {
 public:
  LabelController(std::function<SlideshowOptions&()> options, std::function<LabelFacts()> facts,
                  LabelTextMeasure& measure, LabelBoxView& view, TimerFactory& timers, Clock& clock);

  // SlideLabels
  void LayOutLabels() override;
  void ResetKeyGuide() override { guidePosition_ = 0; }
  void StopLabelTimers() override;

  // The label items of the context menu (Alt + L ... Alt + U).
  void ToggleLabel(LabelBox box);
  void ShowAllLabels();  // 全て表示
  void HideAllLabels();  // 全て非表示
  // UseLabel switched in the options: off hides the text boxes at once.
  void OnUseLabelChanged();

  int GuidePosition() const { return guidePosition_; }
  bool ClockTimerActive() const { return clockTimer_->IsActive(); }
  bool GuideTimerActive() const { return guideTimer_->IsActive(); }
  // The texts a layout would give, for the tests and the benchmark.
  LabelLayoutInput ComposeInput() const;

 private:
  void OnClockTick();
  void OnGuideTick();
  void SetAllLabels(bool on);

  std::function<SlideshowOptions&()> options_;
  std::function<LabelFacts()> facts_;
  LabelTextMeasure& measure_;
  LabelBoxView& view_;
  Clock& clock_;
  std::unique_ptr<Timer> clockTimer_;
  std::unique_ptr<Timer> guideTimer_;
  int guidePosition_ = -1;  // -1: not set
};

// The label setting of a box (SlideName, GName, ... Guide).
bool& LabelSetting(SlideshowOptions& o, LabelBox box);
PerLabelBox<bool> LabelSettings(const SlideshowOptions& o);
