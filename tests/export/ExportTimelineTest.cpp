// The export's rules without encoding: which slides one pass shows, how the
// presented frames fall on the video's frames, what is refused, and the
// soundtrack's order.
#include <QFile>
#include <gtest/gtest.h>

#include "ExportRig.h"
#include "export/ExportTexts.h"
#include "export/FrameSampler.h"
#include "export/Soundtrack.h"
#include "export/VideoExport.h"
#include "library/OptionItems.h"
#include "platform/Random.h"
#include "transitions/TransitionKind.h"

namespace {

VideoExportRequest Request(const QString& out) {
  VideoExportRequest r;
  r.OutputPath = out;
  r.Width = 64;
  r.Height = 48;
  r.Fps = 10;
  return r;
}

std::unique_ptr<AudioSource> NoAudio(const QString&, QString& why) {
  why = "no sound";
  return nullptr;
}

TEST(ExportTimeline, OnePassShowsEveryPictureOnceInEachOrder) {
  struct Case {
    const char* what;
    int cbDir, cbImg;
    bool useLimit;
    int expectedSlides;
  } cases[] = {
      {"folders and images in order", kOrderFromTop, kOrderFromTop, false, 5},
      {"two images a folder", kOrderFromTop, kOrderFromTop, true, 4},
      {"shuffled folders", kOrderShuffle, kOrderShuffle, false, 5},
      {"all images shuffled", kOrderFromTop, kOrderLoopOrAll, false, 5},
  };
  for (const Case& c : cases) {
    ExportRig rig;
    rig.AddPictureFolder("one", 2, 0);
    rig.AddPictureFolder("two", 3, 2);
    SlideshowOptions& o = rig.library->Options();
    o.cbDir = c.cbDir;
    o.cbImg = c.cbImg;
    o.UseLimit = c.useLimit;
    o.LimitNum = 2;
    CountingEncoder encoder;
    const VideoExportResult result = ExportVideo(*rig.library, Request(rig.Out("a.mp4")), encoder, NoAudio);
    ASSERT_EQ(result.Outcome, VideoExportOutcome::Done) << c.what << ": " << result.Message.toStdString();
    EXPECT_EQ(result.Slides, c.expectedSlides) << c.what;
    // Without a transition each picture holds exactly the interval.
    EXPECT_EQ(result.DurationMs, c.expectedSlides * 2000) << c.what;
    EXPECT_EQ(encoder.frames, c.expectedSlides * 20) << c.what;
    EXPECT_EQ(encoder.runs.size() >= static_cast<std::size_t>(c.expectedSlides), true) << c.what;
    EXPECT_EQ(rig.OutFiles(), QStringList{"a.mp4"}) << c.what;
  }
}

TEST(ExportTimeline, RefusesShowsWithoutPicturesBeforeWritingAnything) {
  struct Case {
    const char* what;
    std::function<void(ExportRig&)> prepare;
    QString out;
  } cases[] = {
      {"no folder rows", [](ExportRig&) {}, "a.mp4"},
      {"only broken pictures",
       [](ExportRig& rig) {
         QDir().mkpath(rig.dir.filePath("bad"));
         MakeFile(rig.dir.filePath("bad/1.jpg"), "not a jpeg");
         MakeFile(rig.dir.filePath("bad/2.png"), "not a png");
         rig.library->Folders().append(ListEntry{true, "bad", rig.dir.path()});
       },
       "a.mp4"},
      {"another container", [](ExportRig& rig) { rig.AddPictureFolder("pics", 1); }, "a.avi"},
  };
  for (const Case& c : cases) {
    ExportRig rig;
    c.prepare(rig);
    CountingEncoder encoder;
    const VideoExportResult result = ExportVideo(*rig.library, Request(rig.Out(c.out)), encoder, NoAudio);
    EXPECT_EQ(result.Outcome, VideoExportOutcome::Refused) << c.what;
    EXPECT_FALSE(result.Message.isEmpty()) << c.what;
    EXPECT_EQ(rig.OutFiles(), QStringList()) << c.what;
  }
}

TEST(ExportTimeline, AnUnreadablePictureIsOneLineOfTheReport) {
  ExportRig rig;
  const QString pics = rig.AddPictureFolder("pics", 3);
  MakeFile(pics + "/01b.jpg", "broken");
  CountingEncoder encoder;
  const VideoExportResult result = ExportVideo(*rig.library, Request(rig.Out("a.mp4")), encoder, NoAudio);
  ASSERT_EQ(result.Outcome, VideoExportOutcome::Done) << result.Message.toStdString();
  ASSERT_EQ(result.Report.size(), 1);
  EXPECT_TRUE(result.Report[0].contains("01b.jpg")) << result.Report[0].toStdString();
  EXPECT_EQ(result.Slides, 4);
}

TEST(ExportTimeline, ASeededExportRepeatsItselfFrameForFrame) {
  ExportRig rig;
  rig.AddPictureFolder("pics", 8);
  // Shuffled square and wipe changes: the square transition reseeds the
  // generator on screen, and the wipe directions drawn after it show it.
  SlideshowOptions& o = rig.library->Options();
  o.SlideEffect = static_cast<int>(TransitionKind::Shuffle);
  o.SlideCheck.fill(false);
  o.SlideCheck[static_cast<std::size_t>(TransitionKind::Square)] = true;
  o.SlideCheck[static_cast<std::size_t>(TransitionKind::Wipe)] = true;
  o.ChangeNum = 1;
  std::vector<std::pair<std::uint64_t, int>> runs[2];
  for (auto& r : runs) {
    SeedRandom(7);
    FixReseedClock(7);
    VideoExportRequest request = Request(rig.Out("a.mp4"));
    request.Fps = 240;  // every step of a wipe on its own frame
    CountingEncoder encoder;
    const VideoExportOutcome outcome = ExportVideo(*rig.library, request, encoder, NoAudio).Outcome;
    FixReseedClock(std::nullopt);
    ASSERT_EQ(outcome, VideoExportOutcome::Done);
    r = encoder.hashes;
  }
  EXPECT_EQ(runs[0], runs[1]);
  EXPECT_GT(runs[0].size(), 4u);
}

TEST(ExportTimeline, AFailingEncoderRemovesTheUnfinishedFile) {
  ExportRig rig;
  rig.AddPictureFolder("pics", 3);
  CountingEncoder encoder;
  encoder.failAfter = 25;
  const VideoExportResult result = ExportVideo(*rig.library, Request(rig.Out("a.mp4")), encoder, NoAudio);
  EXPECT_EQ(result.Outcome, VideoExportOutcome::Failed);
  EXPECT_TRUE(result.Message.contains("No space left"));
  EXPECT_EQ(rig.OutFiles(), QStringList());
}

// Presented pictures are told apart by their fill value.
FrameBitmap Filled(int value) {
  FrameBitmap b(4, 2);
  std::fill(b.Pixels.begin(), b.Pixels.end(), static_cast<std::uint8_t>(value));
  return b;
}

TEST(FrameSampler, EachVideoFrameShowsThePictureOnScreenAtItsTime) {
  // 10 frames a second: frames at 0, 100, 200, ... ms.
  VirtualClock clock(QDateTime{});
  CountingEncoder encoder;
  FrameSampler sampler(clock, encoder, 4, 2, 10, 0);
  sampler.PresentFrame(Filled(1));  // at 0: shown from frame 0
  clock.Sleep(150);
  sampler.PresentFrame(Filled(2));  // at 150: replaced before frame 2
  clock.Sleep(10);
  sampler.PresentFrame(Filled(3));  // at 160
  clock.Sleep(40);
  sampler.PresentFrame(Filled(4));  // at 200, exactly frame 2's time
  sampler.EmitUntil(450);
  const std::vector<std::pair<int, int>> expected = {{1, 2}, {4, 3}};
  EXPECT_EQ(encoder.runs, expected);
  EXPECT_EQ(sampler.FramesWritten(), 5);
}

TEST(FrameSampler, FramesBeforeTheFirstPictureShowTheBackground) {
  VirtualClock clock(QDateTime{});
  CountingEncoder encoder;
  FrameSampler sampler(clock, encoder, 4, 2, 10, MakeColorRef(7, 7, 7));
  clock.Sleep(120);
  sampler.PresentFrame(Filled(9));
  sampler.EmitUntil(300);
  const std::vector<std::pair<int, int>> expected = {{7, 2}, {9, 1}};
  EXPECT_EQ(encoder.runs, expected);
}

// A track of `frames` sound frames whose every sample is `value`.
class ConstantTrack final : public AudioSource {
 public:
  ConstantTrack(int value, int frames) : value_(value), left_(frames) {}
  int Read(std::int16_t* out, int frames) override {
    const int n = std::min(frames, left_);
    std::fill(out, out + n * kExportAudioChannels, static_cast<std::int16_t>(value_));
    left_ -= n;
    return n;
  }

