#include "export/GstVideoEncoder.h"

#include <gst/app/gstappsrc.h>
#include <gst/gst.h>

#include <cstring>

namespace {

bool InitGstreamer() {
  static const bool ok = gst_init_check(nullptr, nullptr, nullptr);
  return ok;
}

// A queue that never fills: the encoded streams wait here for the muxer,
// which interleaves them, so neither input can stall the other.
constexpr const char* kOpenQueue = "queue max-size-buffers=0 max-size-bytes=0 max-size-time=0";

bool HasElement(const char* name) {
  GstElementFactory* factory = gst_element_factory_find(name);
  if (factory == nullptr) return false;
  gst_object_unref(factory);
  return true;
}

// FFmpeg's AAC encoder where the libav plugins are installed, else VisualOn's.
const char* AacEncoder() { return HasElement("avenc_aac") ? "avenc_aac bitrate=192000" : "voaacenc bitrate=192000"; }

QString TakeErrorText(GstMessage* message) {
  GError* error = nullptr;
  gchar* debug = nullptr;
  gst_message_parse_error(message, &error, &debug);
  QString text = error != nullptr ? QString::fromUtf8(error->message) : QStringLiteral("GStreamer error");
  if (error != nullptr) g_error_free(error);
  g_free(debug);
  return text;
}

// BGR rows as GStreamer lays them out: each row padded to 4 bytes.
int VideoStride(int width) { return (width * 3 + 3) & ~3; }

}  // namespace

std::string GstVideoEncoder::PipelineDescription(const VideoEncoderSettings& s) {
  const bool webm = s.Container == VideoContainer::WebM;
  std::string d = "appsrc name=video format=time block=true ! videoconvert n-threads=2 ! video/x-raw,format=I420 ! ";
  if (webm) {
    // Constrained quality, capped at about four bits a pixel a second.
    d += "vp9enc deadline=1 cpu-used=8 row-mt=true threads=2 end-usage=cq cq-level=24 target-bitrate=" +
         std::to_string(static_cast<long long>(s.Width) * s.Height * 4) +
         " keyframe-max-dist=" + std::to_string(s.Fps * 4);
  } else {
    // Still pictures dominate a slideshow: x264's still-image tuning, a
    // constant quality rather than a bit rate, and a key frame every few
    // seconds so players can seek.
    d += "x264enc tune=stillimage speed-preset=veryfast pass=qual quantizer=20 key-int-max=" +
         std::to_string(s.Fps * 4) + " ! h264parse";
  }
  d += std::string(" ! ") + kOpenQueue + (webm ? " ! webmmux name=mux" : " ! mp4mux name=mux") + " ! filesink name=sink";
  if (s.WithAudio) {
    d += " appsrc name=audio format=time block=false ! audioconvert ! ";
    d += webm ? std::string("opusenc bitrate=160000") : std::string(AacEncoder()) + " ! aacparse";
    d += std::string(" ! ") + kOpenQueue + " ! mux.";
  }
  return d;
}

GstVideoEncoder::~GstVideoEncoder() { Close(); }

void GstVideoEncoder::Close() {
  if (pipeline_ == nullptr) return;
  gst_element_set_state(pipeline_, GST_STATE_NULL);
  if (video_ != nullptr) gst_object_unref(video_);
  if (audio_ != nullptr) gst_object_unref(audio_);
  gst_object_unref(pipeline_);
  pipeline_ = video_ = audio_ = nullptr;
}

bool GstVideoEncoder::Open(const VideoEncoderSettings& settings) {
  Close();
  settings_ = settings;
  frameIndex_ = 0;
  audioFrames_ = 0;
  error_.clear();
  if (!InitGstreamer()) {
    error_ = QStringLiteral("GStreamer cannot start");
    return false;
  }
  GError* parseError = nullptr;
  pipeline_ = gst_parse_launch(PipelineDescription(settings).c_str(), &parseError);
  if (parseError != nullptr) {
    error_ = QString::fromUtf8(parseError->message);
    g_error_free(parseError);
    if (pipeline_ != nullptr) gst_object_unref(pipeline_);
    pipeline_ = nullptr;
    return false;
  }
  video_ = gst_bin_get_by_name(GST_BIN(pipeline_), "video");
  audio_ = settings.WithAudio ? gst_bin_get_by_name(GST_BIN(pipeline_), "audio") : nullptr;
  GstElement* sink = gst_bin_get_by_name(GST_BIN(pipeline_), "sink");
  g_object_set(sink, "location", settings.Path.toLocal8Bit().constData(), nullptr);
  gst_object_unref(sink);

  GstCaps* videoCaps = gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "BGR", "width", G_TYPE_INT,
                                           settings.Width, "height", G_TYPE_INT, settings.Height, "framerate",
                                           GST_TYPE_FRACTION, settings.Fps, 1, nullptr);
  // A few frames ahead of the encoder at most: the export waits rather than
  // holding the whole show in memory.
  g_object_set(video_, "caps", videoCaps, "max-bytes",
               static_cast<guint64>(VideoStride(settings.Width)) * settings.Height * 4, nullptr);
  gst_caps_unref(videoCaps);
  if (audio_ != nullptr) {
    GstCaps* audioCaps = gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, "S16LE", "rate", G_TYPE_INT,
                                             kExportAudioRate, "channels", G_TYPE_INT, kExportAudioChannels,
                                             "layout", G_TYPE_STRING, "interleaved", nullptr);
    g_object_set(audio_, "caps", audioCaps, nullptr);
    gst_caps_unref(audioCaps);
  }
  if (gst_element_set_state(pipeline_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
    CheckBus();
    if (error_.isEmpty()) error_ = QStringLiteral("the encoding pipeline does not start");
    Close();
    return false;
  }
  return CheckBus();
}

