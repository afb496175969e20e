#pragma once
// Exports the current slideshow to a video file: the slideshow engine plays
// one pass of its play lists on a virtual clock, with the same orders,
// filters, transitions and shuffle draws as on screen, and every frame it
// presents goes to the encoder at the moment it would appear; the BGM list,
// decoded in its play order, is the soundtrack. The file appears under its
// name only when it is complete.
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "export/AudioSource.h"
#include "export/VideoEncoder.h"

class SlideshowLibrary;

struct VideoExportRequest {
  QString OutputPath;  // ends in .mp4 or .webm
  int Width = 1920;
  int Height = 1080;
  int Fps = 30;
  bool WithMusic = true;
  // The display's labels, laid out as on screen, drawn into the pictures.
  bool WithLabels = false;
  // The rows selected in the folder and BGM lists (the orders that start
  // from the selected row read them); empty: the library's current rows.
  QList<int> SelectedFolderRows;
  QList<int> SelectedBgmRows;
  // Where the virtual clock starts (the shown time, the generator's reseeds).
  QDateTime StartTime = QDateTime::currentDateTime();
};

enum class VideoExportOutcome { Done, Refused, Failed, Cancelled };

// Wall time spent, for benchmarks and logs.
struct VideoExportTimings {
  double ShowSeconds = 0;    // decoding, fitting, filters, transitions
  double VideoSeconds = 0;   // handing frames to the encoder, waiting for it
  double AudioSeconds = 0;   // decoding and handing on the soundtrack
  double FinishSeconds = 0;  // draining the encoders at the end
  // The processor time of the exporting thread itself in each; the encoders'
  // own threads (conversion, compression, muxing) are not in these.
  double ShowCpuSeconds = 0;
  double VideoCpuSeconds = 0;
  double AudioCpuSeconds = 0;
  double FinishCpuSeconds = 0;
};

struct VideoExportResult {
  VideoExportOutcome Outcome = VideoExportOutcome::Failed;
  QString Message;     // what the user is told when it is not Done
  QStringList Report;  // the files passed over, one line each
  std::int64_t DurationMs = 0;
  std::int64_t Frames = 0;
  int Slides = 0;  // pictures shown (including failed ones' turns)
  bool HasAudio = false;
  VideoExportTimings Timings;
};

// Called as the export moves on, fraction 0..1; false cancels it.
using VideoExportProgress = std::function<bool(double fraction)>;

// The container a file name asks for; false when it names neither.
bool VideoContainerOf(const QString& path, VideoContainer& container);

// library: the slideshow to export, as loaded (not changed). encoder and
// openAudio: GStreamer's in the program, fakes in tests.
VideoExportResult ExportVideo(const SlideshowLibrary& library, const VideoExportRequest& request,
                              VideoEncoder& encoder, const AudioOpener& openAudio,
                              const VideoExportProgress& progress = {});
