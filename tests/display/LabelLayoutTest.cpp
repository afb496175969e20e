#include "display/LabelLayout.h"

#include <gtest/gtest.h>

#include "FakeLabelMeasure.h"

namespace {

using B = LabelBox;

const LabelRect& RectOf(const LabelLayout& l, B b) { return l.Boxes[static_cast<std::size_t>(Index(b))].Rect; }
bool Shown(const LabelLayout& l, B b) { return l.Boxes[static_cast<std::size_t>(Index(b))].Visible; }

// All ten labels on, music on and loaded, texts of known lengths: each text
// box is 7 * length + 8 wide and 17 high.
LabelLayoutInput AllOn(int gGroupPos) {
  LabelLayoutInput in;
  in.MW = 1920;
  in.MH = 1080;
  in.DisplayShowing = true;
  in.GGroupPos = gGroupPos;
  in.Settings.fill(true);
  in.MusicOn = true;
  in.BgmPlayListEmpty = false;
  in.PlayerHoldsFile = true;
  in.SlideName = QString(10, 'S');   // 78 x 17
  in.GName = QString(20, 'G');       // 148 x 17
  in.Num = QString(5, 'N');          // 43 x 17
  in.Date = QString(19, 'D');        // 141 x 17
  in.BGMName = QString(30, 'B');     // 218 x 17
  in.StateLayout = QString(40, 'T'); // 288 x 17
  in.Clock = QString(8, 'C');        // 64 x 17
  in.Guide = QString(12, 'U');       // 92 x 17
  in.ExifLines = {"a", "b", "c", "dddddddddd"};  // list 62 x 50, box 70 x 58
  in.ArtWidth = 100;
  in.ArtHeight = 120;
  return in;
}

TEST(LabelLayoutTest, BoxSizesFromTexts) {
  FakeLabelMeasure measure;
  const auto l = ComputeLabelLayout(AllOn(0), measure);
  ASSERT_TRUE(l.has_value());
  EXPECT_EQ(RectOf(*l, B::SlideName).Width, 78);
  EXPECT_EQ(RectOf(*l, B::SlideName).Height, 17);
  EXPECT_EQ(RectOf(*l, B::State).Width, 288);
  EXPECT_EQ(RectOf(*l, B::Art).Width, 100);
  EXPECT_EQ(RectOf(*l, B::Exif), (LabelRect{1920 - 70 - 9, 9, 70, 58}));
  EXPECT_EQ(l->ExifListRect, (LabelRect{4, 4, 62, 50}));
  for (int i = 0; i < kLabelBoxCount; ++i) EXPECT_TRUE(l->Boxes[static_cast<std::size_t>(i)].Visible) << i;
}

// A measure where a dash is narrower than a digit, as in the label font.
class NarrowDashMeasure final : public LabelTextMeasure {
 public:
  int TextWidth(const QString& text) override {
    int w = 0;
    for (QChar c : text) w += c == u'-' ? 4 : 7;
    return w;
  }
  int TextHeight() override { return 13; }
  int ListTextWidth(const QString& text) override { return 6 * static_cast<int>(text.size()); }
  int ListLineHeight() override { return 12; }
};

TEST(LabelLayoutTest, StateBoxHoldsTheRunningTextWhenDashesAreNarrow) {
  NarrowDashMeasure measure;
  LabelLayoutInput in = AllOn(0);
  in.StateLayout = QStringLiteral("--:--/--:-- Playing Volume 000");
  in.State = QStringLiteral("01:23/04:56 Playing Volume 050");
  const auto l = ComputeLabelLayout(in, measure);
  ASSERT_TRUE(l.has_value());
  EXPECT_EQ(RectOf(*l, B::State).Width, measure.TextWidth(in.State) + 8);
  EXPECT_EQ(l->Boxes[static_cast<std::size_t>(Index(B::State))].Text, in.State);
}

struct PlacementCase {
  int gGroupPos;
  // expected (left, top) of S, G, D, N, B, T, A, E, C, U
  std::array<std::pair<int, int>, 10> at;
};

TEST(LabelLayoutTest, PlacementForEveryGroupPosition) {
  const int W = 1920, H = 1080;
  const PlacementCase cases[] = {
      {0, {{{9, 9}, {9, 26}, {9, 43}, {9, 60},
            {W - 218 - 9, H - 9 - 17 - 17}, {W - 288 - 9, H - 9 - 17}, {W - 100 - 9, H - 9 - 34 - 120},
            {W - 70 - 9, 9}, {9, H - 17 - 9}, {9, H - 9 - 34}}}},
      {1, {{{9, H - 9 - 68}, {9, H - 9 - 51}, {9, H - 9 - 34}, {9, H - 9 - 17},
            {W - 218 - 9, 9}, {W - 288 - 9, 26}, {W - 100 - 9, 43},
            {9, 9}, {W - 64 - 9, H - 17 - 9}, {W - 92 - 9, H - 9 - 34}}}},
      {2, {{{W - 78 - 9, 9}, {W - 148 - 9, 26}, {W - 141 - 9, 43}, {W - 43 - 9, 60},
            {9, H - 9 - 34}, {9, H - 9 - 17}, {9, H - 9 - 34 - 120},
            {9, 9}, {W - 64 - 9, H - 17 - 9}, {W - 92 - 9, H - 9 - 34}}}},
      {3, {{{W - 78 - 9, H - 9 - 68}, {W - 148 - 9, H - 9 - 51}, {W - 141 - 9, H - 9 - 34},
            {W - 43 - 9, H - 9 - 17},
            {9, 9}, {9, 26}, {9, 43},
            {W - 70 - 9, 9}, {9, H - 17 - 9}, {9, H - 9 - 34}}}},
  };
  const B order[] = {B::SlideName, B::GName, B::Date, B::Num, B::BGMName,
                     B::State, B::Art, B::Exif, B::Clock, B::Guide};
  FakeLabelMeasure measure;
  for (const PlacementCase& c : cases) {
    const auto l = ComputeLabelLayout(AllOn(c.gGroupPos), measure);
    ASSERT_TRUE(l.has_value());
    for (std::size_t i = 0; i < 10; ++i) {
      const LabelRect& r = RectOf(*l, order[i]);
      EXPECT_EQ(std::make_pair(r.Left, r.Top), c.at[i]) << "GGroupPos " << c.gGroupPos << " box " << i;
    }
  }
}

TEST(LabelLayoutTest, DateOffClosesTheGap) {
  FakeLabelMeasure measure;
  LabelLayoutInput top = AllOn(0);
  top.Settings[Index(B::Date)] = false;
  auto l = ComputeLabelLayout(top, measure);
  EXPECT_EQ(RectOf(*l, B::Num).Top, 9 + 17 + 17);  // directly under the name
  EXPECT_FALSE(Shown(*l, B::Date));
  EXPECT_FALSE(l->Checked[Index(B::Date)]);

  LabelLayoutInput bottom = AllOn(1);
  bottom.Settings[Index(B::Date)] = false;
  l = ComputeLabelLayout(bottom, measure);
  EXPECT_EQ(RectOf(*l, B::Num).Top, 1080 - 9 - 17);    // still lowest
  EXPECT_EQ(RectOf(*l, B::GName).Top, 1080 - 9 - 34);  // directly above it
}

TEST(LabelLayoutTest, MusicBoxesNeedMusic) {
  FakeLabelMeasure measure;
  LabelLayoutInput in = AllOn(1);
  in.MusicOn = false;
  const auto l = ComputeLabelLayout(in, measure);
  for (B b : {B::BGMName, B::State, B::Art}) {
    EXPECT_EQ(RectOf(*l, b).Width, 0);
    EXPECT_FALSE(Shown(*l, b));
    EXPECT_TRUE(l->Checked[Index(b)]);  // the setting is kept
  }
  EXPECT_TRUE(Shown(*l, B::Clock));
}

TEST(LabelLayoutTest, NothingWhenNotReady) {
  FakeLabelMeasure measure;
  LabelLayoutInput in = AllOn(0);
  in.UseLabel = false;
  EXPECT_FALSE(ComputeLabelLayout(in, measure).has_value());
  in = AllOn(0);
  in.DisplayShowing = false;
  EXPECT_FALSE(ComputeLabelLayout(in, measure).has_value());
  in = AllOn(0);
  in.PlayerHoldsFile = false;  // music on, list not empty, nothing loaded yet
  EXPECT_FALSE(ComputeLabelLayout(in, measure).has_value());
  in.BgmPlayListEmpty = true;
  EXPECT_TRUE(ComputeLabelLayout(in, measure).has_value());
}

TEST(LabelLayoutTest, LongTextIsCutToTheMonitor) {
  FakeLabelMeasure measure;
  LabelLayoutInput in = AllOn(0);
  in.MW = 1024;
  in.GName = QString(500, 'x');
  const auto l = ComputeLabelLayout(in, measure);
  const LabelBoxState& g = l->Boxes[Index(B::GName)];
  EXPECT_LE(g.Rect.Width, 1024 - 10);
  EXPECT_EQ(g.Text.size(), (1024 - 18) / 7);
  EXPECT_EQ(g.Rect.Width, (1024 - 18) / 7 * 7 + 8);
}

TEST(LabelLayoutTest, ExifBoxOnlyWithMoreThanTheFixedLines) {
  FakeLabelMeasure measure;
  LabelLayoutInput in = AllOn(0);
  in.ExifLines = {"a", "b", "c"};
  auto l = ComputeLabelLayout(in, measure);
  EXPECT_EQ(RectOf(*l, B::Exif).Width, 0);
  EXPECT_TRUE(l->ExifLines.isEmpty());
  in.ExifLines.clear();
  l = ComputeLabelLayout(in, measure);
  EXPECT_FALSE(Shown(*l, B::Exif));
}

TEST(LabelLayoutTest, AllHiddenShowsNothing) {
  FakeLabelMeasure measure;
  LabelLayoutInput in = AllOn(2);
  in.Settings.fill(false);
  const auto l = ComputeLabelLayout(in, measure);
  for (int i = 0; i < kLabelBoxCount; ++i) EXPECT_FALSE(l->Boxes[static_cast<std::size_t>(i)].Visible);
}

}  // namespace
