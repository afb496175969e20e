#include "display/LabelController.h"

#include <QFileInfo>

#include "display/LabelTexts.h"

namespace {
constexpr int kClockIntervalMs = 100;
constexpr int kGuideIntervalMs = 10000;
}  // namespace

bool& LabelSetting(SlideshowOptions& o, LabelBox box) {
  switch (box) {
    case LabelBox::SlideName: return o.SlideName;
    case LabelBox::GName: return o.GName;
    case LabelBox::Num: return o.Num;
    case LabelBox::Date: return o.Date;
    case LabelBox::BGMName: return o.BGMName;
    case LabelBox::State: return o.State;
    case LabelBox::Art: return o.Art;
    case LabelBox::Clock: return o.Clock;
    case LabelBox::Exif: return o.Exif;
    case LabelBox::Guide: break;
  }
  return o.Guide;
}

PerLabelBox<bool> LabelSettings(const SlideshowOptions& o) {
  return {o.SlideName, o.GName, o.Num, o.Date, o.BGMName, o.State, o.Art, o.Clock, o.Exif, o.Guide};
}

LabelController::LabelController(std::function<SlideshowOptions&()> options,
                                 std::function<LabelFacts()> facts, LabelTextMeasure& measure,
                                 LabelBoxView& view, TimerFactory& timers, Clock& clock)
    : options_(std::move(options)),
      facts_(std::move(facts)),
      measure_(measure),
      view_(view),
      clock_(clock),
      clockTimer_(timers.CreateTimer()),
      guideTimer_(timers.CreateTimer()) {
  clockTimer_->SetInterval(kClockIntervalMs);
  clockTimer_->SetHandler([this] { OnClockTick(); });
  guideTimer_->SetInterval(kGuideIntervalMs);
  guideTimer_->SetHandler([this] { OnGuideTick(); });
}

LabelLayoutInput LabelController::ComposeInput() const {
  const SlideshowOptions& o = options_();
  const LabelFacts f = facts_();
  LabelLayoutInput in;
  in.MW = f.MW;
  in.MH = f.MH;
  in.DisplayShowing = f.DisplayShowing;
  in.UseLabel = o.UseLabel;
  in.GGroupPos = o.GGroupPos;
  in.Settings = LabelSettings(o);
  in.MusicOn = f.UseBgm;
  in.BgmPlayListEmpty = f.BgmPlayListEmpty;
  in.PlayerHoldsFile = f.PlayerHoldsFile;
  in.SlideName = f.SlideshowName;
  const bool hasImage = !f.CurrentImageFile.isEmpty();
  if (hasImage) {
    in.GName = ImageNameText(o.SelectGName, f.CurrentImageFile, o.cbImg, f.FolderPlayIndex, f.FolderCount);
    if (o.Date) {
      in.Date = DateLabelText(f.ExifDateTimeOriginal, QFileInfo(f.CurrentImageFile).lastModified());
    }
  }
  if (f.ImageCount > 0) in.Num = ImageCountText(f.CurrentImageIndex, f.ImageCount, o.cbImg, o.cbDir);
  in.BGMName = f.BgmTitle;
  in.StateLayout = f.StateLayoutText;
  in.State = f.StateText;
  in.Clock = ClockText(clock_.Now().time());
  in.Guide = KeyGuideLine(guidePosition_);
  if (o.Exif) in.ExifLines = f.ExifLines;
  in.ArtWidth = f.ArtWidth;
  in.ArtHeight = f.ArtHeight;
  return in;
}

void LabelController::LayOutLabels() {
  const std::optional<LabelLayout> layout = ComputeLabelLayout(ComposeInput(), measure_);
  if (!layout) return;
  const SlideshowOptions& o = options_();
  if (o.Clock) {
    if (!clockTimer_->IsActive()) clockTimer_->Start();
  } else {
    clockTimer_->Stop();
  }
  if (o.Guide) {
    if (guidePosition_ < 0) guidePosition_ = 0;
    if (!guideTimer_->IsActive()) guideTimer_->Start();
  } else {
    guideTimer_->Stop();
    guidePosition_ = -1;
  }
  view_.ApplyLabelLayout(*layout);
}

void LabelController::StopLabelTimers() {
  clockTimer_->Stop();
  guideTimer_->Stop();
}

void LabelController::OnClockTick() {
  view_.SetBoxText(LabelBox::Clock, ClockText(clock_.Now().time()));
}

void LabelController::OnGuideTick() {
  guidePosition_ = NextKeyGuidePosition(guidePosition_);
  LayOutLabels();
}

void LabelController::ToggleLabel(LabelBox box) {
  bool& setting = LabelSetting(options_(), box);
  setting = !setting;
  LayOutLabels();
}

void LabelController::SetAllLabels(bool on) {
  SlideshowOptions& o = options_();
  for (int i = 0; i < kLabelBoxCount; ++i) LabelSetting(o, static_cast<LabelBox>(i)) = on;
  LayOutLabels();
}

void LabelController::ShowAllLabels() { SetAllLabels(true); }
void LabelController::HideAllLabels() { SetAllLabels(false); }

void LabelController::OnUseLabelChanged() {
  if (!options_().UseLabel) view_.HideTextBoxes();
}
