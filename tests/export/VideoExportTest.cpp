// Exports of small generated slideshows through the real GStreamer encoder,
// looked at again with GStreamer's discoverer and decoder.
#include <QFile>
#include <gtest/gtest.h>

#include "ExportRig.h"
#include "engine/DecodeImageFile.h"
#include "engine/FittedImage.h"
#include "export/ExportTexts.h"
#include "export/GstAudioDecoder.h"
#include "export/GstVideoEncoder.h"
#include "export/VideoExport.h"
#include "platform/ScopedFileSizeLimit.h"
#include "transitions/RunTransition.h"
#include "transitions/TransitionKind.h"

namespace {

constexpr int kWidth = 160, kHeight = 120, kFps = 30;

// The screen the running show composes for a picture file.
FrameBitmap ComposedScreen(const QString& path) {
  const ScreenLayout layout{kWidth, kHeight, 0, 0};
  DecodeOptions options;
  const FrameBitmap decoded = DecodeImageFile(path, options);
  FilterContext context;
  context.SlideshowRunning = true;
  FrameBitmap fitted = PrepareSlide(decoded, 0, layout, context);
  FrameBitmap screen;
  ComposeScreen(screen, fitted, layout, context);
  return screen;
}

class NullSurface final : public DisplaySurface {
 public:
  void PresentFrame(const FrameBitmap&) override {}
};

class CountingClock final : public Clock {
 public:
  void Sleep(int ms) override { elapsed += ms; }
  std::int64_t MonotonicMs() override { return elapsed; }
  QDateTime Now() override { return {}; }
  std::int64_t elapsed = 0;
};

// How long a cross-fade from the background keeps the screen busy.
std::int64_t CrossFadeMs(const FrameBitmap& next) {
  FrameBitmap previous(next.Width, next.Height), screen;
  previous.Fill(0);
  NullSurface surface;
  CountingClock clock;
  const TransitionContext context{screen, surface, clock, 0};
  RunTransition(static_cast<int>(TransitionKind::CrossFade), previous, next, context);
  return clock.elapsed;
}

VideoExportRequest SmallRequest(const QString& out) {
  VideoExportRequest r;
  r.OutputPath = out;
  r.Width = kWidth;
  r.Height = kHeight;
  r.Fps = kFps;
  r.StartTime = QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5));
  return r;
}

class ExportedShow : public ::testing::TestWithParam<const char*> {};

TEST_P(ExportedShow, HasTheShowsTimelinePicturesAndMusic) {
  ExportRig rig;
  const QString pics = rig.AddPictureFolder(QStringLiteral("pics"), 3);
  rig.AddTone(QStringLiteral("tune.wav"), 10);
  rig.library->Options().SlideEffect = static_cast<int>(TransitionKind::CrossFade);
  const QString out = rig.Out(QString::fromUtf8(GetParam()));

  GstVideoEncoder encoder;
  const VideoExportResult result = ExportVideo(*rig.library, SmallRequest(out), encoder, OpenGstAudioFile);
  ASSERT_EQ(result.Outcome, VideoExportOutcome::Done) << result.Message.toStdString();
  EXPECT_TRUE(result.Report.isEmpty()) << result.Report.join('\n').toStdString();
  EXPECT_EQ(rig.OutFiles(), QStringList{QFileInfo(out).fileName()});

  // The first picture fades in from the background; each change then comes
  // with the slide timer, every two seconds.
  const std::int64_t fadeMs = CrossFadeMs(ComposedScreen(pics + "/00.jpg"));
  const std::int64_t expectedMs = fadeMs + 3 * 2000;
  EXPECT_EQ(result.DurationMs, expectedMs);
  EXPECT_EQ(result.Slides, 3);

  const MediaFacts facts = Discover(out);
  ASSERT_TRUE(facts.ok) << facts.error;
  EXPECT_EQ(facts.videoStreams, 1);
  EXPECT_EQ(facts.audioStreams, 1);
  EXPECT_EQ(facts.width, kWidth);
  EXPECT_EQ(facts.height, kHeight);
  EXPECT_NEAR(facts.seconds, expectedMs / 1000.0, 1.0 / kFps + 0.001);

  // The middle of each picture's turn shows that picture as the show fits it.
  for (int i = 0; i < 3; ++i) {
    const double middle = (fadeMs + i * 2000 + 1000) / 1000.0;
    const FrameBitmap decoded = DecodeFrameAt(out, middle);
    const FrameBitmap expected = ComposedScreen(pics + QStringLiteral("/%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
    EXPECT_GT(Psnr(decoded, expected), 35.0) << "picture " << i;
    if (i > 0) EXPECT_LT(Psnr(decoded, ComposedScreen(pics + "/00.jpg")), 30.0) << "picture " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Containers, ExportedShow, ::testing::Values("show.mp4", "show.webm"));

TEST(VideoExport, CancellingHalfwayLeavesNoFile) {
  ExportRig rig;
  rig.AddPictureFolder(QStringLiteral("pics"), 4);
  GstVideoEncoder encoder;
  double last = 0;
  const VideoExportResult result =
      ExportVideo(*rig.library, SmallRequest(rig.Out("show.mp4")), encoder, OpenGstAudioFile, [&](double fraction) {
        last = fraction;
        return fraction < 0.5;
      });
  EXPECT_EQ(result.Outcome, VideoExportOutcome::Cancelled);
  EXPECT_GE(last, 0.5);
  EXPECT_LT(last, 1.0);
  EXPECT_EQ(rig.OutFiles(), QStringList());
}

TEST(VideoExport, WriteFailuresEndWithAMessageAndNoFile) {
  ExportRig rig;
  rig.AddPictureFolder(QStringLiteral("pics"), 2);
  MakeFile(rig.Out("plain-file"));
  QDir().mkpath(rig.Out("a-folder.mp4"));
  struct Case {
    const char* what;
    QString target;
    bool fullDisk;
  } cases[] = {
      {"a file as the folder", rig.Out("plain-file/show.mp4"), false},
      {"a folder in the way", rig.Out("a-folder.mp4"), false},
      {"a full disk", rig.Out("show.mp4"), true},
  };
  for (const Case& c : cases) {
    GstVideoEncoder encoder;
    VideoExportResult result;
    {
      std::unique_ptr<ScopedFileSizeLimit> limit;
      if (c.fullDisk) limit = std::make_unique<ScopedFileSizeLimit>(4096);
      result = ExportVideo(*rig.library, SmallRequest(c.target), encoder, OpenGstAudioFile);
    }
    EXPECT_EQ(result.Outcome, VideoExportOutcome::Failed) << c.what;
    EXPECT_TRUE(result.Message.startsWith(kExportCannotWrite.section('\r', 0, 0))) << c.what << ": " << result.Message.toStdString();
    EXPECT_TRUE(result.Message.contains(c.target)) << c.what;
    EXPECT_EQ(rig.OutFiles(), QStringList{"plain-file"}) << c.what;
    EXPECT_TRUE(QFileInfo(rig.Out("a-folder.mp4")).isDir()) << c.what;
  }
}

}  // namespace
