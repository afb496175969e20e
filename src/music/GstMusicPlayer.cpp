#include "music/GstMusicPlayer.h"

#include <gst/gst.h>

#include <algorithm>

namespace {

bool InitGstreamer() {
  static const bool ok = gst_init_check(nullptr, nullptr, nullptr);
  return ok;
}

QString TakeErrorText(GstMessage* message) {
  GError* error = nullptr;
  gchar* debug = nullptr;
  gst_message_parse_error(message, &error, &debug);
  QString text = error != nullptr ? QString::fromUtf8(error->message) : QString();
  if (error != nullptr) g_error_free(error);
  g_free(debug);
  return text;
}

}  // namespace

QString FormatPlayTime(long long nanoseconds) {
  if (nanoseconds < 0) nanoseconds = 0;
  const long long seconds = nanoseconds / GST_SECOND;
  return QString::asprintf("%02lld:%02lld", seconds / 60, seconds % 60);
}

GstMusicPlayer::GstMusicPlayer(ErrorHandler onError, AudioOutput output) : onError_(std::move(onError)) {
  if (!InitGstreamer()) return;
  playbin_ = gst_element_factory_make("playbin", nullptr);
  if (playbin_ == nullptr) return;
  gst_object_ref_sink(playbin_);
  // Audio only: no video window for files that happen to carry pictures.
  g_object_set(playbin_, "flags", 0x2 /* audio */, nullptr);
  if (output == AudioOutput::Null) {
    GstElement* sink = gst_element_factory_make("fakesink", nullptr);
    if (sink != nullptr) {
      g_object_set(sink, "sync", TRUE, nullptr);
      g_object_set(playbin_, "audio-sink", sink, nullptr);
    }
  }
  ApplyVolume();
}

GstMusicPlayer::~GstMusicPlayer() {
  if (playbin_ == nullptr) return;
  gst_element_set_state(playbin_, GST_STATE_NULL);
  gst_object_unref(playbin_);
}

void GstMusicPlayer::ToState(int gstState) {
  gst_element_set_state(playbin_, static_cast<GstState>(gstState));
}

void GstMusicPlayer::Load(const QString& path) {
  url_ = path;
  durationText_.clear();
  if (playbin_ != nullptr) {
    ToState(GST_STATE_NULL);
    // Messages of the previous file must not act on this one.
    GstBus* bus = gst_element_get_bus(playbin_);
    gst_bus_set_flushing(bus, TRUE);
    gst_bus_set_flushing(bus, FALSE);
    gst_object_unref(bus);
  }
  if (path.isEmpty()) {
    state_ = PlayerState::Undefined;
    return;
  }
  if (playbin_ == nullptr) {
    state_ = PlayerState::Stopped;
    ReportFailure(QStringLiteral("GStreamer playbin is not available"));
    return;
  }
  gchar* uri = gst_filename_to_uri(path.toUtf8().constData(), nullptr);
  if (uri == nullptr) {
    state_ = PlayerState::Stopped;
    ReportFailure(QStringLiteral("invalid file name"));
    return;
  }
  g_object_set(playbin_, "uri", uri, nullptr);
  g_free(uri);
  ApplyVolume();
  if (autoStart_) {
    ToState(GST_STATE_PLAYING);
    state_ = PlayerState::Playing;
  } else {
    // Prerolled, so the length is known before it starts.
    ToState(GST_STATE_PAUSED);
    state_ = PlayerState::Ready;
  }
}

void GstMusicPlayer::Play() {
  if (playbin_ == nullptr || url_.isEmpty() || state_ == PlayerState::Undefined) return;
  ToState(GST_STATE_PLAYING);
  state_ = PlayerState::Playing;
}

void GstMusicPlayer::Pause() {
  if (playbin_ == nullptr || url_.isEmpty() || state_ == PlayerState::Undefined) return;
  ToState(GST_STATE_PAUSED);
  state_ = PlayerState::Paused;
}

void GstMusicPlayer::Stop() {
  if (playbin_ == nullptr || url_.isEmpty() || state_ == PlayerState::Undefined) return;
  // READY drops the position, so the next Play starts from the beginning.
  ToState(GST_STATE_READY);
  state_ = PlayerState::Stopped;
}

void GstMusicPlayer::Close() {
  if (playbin_ != nullptr) ToState(GST_STATE_NULL);
  url_.clear();
  durationText_.clear();
  state_ = PlayerState::Undefined;
}

PlayerState GstMusicPlayer::State() {
  PollBus();
  return state_;
}

QString GstMusicPlayer::PositionText() {
  PollBus();
  if (state_ != PlayerState::Playing && state_ != PlayerState::Paused) return {};
  gint64 position = 0;
  if (!gst_element_query_position(playbin_, GST_FORMAT_TIME, &position)) return {};
  return FormatPlayTime(position);
}

QString GstMusicPlayer::DurationText() {
  PollBus();
  if (state_ == PlayerState::Undefined) return {};
  if (state_ != PlayerState::Stopped) CacheDuration();
  return durationText_;
}

void GstMusicPlayer::CacheDuration() {
  if (playbin_ == nullptr || !durationText_.isEmpty()) return;
  gint64 duration = 0;
  if (gst_element_query_duration(playbin_, GST_FORMAT_TIME, &duration) && duration > 0)
    durationText_ = FormatPlayTime(duration);
}

void GstMusicPlayer::SetVolume(int volume) {
  volume_ = std::clamp(volume, 0, 100);
  ApplyVolume();
}

void GstMusicPlayer::ApplyVolume() {
  if (playbin_ == nullptr) return;
  // A cubic scale follows loudness as heard, like a player's volume knob:
  // 50 is about a quarter of the full amplitude (playbin's volume is linear).
  const double fraction = volume_ / 100.0;
  g_object_set(playbin_, "volume", fraction * fraction * fraction, nullptr);
}

void GstMusicPlayer::PollBus() {
  if (playbin_ == nullptr) return;
  GstBus* bus = gst_element_get_bus(playbin_);
  while (GstMessage* message = gst_bus_pop_filtered(bus, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR))) {
    HandleMessage(message);
    gst_message_unref(message);
  }
  gst_object_unref(bus);
}

void GstMusicPlayer::HandleMessage(GstMessage* message) {
  if (url_.isEmpty() || state_ == PlayerState::Undefined) return;
  if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS) {
    CacheDuration();  // the length stays known after the end
    ToState(GST_STATE_READY);
    state_ = PlayerState::Stopped;
    return;
  }
  // A file that cannot be played counts as ended, so the next one follows.
  const QString detail = TakeErrorText(message);
  ToState(GST_STATE_READY);
  state_ = PlayerState::Stopped;
  ReportFailure(detail);
}

void GstMusicPlayer::ReportFailure(const QString& detail) {
  if (!reportedFiles_.insert(url_).second) return;
  // The handler may show a modal box that runs the event loop; the player's
  // state is already settled here, so re-entrant calls see a stopped file.
  if (onError_) onError_(url_, detail);
}