bool GstVideoEncoder::CheckBus() {
  if (pipeline_ == nullptr) return false;
  GstBus* bus = gst_element_get_bus(pipeline_);
  GstMessage* message = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR);
  gst_object_unref(bus);
  if (message == nullptr) return error_.isEmpty();
  error_ = TakeErrorText(message);
  gst_message_unref(message);
  return false;
}

bool GstVideoEncoder::PushFrames(const FrameBitmap& frame, int count) {
  if (pipeline_ == nullptr || !error_.isEmpty() || !CheckBus()) return false;
  if (count <= 0) return true;
  if (frame.Width != settings_.Width || frame.Height != settings_.Height) {
    error_ = QStringLiteral("a frame of the wrong size");
    return false;
  }
  const int stride = VideoStride(frame.Width);
  GstBuffer* picture = gst_buffer_new_allocate(nullptr, static_cast<gsize>(stride) * frame.Height, nullptr);
  GstMapInfo map;
  gst_buffer_map(picture, &map, GST_MAP_WRITE);
  for (int y = 0; y < frame.Height; ++y) {
    std::uint8_t* row = map.data + static_cast<std::size_t>(y) * stride;
    std::memcpy(row, frame.Row(y), frame.RowBytes());
    std::memset(row + frame.RowBytes(), 0, stride - frame.RowBytes());
  }
  gst_buffer_unmap(picture, &map);
  // Repeats of one picture share its pixel memory; only the time stamps differ.
  for (int i = 0; i < count; ++i) {
    GstBuffer* buffer = i + 1 == count ? picture : gst_buffer_copy(picture);
    const GstClockTime start = gst_util_uint64_scale(frameIndex_, GST_SECOND, settings_.Fps);
    const GstClockTime end = gst_util_uint64_scale(frameIndex_ + 1, GST_SECOND, settings_.Fps);
    GST_BUFFER_PTS(buffer) = start;
    GST_BUFFER_DTS(buffer) = start;
    GST_BUFFER_DURATION(buffer) = end - start;
    ++frameIndex_;
    if (gst_app_src_push_buffer(GST_APP_SRC(video_), buffer) != GST_FLOW_OK) {
      if (i + 1 < count) gst_buffer_unref(picture);
      CheckBus();
      if (error_.isEmpty()) error_ = QStringLiteral("the video encoder stopped");
      return false;
    }
  }
  return CheckBus();
}

bool GstVideoEncoder::PushAudio(const std::int16_t* samples, int frames) {
  if (audio_ == nullptr || frames <= 0) return error_.isEmpty();
  if (!error_.isEmpty() || !CheckBus()) return false;
  const gsize bytes = static_cast<gsize>(frames) * kExportAudioChannels * sizeof(std::int16_t);
  GstBuffer* buffer = gst_buffer_new_allocate(nullptr, bytes, nullptr);
  gst_buffer_fill(buffer, 0, samples, bytes);
  const GstClockTime start = gst_util_uint64_scale(audioFrames_, GST_SECOND, kExportAudioRate);
  audioFrames_ += frames;
  GST_BUFFER_PTS(buffer) = start;
  GST_BUFFER_DURATION(buffer) = gst_util_uint64_scale(audioFrames_, GST_SECOND, kExportAudioRate) - start;
  if (gst_app_src_push_buffer(GST_APP_SRC(audio_), buffer) != GST_FLOW_OK) {
    CheckBus();
    if (error_.isEmpty()) error_ = QStringLiteral("the audio encoder stopped");
    return false;
  }
  return true;
}

bool GstVideoEncoder::Finish() {
  if (pipeline_ == nullptr || !CheckBus()) return false;
  gst_app_src_end_of_stream(GST_APP_SRC(video_));
  if (audio_ != nullptr) gst_app_src_end_of_stream(GST_APP_SRC(audio_));
  GstBus* bus = gst_element_get_bus(pipeline_);
  bool done = false;
  // The encoders drain their look-ahead; a muxer that never finishes is a
  // failure, not a hang.
  for (int waited = 0; waited < 10 * 60 * 10 && !done; ++waited) {
    GstMessage* message =
        gst_bus_timed_pop_filtered(bus, 100 * GST_MSECOND, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    if (message != nullptr) {
      if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) error_ = TakeErrorText(message);
      done = true;
      gst_message_unref(message);
    } else if (settings_.WhileWaiting) {
      settings_.WhileWaiting();
    }
  }
  gst_object_unref(bus);
  if (!done) error_ = QStringLiteral("the encoder did not finish");
  Close();
  return error_.isEmpty();
}

void GstVideoEncoder::Abort() { Close(); }
