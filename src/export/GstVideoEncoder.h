#pragma once
// Encodes an export through GStreamer:
//   appsrc (BGR) ! videoconvert ! x264enc ! h264parse ! queue ! mp4mux ! filesink
//   appsrc (S16LE 48 kHz stereo) ! audioconvert ! AAC encoder ! aacparse ! queue ! mux
// and for WebM vp9enc, opusenc and webmmux instead.
#include <string>

#include "export/VideoEncoder.h"

typedef struct _GstElement GstElement;
typedef struct _GstBuffer GstBuffer;

class GstVideoEncoder final : public VideoEncoder {
 public:
  GstVideoEncoder() = default;
  ~GstVideoEncoder() override;
  GstVideoEncoder(const GstVideoEncoder&) = delete;
  GstVideoEncoder& operator=(const GstVideoEncoder&) = delete;

  bool Open(const VideoEncoderSettings& settings) override;
  bool PushFrames(const FrameBitmap& frame, int count) override;
  bool PushAudio(const std::int16_t* samples, int frames) override;
  bool Finish() override;
  void Abort() override;
  QString Error() const override { return error_; }

  // The pipeline description Open builds for these settings (without the
  // file name), for reports and logs.
  static std::string PipelineDescription(const VideoEncoderSettings& settings);

 private:
  bool CheckBus();
  void Close();

  VideoEncoderSettings settings_;
  GstElement* pipeline_ = nullptr;
  GstElement* video_ = nullptr;
  GstElement* audio_ = nullptr;
  long long frameIndex_ = 0;
  long long audioFrames_ = 0;
  QString error_;
};
