#include "export/VideoExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

#include "engine/SlideshowEngine.h"
#include "export/ExportTexts.h"
#include "export/ExportWindows.h"
#include "export/FrameSampler.h"
#include "export/LabelOverlay.h"
#include "export/Soundtrack.h"
#include "export/VirtualClock.h"
#include "library/OptionItems.h"
#include "library/SlideshowLibrary.h"
#include "music/BgmOrder.h"
#include "platform/Paths.h"

namespace {

constexpr std::int64_t kFadeOutMs = 1500;
constexpr int kMinSide = 16;
constexpr int kMaxWidth = 7680;
constexpr int kMaxHeight = 4320;

using Seconds = std::chrono::duration<double>;
using SteadyClock = std::chrono::steady_clock;

double ThreadCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Adds the wall time of a scope, and the processor time of this thread in
// it, to two totals.
class Stopwatch {
 public:
  Stopwatch(double& wall, double& cpu)
      : wall_(wall), cpu_(cpu), start_(SteadyClock::now()), cpuStart_(ThreadCpuSeconds()) {}
  ~Stopwatch() {
    wall_ += Seconds(SteadyClock::now() - start_).count();
    cpu_ += ThreadCpuSeconds() - cpuStart_;
  }
  Stopwatch(const Stopwatch&) = delete;
  Stopwatch& operator=(const Stopwatch&) = delete;

 private:
  double& wall_;
  double& cpu_;
  SteadyClock::time_point start_;
  double cpuStart_;
};

// The encoder behind the frame sampler: the file is made beside the target
// under a temporary name, and only when the first frame is ready, so a show
// that never gets that far leaves nothing behind.
class ExportFile final : public VideoEncoder {
 public:
  ExportFile(VideoEncoder& encoder, VideoEncoderSettings settings, QString target, VideoExportTimings& timings)
      : encoder_(encoder), settings_(std::move(settings)), target_(std::move(target)), timings_(timings) {}
  ~ExportFile() override { Discard(); }

  bool Open(const VideoEncoderSettings&) override { return EnsureOpen(); }
  bool PushFrames(const FrameBitmap& frame, int count) override {
    Stopwatch watch(timings_.VideoSeconds, timings_.VideoCpuSeconds);
    return EnsureOpen() && encoder_.PushFrames(frame, count);
  }
  bool PushAudio(const std::int16_t* samples, int frames) override {
    return EnsureOpen() && encoder_.PushAudio(samples, frames);
  }
  bool Finish() override { return opened_ && encoder_.Finish(); }
  void Abort() override {
    if (opened_) encoder_.Abort();
  }
  QString Error() const override { return error_.isEmpty() ? encoder_.Error() : error_; }

  VideoEncoderSettings& Settings() { return settings_; }
  bool IsOpen() const { return opened_; }
  bool WriteFailed() const { return writeFailed_; }

