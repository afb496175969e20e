#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <jpeglib.h>

#include "../library/FakeUserDialogs.h"
#include "ImageFixtures.h"
#include "engine/BackgroundDecoder.h"
#include "support/ManualPost.h"
#include "engine/Preview.h"
#include "engine/PreviewCounter.h"
#include "engine/PreviewNavigation.h"
#include "engine/PreviewPicture.h"
#include "filters/ApplyFilter.h"
#include "filters/FilterKind.h"
#include "filters/Sharpen.h"

namespace {

FrameBitmap Gradient(int w, int h) {
  return MakeBitmap(w, h, [](int x, int y) {
    return std::tuple{(x * 7) % 256, (y * 5) % 256, (x + y) % 256};
  });
}

QByteArray GradientJpeg(int w, int h) {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w) * h * 3);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * w + x) * 3];
      p[0] = static_cast<std::uint8_t>(x);
      p[1] = static_cast<std::uint8_t>(y);
      p[2] = 128;
    }
  return MakeJpeg(w, h, JCS_RGB, rgb);
}

}  // namespace

TEST(PreviewCounterTest, BothNumbersTakeTheDigitsOfTheCount) {
  const struct {
    int index, count;
    const char* text;
  } cases[] = {
      {4, 12, "05/12"},       {11, 12, "12/12"},          {0, 1, "01/01"},
      {98, 99, "99/99"},      {0, 100, "001/100"},        {998, 999, "999/999"},
      {41, 1000, "0042/1000"}, {9, 99999, "00010/99999"},  {0, 100000, "1/100000"},
  };
  for (const auto& c : cases) EXPECT_EQ(PreviewCounterText(c.index, c.count), QString::fromUtf8(c.text)) << c.count;
}

TEST(PreviewNavigationTest, StepButtonsWrapAndJumpStaysInTheFolder) {
  // Without the jump: forward from the last wraps to the first, back from
  // the first to the last.
  EXPECT_EQ(NextPreviewStep(11, 12, {}).Index, 0);
  EXPECT_EQ(NextPreviewStep(3, 12, {}).Index, 4);
  EXPECT_EQ(PreviousPreviewIndex(0, 12), 11);
  EXPECT_EQ(PreviousPreviewIndex(5, 12), 4);

  const struct {
    const char* typed;
    int position, count;
    int index, newPosition;
    const char* field;
  } jumps[] = {
      {"3", 1, 12, 2, 3, "3"},
      {"9", 1, 5, 4, 5, "5"},      // past the last image: the last, and both show 5
      {"abc", 3, 12, 2, 3, "3"},   // no number: the control's number comes back
      {"", 4, 12, 3, 4, "4"},
      {"0", 2, 12, 1, 2, "2"},
      {"10000", 7, 12, 6, 7, "7"},
      {"abc", 8, 5, 4, 5, "5"},    // the restored number may itself be too large
  };
  for (const auto& j : jumps) {
    const PreviewStep step = NextPreviewStep(0, j.count, PreviewJump{true, QString::fromUtf8(j.typed), j.position});
    EXPECT_EQ(step.Index, j.index) << j.typed;
    EXPECT_EQ(step.Position, j.newPosition) << j.typed;
    EXPECT_EQ(step.FieldText, QString::fromUtf8(j.field)) << j.typed;
  }
}

TEST(PreviewPictureTest, FitsIntoTheAreaUprightAndInsideTheFrameMargin) {
  // A portrait photo stored on its side (4000 x 3000, turned a quarter) is
  // 3000 x 4000 upright: scale 0.0375 gives 112 x 150.
  const FrameBitmap lying = Gradient(4000, 3000);
  const FrameBitmap portrait = PreparePreviewPicture(lying, 90, 0);
  EXPECT_EQ(portrait.Width, 112);
  EXPECT_EQ(portrait.Height, 150);

  const FrameBitmap landscape = Gradient(400, 300);
  EXPECT_EQ(PreparePreviewPicture(landscape, 0, 0).Width, 200);
  // The framing filters keep 3 pixels free on every side of the 150-pixel
  // area, filter 4 too (no random width in the preview).
  for (int filter : {4, 8, 10}) EXPECT_EQ(PreviewFrameMargin(filter, kPreviewAreaHeight), 3) << filter;
  EXPECT_EQ(PreviewFrameMargin(2, kPreviewAreaHeight), 0);
}

