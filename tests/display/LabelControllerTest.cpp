#include "display/LabelController.h"

#include <gtest/gtest.h>

#include "FakeLabelMeasure.h"
#include "support/ManualTimer.h"

namespace {

class RecordingView final : public LabelBoxView {
 public:
  void ApplyLabelLayout(const LabelLayout& l) override { last = l; ++applied; }
  void SetBoxText(LabelBox b, const QString& t) override { texts[static_cast<std::size_t>(Index(b))] = t; }
  void HideTextBoxes() override { ++textBoxesHidden; }
  LabelLayout last;
  int applied = 0;
  int textBoxesHidden = 0;
  PerLabelBox<QString> texts;
};

class LabelControllerTest : public ::testing::Test {
 protected:
  LabelControllerTest()
      : controller([this]() -> SlideshowOptions& { return options; }, [this] { return facts; },
                   measure, view, timers, clock) {
    facts.MW = 1920;
    facts.MH = 1080;
    facts.DisplayShowing = true;
    facts.SlideshowName = "Tom & Jerry";
    facts.CurrentImageFile = "/photos/Kyoto/IMG_0001.JPG";
    facts.CurrentImageIndex = 2;
    facts.ImageCount = 12;
    facts.FolderPlayIndex = 1;
    facts.FolderCount = 15;
    options.cbImg = 2;
  }
  const LabelBoxState& Box(LabelBox b) { return view.last.Boxes[static_cast<std::size_t>(Index(b))]; }
  ManualTimer& ClockTimer() { return *timers.timers[0]; }
  ManualTimer& GuideTimer() { return *timers.timers[1]; }

  SlideshowOptions options;
  LabelFacts facts;
  FakeLabelMeasure measure;
  RecordingView view;
  ManualTimerFactory timers;
  StillClock clock;
  LabelController controller;
};

TEST_F(LabelControllerTest, TextsOfALayout) {
  controller.LayOutLabels();
  EXPECT_EQ(Box(LabelBox::SlideName).Text, "Tom & Jerry");
  EXPECT_EQ(Box(LabelBox::GName).Text, "★02/15. Kyoto");
  EXPECT_EQ(Box(LabelBox::Num).Text, "03/12 Image Shuffle");
  EXPECT_EQ(Box(LabelBox::Clock).Text, "07:08:09");
  EXPECT_EQ(Box(LabelBox::Guide).Text, "右クリックでメニュー表示");
  EXPECT_FALSE(Box(LabelBox::Date).Visible);  // off by default
  EXPECT_FALSE(Box(LabelBox::BGMName).Visible);  // no music
  EXPECT_TRUE(ClockTimer().IsActive());
  EXPECT_TRUE(GuideTimer().IsActive());
  EXPECT_EQ(GuideTimer().Interval(), 10000);
  EXPECT_EQ(ClockTimer().Interval(), 100);
}

TEST_F(LabelControllerTest, TimersRewriteClockAndTurnTheGuide) {
  controller.LayOutLabels();
  clock.now = clock.now.addSecs(1);
  ClockTimer().Fire();
  EXPECT_EQ(view.texts[Index(LabelBox::Clock)], "07:08:10");
  GuideTimer().Fire();
  EXPECT_EQ(Box(LabelBox::Guide).Text, "スライドショー開始/一時停止： Space");
  for (int i = 0; i < 23; ++i) GuideTimer().Fire();
  EXPECT_EQ(Box(LabelBox::Guide).Text, "右クリックでメニュー表示");
  // A layout after every image does not restart the guide's ten seconds.
  const int starts = GuideTimer().starts;
  controller.LayOutLabels();
  EXPECT_EQ(GuideTimer().starts, starts);
}

TEST_F(LabelControllerTest, TogglesWriteTheSettings) {
  controller.ToggleLabel(LabelBox::Date);
  EXPECT_TRUE(options.Date);
  EXPECT_TRUE(Box(LabelBox::Date).Visible);
  EXPECT_TRUE(Box(LabelBox::Date).Text.startsWith("File "));  // no Exif, the file time
  EXPECT_TRUE(view.last.Checked[Index(LabelBox::Date)]);
  controller.ToggleLabel(LabelBox::Guide);
  EXPECT_FALSE(GuideTimer().IsActive());
  EXPECT_EQ(controller.GuidePosition(), -1);
  controller.HideAllLabels();
  for (const LabelBoxState& b : view.last.Boxes) EXPECT_FALSE(b.Visible);
  EXPECT_FALSE(options.SlideName);
  controller.ShowAllLabels();
  EXPECT_TRUE(options.Exif);
  EXPECT_TRUE(Box(LabelBox::SlideName).Visible);
  EXPECT_FALSE(Box(LabelBox::State).Visible);  // music boxes only with music
}

TEST_F(LabelControllerTest, ExifDateWins) {
  options.Date = true;
  facts.ExifDateTimeOriginal = "2020:01:02 03:04:05";
  controller.LayOutLabels();
  EXPECT_EQ(Box(LabelBox::Date).Text, "2020/01/02 03:04:05");
}

TEST_F(LabelControllerTest, UseLabelOffHidesAtOnceAndStopsLayouts) {
  controller.LayOutLabels();
  options.UseLabel = false;
  controller.OnUseLabelChanged();
  EXPECT_EQ(view.textBoxesHidden, 1);
  const int applied = view.applied;
  controller.LayOutLabels();
  EXPECT_EQ(view.applied, applied);
  options.UseLabel = true;
  controller.OnUseLabelChanged();  // nothing until the next layout
  EXPECT_EQ(view.applied, applied);
}

}  // namespace