  // Puts the finished file under its name, replacing an older one at once.
  bool Publish() {
    QFile::setPermissions(temporary_, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (std::rename(QFile::encodeName(temporary_).constData(), QFile::encodeName(target_).constData()) != 0) {
      error_ = QString::fromLocal8Bit(std::strerror(errno));
      writeFailed_ = true;
      return false;
    }
    temporary_.clear();
    return true;
  }
  void Discard() {
    if (opened_) encoder_.Abort();
    opened_ = false;
    if (!temporary_.isEmpty()) QFile::remove(temporary_);
    temporary_.clear();
  }

 private:
  bool EnsureOpen() {
    if (opened_) return true;
    if (!error_.isEmpty()) return false;
    const QFileInfo target(target_);
    QTemporaryFile file(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                        QStringLiteral(".XXXXXX.part"));
    file.setAutoRemove(false);
    if (!file.open()) {
      error_ = file.errorString();
      writeFailed_ = true;
      return false;
    }
    temporary_ = file.fileName();
    file.close();
    settings_.Path = temporary_;
    if (!encoder_.Open(settings_)) {
      // A pipeline that cannot open its file is a write failure; a missing
      // element is not.
      writeFailed_ = encoder_.Error().contains(QStringLiteral("open"), Qt::CaseInsensitive);
      QFile::remove(temporary_);
      temporary_.clear();
      error_ = encoder_.Error();
      return false;
    }
    opened_ = true;
    return true;
  }

  VideoEncoder& encoder_;
  VideoEncoderSettings settings_;
  QString target_;
  VideoExportTimings& timings_;
  QString temporary_;
  QString error_;
  bool opened_ = false;
  bool writeFailed_ = false;
};

// The number of slides one pass over the play lists shows, for the progress
// bar only.
int EstimateSlides(const SlideshowOptions& o, const PlayLists& lists) {
  if (o.cbImg == kOrderLoopOrAll || o.cbDir == kOrderLoopOrAll)
    return static_cast<int>(lists.ImagePlayList.size()) - lists.CurrentImageIndex;
  int total = 0;
  for (const QString& folder : lists.FolderPlayList) {
    int n = static_cast<int>(ListFolderImages(folder, FolderContent::Images).size());
    if (o.UseLimit) n = std::min(n, o.LimitNum);
    total += n;
  }
  return total;
}

bool AtFolderEnd(const SlideshowOptions& o, const PlayLists& lists, int index) {
  if (index >= lists.ImagePlayList.size()) return true;
  return o.UseLimit && o.cbImg != kOrderLoopOrAll && index >= o.LimitNum;
}

// Whether the next slide-timer tick would begin a second pass: the last
// image of the list of all images, of a looping folder, or of the last
// folder not yet shown.
bool PassEndsAtNextTick(const SlideshowOptions& o, const PlayLists& lists, const QSet<int>& shownFolders) {
  if (!AtFolderEnd(o, lists, lists.CurrentImageIndex + 1)) return false;
  if (o.cbImg == kOrderLoopOrAll || o.cbDir == kOrderLoopOrAll) return true;
  const int count = static_cast<int>(lists.FolderPlayList.size());
  if (count <= 1) return true;
  return shownFolders.contains((lists.FolderPlayIndex + 1) % count);
}

}  // namespace

bool VideoContainerOf(const QString& path, VideoContainer& container) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QStringLiteral("mp4")) container = VideoContainer::Mp4;
  else if (suffix == QStringLiteral("webm")) container = VideoContainer::WebM;
  else return false;
  return true;
}

