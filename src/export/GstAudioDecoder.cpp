#include "export/GstAudioDecoder.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "export/VideoEncoder.h"

namespace {

QString TakeErrorText(GstMessage* message) {
  GError* error = nullptr;
  gchar* debug = nullptr;
  gst_message_parse_error(message, &error, &debug);
  QString text = error != nullptr ? QString::fromUtf8(error->message) : QStringLiteral("GStreamer error");
  if (error != nullptr) g_error_free(error);
  g_free(debug);
  return text;
}

class GstAudioDecoder final : public AudioSource {
 public:
  ~GstAudioDecoder() override {
    if (pipeline_ == nullptr) return;
    gst_element_set_state(pipeline_, GST_STATE_NULL);
    if (sink_ != nullptr) gst_object_unref(sink_);
    gst_object_unref(pipeline_);
  }

  bool Open(const QString& path, QString& why) {
    if (!gst_init_check(nullptr, nullptr, nullptr)) {
      why = QStringLiteral("GStreamer cannot start");
      return false;
    }
    GstElement* source = gst_element_factory_make("uridecodebin", nullptr);
    GstElement* convert = gst_element_factory_make("audioconvert", nullptr);
    GstElement* resample = gst_element_factory_make("audioresample", nullptr);
    GstElement* sink = gst_element_factory_make("appsink", nullptr);
    pipeline_ = gst_pipeline_new(nullptr);
    if (!source || !convert || !resample || !sink || !pipeline_) {
      for (GstElement* e : {source, convert, resample, sink, pipeline_})
        if (e != nullptr) gst_object_unref(gst_object_ref_sink(e));
      pipeline_ = nullptr;
      why = QStringLiteral("GStreamer's decoding elements are missing");
      return false;
    }
    gchar* uri = gst_filename_to_uri(path.toLocal8Bit().constData(), nullptr);
    g_object_set(source, "uri", uri, nullptr);
    g_free(uri);
    GstCaps* caps = gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, "S16LE", "rate", G_TYPE_INT,
                                        kExportAudioRate, "channels", G_TYPE_INT, kExportAudioChannels, "layout",
                                        G_TYPE_STRING, "interleaved", nullptr);
    g_object_set(sink, "caps", caps, "sync", FALSE, nullptr);
    gst_caps_unref(caps);
    gst_bin_add_many(GST_BIN(pipeline_), source, convert, resample, sink, nullptr);
    gst_element_link_many(convert, resample, sink, nullptr);
    sink_ = GST_ELEMENT(gst_object_ref(sink));
    // The decoder's pad appears once the file's type is known.
    g_signal_connect(source, "pad-added", G_CALLBACK(&GstAudioDecoder::OnPadAdded), convert);
    if (gst_element_set_state(pipeline_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
      why = BusError();
      if (why.isEmpty()) why = QStringLiteral("the file cannot be opened");
      return false;
    }
    // A file that does not decode fails before its first sound.
    if (!Fill()) {
      why = BusError();
      if (why.isEmpty()) why = QStringLiteral("the file holds no sound");
      return false;
    }
    return true;
  }

  int Read(std::int16_t* out, int frames) override {
    int done = 0;
    while (done < frames) {
      if (offset_ >= pending_.size() && !Fill()) break;
      const std::size_t take =
          std::min<std::size_t>((pending_.size() - offset_) / kExportAudioChannels, static_cast<std::size_t>(frames - done));
      std::memcpy(out + static_cast<std::size_t>(done) * kExportAudioChannels, pending_.data() + offset_,
                  take * kExportAudioChannels * sizeof(std::int16_t));
      offset_ += take * kExportAudioChannels;
      done += static_cast<int>(take);
    }
    return done;
  }

 private:
  static void OnPadAdded(GstElement*, GstPad* pad, gpointer convert) {
    GstPad* sinkPad = gst_element_get_static_pad(GST_ELEMENT(convert), "sink");
    if (!gst_pad_is_linked(sinkPad)) {
      GstCaps* caps = gst_pad_get_current_caps(pad);
      if (caps == nullptr) caps = gst_pad_query_caps(pad, nullptr);
      const gchar* kind = gst_structure_get_name(gst_caps_get_structure(caps, 0));
      if (g_str_has_prefix(kind, "audio/")) gst_pad_link(pad, sinkPad);
      gst_caps_unref(caps);
    }
    gst_object_unref(sinkPad);
  }

  QString BusError() {
    GstBus* bus = gst_element_get_bus(pipeline_);
    GstMessage* message = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR);
    gst_object_unref(bus);
    if (message == nullptr) return QString();
    const QString text = TakeErrorText(message);
    gst_message_unref(message);
    return text;
  }

  // The next decoded block into pending_; false at the end or on an error.
  bool Fill() {
    pending_.clear();
    offset_ = 0;
    while (pending_.empty()) {
      GstSample* sample = gst_app_sink_try_pull_sample(GST_APP_SINK(sink_), 100 * GST_MSECOND);
      if (sample == nullptr) {
        if (gst_app_sink_is_eos(GST_APP_SINK(sink_))) return false;
        GstBus* bus = gst_element_get_bus(pipeline_);
        const bool failed = gst_bus_have_pending(bus) && HasError(bus);
        gst_object_unref(bus);
        if (failed) return false;
        if (++idlePolls_ > 300) return false;  // 30 s without sound: a stuck decoder
        continue;
      }
      idlePolls_ = 0;
      GstBuffer* buffer = gst_sample_get_buffer(sample);
      GstMapInfo map;
      if (buffer != nullptr && gst_buffer_map(buffer, &map, GST_MAP_READ)) {
        pending_.resize(map.size / sizeof(std::int16_t));
        std::memcpy(pending_.data(), map.data, pending_.size() * sizeof(std::int16_t));
        gst_buffer_unmap(buffer, &map);
      }
      gst_sample_unref(sample);
    }
    return true;
  }

  static bool HasError(GstBus* bus) {
    GstMessage* message = gst_bus_peek(bus);
    bool error = false;
    // Look at every waiting message without taking the error away.
    while (message != nullptr) {
      const bool isError = GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR;
      gst_message_unref(message);
      if (isError) {
        error = true;
        break;
      }
      GstMessage* other = gst_bus_pop(bus);
      if (other != nullptr) gst_message_unref(other);
      message = gst_bus_peek(bus);
    }
    return error;
  }

  GstElement* pipeline_ = nullptr;
  GstElement* sink_ = nullptr;
  std::vector<std::int16_t> pending_;
  std::size_t offset_ = 0;
  int idlePolls_ = 0;
};

}  // namespace

std::unique_ptr<AudioSource> OpenGstAudioFile(const QString& path, QString& why) {
  auto decoder = std::make_unique<GstAudioDecoder>();
  if (!decoder->Open(path, why)) return nullptr;
  return decoder;
}
