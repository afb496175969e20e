#include "ui/TfrmDisplay.h"

#include <QApplication>
#include <QFontInfo>
#include <gtest/gtest.h>

#include "display/LabelLayout.h"

namespace {

void EnsureApplication() {
  if (QApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "test_ui";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

class TfrmDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    display = std::make_unique<TfrmDisplay>();
  }
  std::unique_ptr<TfrmDisplay> display;
};

TEST_F(TfrmDisplayTest, PresentFrameShowsTheBitmapAtOnce) {
  FrameBitmap frame(64, 32);
  frame.Fill(MakeColorRef(10, 20, 30));
  *frame.At(5, 7) = 200;  // blue of one pixel
  display->ShowFullScreen();
  display->PresentFrame(frame);
  const QImage& shown = display->PresentedFrame();
  ASSERT_EQ(shown.size(), QSize(64, 32));
  EXPECT_EQ(shown.pixel(0, 0), qRgb(10, 20, 30));
  EXPECT_EQ(shown.pixel(5, 7), qRgb(10, 20, 200));
  display->CloseDisplay();
  EXPECT_FALSE(display->IsShowing());
  EXPECT_FALSE(display->IsTopmost());
}

TEST_F(TfrmDisplayTest, BoxesFollowTheLayout) {
  display->ShowFullScreen();
  const QSize m = display->MonitorSize();
  LabelLayoutInput in;
  in.MW = m.width();
  in.MH = m.height();
  in.DisplayShowing = display->IsShowing();
  in.Settings.fill(true);
  in.GGroupPos = 0;
  in.SlideName = "Tom & Jerry";
  in.GName = "★01/02. 山";
  in.Clock = "12:34:56";
  const auto layout = ComputeLabelLayout(in, *display);
  ASSERT_TRUE(layout.has_value());
  PerLabelBox<bool> checks{};
  display->OnLabelChecks = [&](const PerLabelBox<bool>& c) { checks = c; };
  display->ApplyLabelLayout(*layout);

  LabelBoxWidget* name = display->TextBox(LabelBox::SlideName);
  EXPECT_TRUE(name->isVisible());
  EXPECT_EQ(name->Text(), "Tom & Jerry");
  EXPECT_EQ(name->geometry(), QRect(9, 9, display->TextWidth("Tom & Jerry") + 8, display->TextHeight() + 4));
  EXPECT_EQ(display->TextBox(LabelBox::GName)->y(), 9 + name->height());
  EXPECT_FALSE(display->TextBox(LabelBox::Num)->isVisible());  // nothing to show
  EXPECT_TRUE(display->TextBox(LabelBox::Clock)->isVisible());
  EXPECT_EQ(display->TextBox(LabelBox::Clock)->x(), 9);
  EXPECT_TRUE(checks[Index(LabelBox::Exif)]);

  display->SetBoxText(LabelBox::Clock, "12:34:57");
  EXPECT_EQ(display->TextBox(LabelBox::Clock)->Text(), "12:34:57");
  display->HideTextBoxes();
  EXPECT_FALSE(name->isVisible());
  display->HideAllLabels();
  EXPECT_TRUE(display->ExifList()->Lines().isEmpty());
}

TEST_F(TfrmDisplayTest, LoadingLabelIsCentred) {
  display->ShowFullScreen();
  display->ShowLoading();
  QLabel* l = display->LoadingLabel();
  EXPECT_TRUE(l->isVisible());
  EXPECT_EQ(l->text(), "Now Loading...");
  const QSize m = display->MonitorSize();
  EXPECT_EQ(l->x(), (m.width() - l->width()) / 2);
  EXPECT_EQ(l->y(), (m.height() - l->height()) / 2);
  display->HideLoading();
  EXPECT_FALSE(l->isVisible());
}

TEST_F(TfrmDisplayTest, LabelFontIsTheSubstitutedGothic) {
  const QFont f(QString::fromUtf8(TfrmDisplay::kLabelFontFace));
  EXPECT_EQ(QFontInfo(f).family(), "IPAPGothic");
  EXPECT_GT(display->TextHeight(), 12);
  EXPECT_LT(display->TextHeight(), 20);
}

}  // namespace