 private:
  int value_, left_;
};

struct SoundtrackRig {
  SoundtrackRig() {
    for (const char* name : {"a.wav", "b.wav", "c.wav"}) MakeFile(dir.filePath(name));
  }
  QString File(const char* name) const { return dir.filePath(name); }
  // a: 2 frames of 1, b: unplayable, c: 3 frames of 3.
  AudioOpener Opener() const {
    return [this](const QString& path, QString& why) -> std::unique_ptr<AudioSource> {
      if (path == File("a.wav")) return std::make_unique<ConstantTrack>(1, 2);
      if (path == File("c.wav")) return std::make_unique<ConstantTrack>(3, 3);
      why = "cannot decode";
      return nullptr;
    };
  }
  // The first sample of each of `frames` frames.
  static std::vector<int> Firsts(Soundtrack& track, int frames) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(frames) * kExportAudioChannels);
    track.Read(samples.data(), frames);
    std::vector<int> firsts;
    for (int i = 0; i < frames; ++i) firsts.push_back(samples[static_cast<std::size_t>(i) * kExportAudioChannels]);
    return firsts;
  }
  QTemporaryDir dir;
};

TEST(Soundtrack, PlaysTheListInOrderPassingOverWhatDoesNotPlay) {
  SoundtrackRig rig;
  const QStringList list{rig.File("a.wav"), rig.File("missing.wav"), rig.File("b.wav"), rig.File("c.wav")};
  Soundtrack track(list, 3, false, rig.Opener());
  EXPECT_EQ(SoundtrackRig::Firsts(track, 12), (std::vector<int>{3, 3, 3, 1, 1, 3, 3, 3, 1, 1, 3, 3}));
  EXPECT_EQ(track.Skipped().size(), 2);  // each listed once, however often it came round
  EXPECT_TRUE(track.Skipped()[0].contains("missing.wav"));
  EXPECT_TRUE(track.Skipped()[1].contains("b.wav: cannot decode"));
}