TEST(PreviewPictureTest, SharpensThenAppliesTheSelectorsFilterButNotShuffle) {
  const FrameBitmap photo = Gradient(200, 150);  // scale 1: only sharpening and the filter change it
  FrameBitmap sharpened = photo;
  Sharpen(sharpened, kPreviewSharpenStrength);

  const FrameBitmap none = PreparePreviewPicture(photo, 0, static_cast<int>(FilterKind::None));
  const FrameBitmap shuffle = PreparePreviewPicture(photo, 0, static_cast<int>(FilterKind::Shuffle));
  const FrameBitmap sepia = PreparePreviewPicture(photo, 0, static_cast<int>(FilterKind::Sepia));
  EXPECT_EQ(none, sharpened);
  EXPECT_FALSE(none == photo);
  EXPECT_EQ(shuffle, sharpened);
  FrameBitmap expectedSepia = sharpened;
  ApplyFilter(static_cast<int>(FilterKind::Sepia), expectedSepia, FilterContext{});
  EXPECT_EQ(sepia, expectedSepia);
  EXPECT_FALSE(sepia == sharpened);
}

TEST(PreviewTest, RefreshShowsTheFileReportsABrokenOneAndIgnoresAMissingOne) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("旅行")));
  const QString good = dir.path() + QStringLiteral("/旅行/a.jpg");
  const QString broken = dir.path() + QStringLiteral("/旅行/b.jpg");
  const QString missing = dir.path() + QStringLiteral("/旅行/c.jpg");
  ASSERT_TRUE(WriteFile(good, GradientJpeg(300, 400)));
  ASSERT_TRUE(WriteFile(broken, QByteArray("not a picture")));
  const QStringList images{good, broken, missing};

  FakeUserDialogs dialogs;
  Preview preview;
  EXPECT_EQ(preview.Refresh(images, 0, 0, 0, dialogs), Preview::Outcome::Shown);
  EXPECT_EQ(preview.PreviewBitmap().Width, 112);
  EXPECT_EQ(preview.PreviewBitmap().Height, 150);
  EXPECT_EQ(preview.PicturePosition(200, 150), QPoint(44, 0));
  EXPECT_EQ(preview.ToolTip(), QStringLiteral("プレビュー画像 ：\r旅行"));
  EXPECT_TRUE(dialogs.errors.isEmpty());

  // A file that is gone changes nothing and says nothing.
  EXPECT_EQ(preview.Refresh(images, 2, 0, 0, dialogs), Preview::Outcome::Unchanged);
  EXPECT_EQ(preview.Refresh(images, 3, 0, 0, dialogs), Preview::Outcome::Unchanged);
  EXPECT_EQ(preview.PreviewBitmap().Width, 112);
  EXPECT_TRUE(dialogs.errors.isEmpty());

  // A broken file is reported once and the area falls back to its background.
  EXPECT_EQ(preview.Refresh(images, 1, 0, 0, dialogs), Preview::Outcome::Failed);
  ASSERT_EQ(dialogs.errors.size(), 1);
  EXPECT_TRUE(dialogs.errors[0].contains(broken));
  EXPECT_TRUE(preview.PreviewBitmap().Empty());
}

namespace {

// Three pictures of one folder, a broken one and a preview decoding on a
// worker whose hand-backs the test runs by hand.
struct BackgroundPreviewRig {
  BackgroundPreviewRig() {
    ok = dir.isValid() && QDir(dir.path()).mkdir(QStringLiteral("旅行"));
    const int widths[] = {300, 400, 200};
    for (int i = 0; i < 3; ++i) {
      images << dir.path() + QStringLiteral("/旅行/%1.jpg").arg(i);
      ok = ok && WriteFile(images.back(), GradientJpeg(widths[i], 300));
    }
    images << dir.path() + QStringLiteral("/旅行/broken.jpg");
    ok = ok && WriteFile(images.back(), QByteArray("not a picture"));
    preview.UseDecoder(&decoder, [this](Preview::Outcome outcome) { ready.push_back(outcome); });
  }
  // Runs hand-backs until the preview has nothing pending.
  void RunUntilSettled() {
    for (int i = 0; i < 100 && preview.Pending(); ++i) post.WaitAndRun();
  }
  FrameBitmap Expected(int index, int filter) {
    return DecodePreviewPicture(images[index], filter, 0);
  }