VideoExportResult ExportVideo(const SlideshowLibrary& source, const VideoExportRequest& request,
                              VideoEncoder& encoder, const AudioOpener& openAudio,
                              const VideoExportProgress& progress) {
  VideoExportResult result;
  result.Outcome = VideoExportOutcome::Refused;
  VideoEncoderSettings settings;
  if (!VideoContainerOf(request.OutputPath, settings.Container)) {
    result.Message = kExportBadName;
    return result;
  }
  // 4:2:0 video needs even sides.
  settings.Width = request.Width & ~1;
  settings.Height = request.Height & ~1;
  if (settings.Width < kMinSide || settings.Height < kMinSide || settings.Width > kMaxWidth ||
      settings.Height > kMaxHeight) {
    result.Message = kExportBadSize;
    return result;
  }
  settings.Fps = std::clamp(request.Fps, 1, 240);
  const QFileInfo target(request.OutputPath);
  if (!QFileInfo(target.absolutePath()).isDir()) {
    result.Outcome = VideoExportOutcome::Failed;
    result.Message = kExportCannotWrite.arg(request.OutputPath, kExportNoFolder);
    return result;
  }

  // The engine plays a copy: the export changes nothing of the slideshow.
  SlideshowLibrary library(source);
  library.SetView(nullptr);
  const SlideshowOptions& options = library.Options();

  VirtualClock clock(request.StartTime);
  ExportDialogs dialogs;
  ExportTimers timers;
  ExportDisplay display;
  ExportLabels labels;
  SilentPlayer player;
  ExportFile file(encoder, settings, request.OutputPath, result.Timings);
  FrameSampler sampler(clock, file, settings.Width, settings.Height, settings.Fps, options.BkColor);

  SlideshowWindows windows;
  windows.Surface = &sampler;
  windows.Display = &display;
  windows.Boxes = &labels;
  windows.Measure = &labels;
  std::unique_ptr<LabelOverlay> overlay;
  if (request.WithLabels && options.UseLabel && LabelOverlay::Available()) {
    overlay = std::make_unique<LabelOverlay>(options.Colours);
    windows.Boxes = overlay.get();
    windows.Measure = overlay.get();
    sampler.Decorate = [&overlay](FrameBitmap& frame) { overlay->Draw(frame); };
  }
  windows.Loading = &display;
  windows.Shell = &display;
  windows.Dialogs = &dialogs;
  windows.Timers = &timers;
  windows.Pacing = &clock;
  windows.MonitorSize = [&settings] { return QSize(settings.Width, settings.Height); };
  const QList<int> folderRows = !request.SelectedFolderRows.isEmpty() || library.CurrentFolderIndex() < 0
                                    ? request.SelectedFolderRows
                                    : QList<int>{library.CurrentFolderIndex()};
  const QList<int> bgmRows = !request.SelectedBgmRows.isEmpty() || library.CurrentBgmIndex() < 0
                                 ? request.SelectedBgmRows
                                 : QList<int>{library.CurrentBgmIndex()};
  windows.SelectedFolderRows = [folderRows] { return folderRows; };
  windows.SelectedBgmRows = [bgmRows] { return bgmRows; };
  SlideshowEngine engine(library, player, windows);
  SlideControl& control = engine.Control();

  bool cancelled = false;
  std::int64_t estimateMs = 1;
  const auto stillGoing = [&] {
    if (cancelled) return false;
    if (progress) {
      const double fraction = std::min(0.99, static_cast<double>(clock.ElapsedMs()) / static_cast<double>(estimateMs));
      cancelled = !progress(fraction);
    }
    return !cancelled;
  };
  dialogs.KeepAlive = [&] { stillGoing(); };

  {
    Stopwatch watch(result.Timings.ShowSeconds, result.Timings.ShowCpuSeconds);
    control.StartSlideshow();
  }
  if (control.State() != PlayState::Playing) {
    file.Discard();
    result.Outcome = VideoExportOutcome::Refused;
    result.Message = dialogs.Messages.isEmpty() ? kExportNoPictures : dialogs.Messages.join(QLatin1Char('\n'));
    return result;
  }
  const PlayLists& lists = engine.Lists();
  const std::int64_t interval = SlideTimerInterval(options);
  estimateMs = std::max<std::int64_t>(1, static_cast<std::int64_t>(EstimateSlides(options, lists)) * interval);
  const int slideCap = 2 * EstimateSlides(options, lists) + static_cast<int>(lists.FolderPlayList.size()) + 2;

  // The soundtrack: the play list from the track the player starts with.
  std::unique_ptr<Soundtrack> soundtrack;
  if (request.WithMusic && options.UseBGM && !lists.BgmPlayList.isEmpty())
    soundtrack = std::make_unique<Soundtrack>(lists.BgmPlayList, lists.BgmPlayIndex,
                                              options.cbBGM == kBgmOrderLoop, openAudio);
  result.HasAudio = soundtrack != nullptr;
  file.Settings().WithAudio = result.HasAudio;
  file.Settings().WhileWaiting = [&] {
    if (progress) progress(0.99);
  };
  std::vector<std::int16_t> audioBlock;
  std::int64_t audioWritten = 0;
  // Hands on sound up to `untilFrame`, fading out the last part of a
  // stream of `totalFrames` (0: not known yet).
  const auto feedAudio = [&](std::int64_t untilFrame, std::int64_t totalFrames) {
    if (!soundtrack) return true;
    Stopwatch watch(result.Timings.AudioSeconds, result.Timings.AudioCpuSeconds);
    constexpr int kBlock = 4800;
    audioBlock.resize(static_cast<std::size_t>(kBlock) * kExportAudioChannels);
    while (audioWritten < untilFrame) {
      const int n = static_cast<int>(std::min<std::int64_t>(kBlock, untilFrame - audioWritten));
      soundtrack->Read(audioBlock.data(), n);
      if (totalFrames > 0)
        ApplyFadeOut(audioBlock.data(), n, audioWritten, totalFrames,
                     std::min(kFadeOutMs * kExportAudioRate / 1000, totalFrames / 2));
      if (!file.PushAudio(audioBlock.data(), n)) return false;
      audioWritten += n;
    }
    return true;
  };
  // Sound runs behind the pictures by the fade-out, which is only known at the end.
  sampler.KeepGoing = [&] {
    const std::int64_t ms = sampler.FrameTimeMs(sampler.FramesWritten()) - kFadeOutMs;
    if (ms > 0 && !feedAudio(ms * kExportAudioRate / 1000, 0)) return false;
    return stillGoing();
  };

  QSet<int> shownFolders{lists.FolderPlayIndex};
  result.Slides = 1;
  std::int64_t tick = clock.ElapsedMs();
  std::int64_t endMs = 0;
  while (true) {
    std::int64_t next = tick + interval;
    // A show that took longer than the interval: the timer fires at once.
    if (next < clock.ElapsedMs()) next = clock.ElapsedMs();
    sampler.EmitUntil(next);
    if (sampler.Stopped() || cancelled) break;
    if (PassEndsAtNextTick(options, lists, shownFolders) || result.Slides >= slideCap) {
      endMs = next;
      break;
    }
    clock.AdvanceTo(next);
    tick = next;
    {
      Stopwatch watch(result.Timings.ShowSeconds, result.Timings.ShowCpuSeconds);
      control.OnSlideTimer();
    }
    shownFolders.insert(lists.FolderPlayIndex);
    ++result.Slides;
    if (sampler.Stopped() || cancelled) break;
  }
  // The files passed over, as far as the export got.
  const auto report = [&] {
    result.Report = dialogs.Messages;
    if (soundtrack) result.Report << soundtrack->Skipped();
  };
  report();
  if (cancelled || sampler.Cancelled()) {
    file.Discard();
    result.Outcome = VideoExportOutcome::Cancelled;
    return result;
  }
  const auto fail = [&] {
    const bool writeFailed = file.WriteFailed() || file.Error().contains(QStringLiteral("write"), Qt::CaseInsensitive) ||
                             file.Error().contains(QStringLiteral("space"), Qt::CaseInsensitive);
    result.Outcome = VideoExportOutcome::Failed;
    result.Message = writeFailed ? kExportCannotWrite.arg(request.OutputPath, file.Error())
                                 : kExportFailed.arg(file.Error());
    file.Discard();
    return result;
  };
  if (sampler.Failed()) return fail();
  if (sampler.Presented() == 0) {
    // Not one picture could be shown.
    file.Discard();
    result.Outcome = VideoExportOutcome::Refused;
    result.Message = kExportNoPictures;
    return result;
  }
  result.Frames = sampler.FramesWritten();
  result.DurationMs = endMs;
  const std::int64_t totalAudio = result.Frames * kExportAudioRate / settings.Fps;
  const bool audioDone = feedAudio(totalAudio, totalAudio);
  report();
  if (!audioDone) return fail();
  {
    Stopwatch watch(result.Timings.FinishSeconds, result.Timings.FinishCpuSeconds);
    if (!file.Finish()) return fail();
  }
  if (!file.Publish()) return fail();
  result.Outcome = VideoExportOutcome::Done;
  return result;
}
