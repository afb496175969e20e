#pragma once
// Where an export's frames and sound go. The running program encodes through
// GStreamer (GstVideoEncoder); the timeline rules are tested with fakes.
#include <QString>
#include <cstdint>
#include <functional>

#include "bitmap/FrameBitmap.h"

// The sound handed to the encoder: interleaved signed 16-bit stereo.
inline constexpr int kExportAudioRate = 48000;
inline constexpr int kExportAudioChannels = 2;

enum class VideoContainer { Mp4, WebM };

struct VideoEncoderSettings {
  QString Path;  // the file written (the exporter's temporary name)
  VideoContainer Container = VideoContainer::Mp4;
  int Width = 0;
  int Height = 0;
  int Fps = 30;
  bool WithAudio = true;
  // Runs now and then while Finish waits for the encoder to drain.
  std::function<void()> WhileWaiting;
};

class VideoEncoder {
 public:
  virtual ~VideoEncoder() = default;
  // Builds the pipeline and starts it; false with Error() set when it cannot.
  virtual bool Open(const VideoEncoderSettings& settings) = 0;
  // Appends `count` video frames that all show frame (24-bit BGR of the
  // video's size); false once the encoder has failed.
  virtual bool PushFrames(const FrameBitmap& frame, int count) = 0;
  // Appends sound frames (one frame = one sample per channel).
  virtual bool PushAudio(const std::int16_t* samples, int frames) = 0;
  // Ends both streams and waits until the file is complete.
  virtual bool Finish() = 0;
  // Stops at once; what was written is left for the caller to delete.
  virtual void Abort() = 0;
  // Why the last operation failed.
  virtual QString Error() const = 0;
};