  QTemporaryDir dir;
  bool ok = false;
  QStringList images;
  ManualPost post;
  BackgroundDecoder decoder{post};
  FakeUserDialogs dialogs;
  std::vector<Preview::Outcome> ready;
  Preview preview;
};

}  // namespace

TEST(PreviewTest, BackgroundPictureIsTheSameAndOnlyTheNewestRequestIsShown) {
  BackgroundPreviewRig rig;
  ASSERT_TRUE(rig.ok);
  const int sepia = static_cast<int>(FilterKind::Sepia);
  EXPECT_EQ(rig.preview.Refresh(rig.images, 0, sepia, 0, rig.dialogs), Preview::Outcome::Pending);
  EXPECT_EQ(rig.preview.Refresh(rig.images, 1, sepia, 0, rig.dialogs), Preview::Outcome::Pending);
  EXPECT_EQ(rig.preview.Refresh(rig.images, 2, sepia, 0, rig.dialogs), Preview::Outcome::Pending);
  EXPECT_TRUE(rig.preview.PreviewBitmap().Empty());  // nothing until the hand-back
  rig.RunUntilSettled();
  ASSERT_EQ(rig.ready, std::vector{Preview::Outcome::Shown});
  EXPECT_EQ(rig.preview.PreviewBitmap(), rig.Expected(2, sepia));
  EXPECT_EQ(rig.preview.ToolTip(), QStringLiteral("プレビュー画像 ：\r旅行"));

  // A missing file neither starts work nor drops the one in flight.
  EXPECT_EQ(rig.preview.Refresh(rig.images, 0, 0, 0, rig.dialogs), Preview::Outcome::Pending);
  EXPECT_EQ(rig.preview.Refresh(rig.images, 7, 0, 0, rig.dialogs), Preview::Outcome::Unchanged);
  rig.RunUntilSettled();
  EXPECT_EQ(rig.ready.size(), 2u);
  EXPECT_EQ(rig.preview.PreviewBitmap(), rig.Expected(0, 0));
  EXPECT_TRUE(rig.dialogs.errors.isEmpty());
}

TEST(PreviewTest, BackgroundFailureIsReportedOnceWhenItComesBack) {
  BackgroundPreviewRig rig;
  ASSERT_TRUE(rig.ok);
  rig.preview.Refresh(rig.images, 0, 0, 0, rig.dialogs);
  rig.RunUntilSettled();
  EXPECT_EQ(rig.preview.Refresh(rig.images, 3, 0, 0, rig.dialogs), Preview::Outcome::Pending);
  EXPECT_TRUE(rig.dialogs.errors.isEmpty());
  rig.RunUntilSettled();
  ASSERT_EQ(rig.dialogs.errors.size(), 1);
  EXPECT_TRUE(rig.dialogs.errors[0].contains(rig.images[3]));
  EXPECT_EQ(rig.ready.back(), Preview::Outcome::Failed);
  EXPECT_TRUE(rig.preview.PreviewBitmap().Empty());
}

TEST(PreviewTest, SettleFinishesAtOnceAndClearDropsTheRequest) {
  BackgroundPreviewRig rig;
  ASSERT_TRUE(rig.ok);
  const int grey = static_cast<int>(FilterKind::Grayscale);
  rig.preview.Refresh(rig.images, 1, grey, 0, rig.dialogs);
  rig.preview.Settle();
  EXPECT_FALSE(rig.preview.Pending());
  ASSERT_EQ(rig.ready, std::vector{Preview::Outcome::Shown});
  EXPECT_EQ(rig.preview.PreviewBitmap(), rig.Expected(1, grey));
  // The worker's own hand-back, if it was already on its way, does nothing.
  rig.post.RunPosted();
  EXPECT_EQ(rig.ready.size(), 1u);

  rig.preview.Refresh(rig.images, 2, grey, 0, rig.dialogs);
  rig.preview.Clear();
  EXPECT_FALSE(rig.preview.Pending());
  rig.preview.Settle();  // nothing left to finish
  rig.post.RunPosted();
  EXPECT_EQ(rig.ready.size(), 1u);
  EXPECT_TRUE(rig.preview.PreviewBitmap().Empty());
}