TEST(Soundtrack, LoopRepeatsOneTrackAndNothingPlayableIsSilence) {
  SoundtrackRig rig;
  Soundtrack loop({rig.File("a.wav"), rig.File("c.wav")}, 0, true, rig.Opener());
  EXPECT_EQ(SoundtrackRig::Firsts(loop, 5), (std::vector<int>{1, 1, 1, 1, 1}));

  Soundtrack silent({rig.File("b.wav"), rig.File("missing.wav")}, 0, false, rig.Opener());
  EXPECT_EQ(SoundtrackRig::Firsts(silent, 4), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(silent.Skipped().size(), 2);
}

TEST(Soundtrack, FadeOutEndsInSilence) {
  std::vector<std::int16_t> block(10 * kExportAudioChannels, 1000);
  // Frames 90..99 of a stream of 100 with a 5-frame fade.
  ApplyFadeOut(block.data(), 10, 90, 100, 5);
  EXPECT_EQ(block[0], 1000);                           // frame 90
  EXPECT_EQ(block[4 * kExportAudioChannels], 1000);    // frame 94
  EXPECT_EQ(block[5 * kExportAudioChannels], 1000);    // frame 95: gain 5/5
  EXPECT_EQ(block[7 * kExportAudioChannels], 600);     // frame 97: 3/5
  EXPECT_EQ(block[9 * kExportAudioChannels + 1], 200); // frame 99: 1/5
}

}  // namespace
