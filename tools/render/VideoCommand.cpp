// brinmora-render video: a slideshow of a program folder exported to an MP4
// or WebM file, through the same exporter as the main window's command.
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>

#include "RenderArgs.h"
#include "RenderCommand.h"
#include "export/ExportWindows.h"
#include "export/GstAudioDecoder.h"
#include "export/GstVideoEncoder.h"
#include "export/VideoExport.h"
#include "library/LibraryPaths.h"
#include "library/SlideshowLibrary.h"
#include "platform/Random.h"

namespace {

// Processor time of the whole process, every thread counted (GStreamer's
// encoder threads included): a measure that does not depend on how busy
// the rest of the machine is.
double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

constexpr const char* kUsage =
    "video --program-folder DIR --slideshow NAME [--size WxH] [--fps N] [--seed S] [--no-music] OUT.mp4|OUT.webm";

int RunVideoCommand(const std::vector<std::string>& args) {
  QString programFolder, name, out;
  VideoExportRequest request;
  std::int64_t seed = -1, fps = 30;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--program-folder" && hasValue) {
      programFolder = QString::fromLocal8Bit(args[++i].c_str());
    } else if (a == "--slideshow" && hasValue) {
      name = QString::fromLocal8Bit(args[++i].c_str());
    } else if (a == "--size" && hasValue) {
      if (!ParseSize(args[++i], request.Width, request.Height)) return Fail(QStringLiteral("invalid --size: ") + QString::fromStdString(args[i]));
    } else if (a == "--fps" && hasValue) {
      if (!ParseNumber(args[++i], fps) || fps < 1 || fps > 240) return Fail(QStringLiteral("invalid --fps (1..240): ") + QString::fromStdString(args[i]));
    } else if (a == "--seed" && hasValue) {
      if (!ParseNumber(args[++i], seed) || seed < 0) return Fail(QStringLiteral("invalid --seed: ") + QString::fromStdString(args[i]));
    } else if (a == "--no-music") {
      request.WithMusic = false;
    } else if (a.rfind("--", 0) == 0) {
      return Fail(QStringLiteral("unknown or incomplete option: ") + QString::fromStdString(a));
    } else if (out.isEmpty()) {
      out = QString::fromLocal8Bit(a.c_str());
    } else {
      return Fail(QStringLiteral("usage: ") + QLatin1String(kUsage));
    }
  }
  if (programFolder.isEmpty() || name.isEmpty() || out.isEmpty()) return Fail(QStringLiteral("usage: ") + QLatin1String(kUsage));
  request.Fps = static_cast<int>(fps);
  request.OutputPath = out;
  if (seed >= 0) {
    // A repeatable run: the generator and its reseeds start from the seed,
    // the clock the labels show from a fixed time.
    ApplySeed(seed);
    request.StartTime = QDateTime(QDate(2000, 1, 1), QTime(0, 0));
  } else {
    ReseedRandom();
  }

  programFolder = QDir(programFolder).absolutePath() + QLatin1Char('/');
  if (!QFileInfo(SlideshowFolderPath(programFolder, name)).isDir())
    return Fail(QStringLiteral("no slideshow named ") + name + QStringLiteral(" in ") + programFolder);
  ExportDialogs dialogs;
  SlideshowLibrary library(programFolder, dialogs);
  library.SetRunMode(RunMode::CdPlay);  // nothing of the program folder is written
  library.LoadSlideshow(name);

  GstVideoEncoder encoder;
  const auto started = std::chrono::steady_clock::now();
  const double cpuBefore = ProcessCpuSeconds();
  const VideoExportResult result = ExportVideo(library, request, encoder, OpenGstAudioFile);
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  const double cpu = ProcessCpuSeconds() - cpuBefore;
  for (const QString& line : result.Report) std::fprintf(stderr, "skipped: %s\n", line.toUtf8().constData());
  if (result.Outcome != VideoExportOutcome::Done) {
    QString message = result.Message;
    message.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return Fail(result.Outcome == VideoExportOutcome::Cancelled ? QStringLiteral("cancelled") : message);
  }
  VideoEncoderSettings settings;
  VideoContainerOf(out, settings.Container);
  settings.Width = request.Width & ~1;
  settings.Height = request.Height & ~1;
  settings.Fps = request.Fps;
  settings.WithAudio = result.HasAudio;
  const double seconds = static_cast<double>(result.DurationMs) / 1000.0;
  std::printf("%s: %d slides, %lld frames, %.3f s of video%s\n", out.toUtf8().constData(), result.Slides,
              static_cast<long long>(result.Frames), seconds, result.HasAudio ? " with music" : "");
  std::printf("wall %.2f s (%.2fx real time): show %.2f s, video encoding %.2f s, audio %.2f s, finish %.2f s\n", wall,
              seconds > 0 ? seconds / wall : 0.0, result.Timings.ShowSeconds, result.Timings.VideoSeconds,
              result.Timings.AudioSeconds, result.Timings.FinishSeconds);
  const VideoExportTimings& t = result.Timings;
  const double ownThread = t.ShowCpuSeconds + t.VideoCpuSeconds + t.AudioCpuSeconds + t.FinishCpuSeconds;
  std::printf("processor time %.2f s (%.2f s of video per processor second): show %.2f s (decoding, fitting, "
              "filters, transitions), frames handed to the encoder %.2f s, soundtrack handed on %.2f s, "
              "GStreamer threads (music decoding, conversion, H.264/VP9 and audio encoding, muxing) %.2f s\n",
              cpu, cpu > 0 ? seconds / cpu : 0.0, t.ShowCpuSeconds, t.VideoCpuSeconds, t.AudioCpuSeconds,
              cpu - ownThread);
  std::printf("pipeline: %s\n", GstVideoEncoder::PipelineDescription(settings).c_str());
  return 0;
}

RenderCommandRegistrar reg("video", kUsage, RunVideoCommand);

}  // namespace
