#include "ExportRig.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/pbutils/pbutils.h>
#include <jpeglib.h>

#include <cmath>
#include <cstring>

#include "engine/ImageFixtures.h"
#include "music/AudioFixtures.h"

void WriteGradientJpeg(const QString& path, int width, int height, int hue) {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
      p[0] = static_cast<std::uint8_t>((hue * 80 + x * 128 / width) % 256);
      p[1] = static_cast<std::uint8_t>(64 + y * 128 / height);
      p[2] = static_cast<std::uint8_t>(200 - hue * 60);
    }
  ASSERT_TRUE(WriteFile(path, MakeJpeg(width, height, JCS_RGB, rgb, 95)));
}

ExportRig::ExportRig() {
  QDir().mkpath(dir.filePath("out"));
  library = std::make_unique<SlideshowLibrary>(dir.path() + QLatin1Char('/'), dialogs);
  library->LoadSlideshow(QString());
  SlideshowOptions& o = library->Options();
  o.ImgEffect = 0;
  o.SlideEffect = 0;
  o.Interval = 2;
  o.UseBGM = false;
}

QString ExportRig::AddPictureFolder(const QString& name, int count, int firstHue) {
  const QString folder = dir.filePath(name);
  QDir().mkpath(folder);
  for (int i = 0; i < count; ++i)
    WriteGradientJpeg(folder + QStringLiteral("/%1.jpg").arg(i, 2, 10, QLatin1Char('0')), 320, 240, firstHue + i);
  library->Folders().append(ListEntry{true, name, dir.path()});
  return folder;
}

QString ExportRig::AddTone(const QString& file, double seconds) {
  const QString path = dir.filePath(file);
  WriteWavTone(path.toStdString(), seconds, 22050);
  library->Bgms().append(ListEntry{true, file, dir.path()});
  library->Options().UseBGM = true;
  return path;
}

QStringList ExportRig::OutFiles() const {
  return QDir(dir.filePath("out")).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

MediaFacts Discover(const QString& path) {
  MediaFacts facts;
  gst_init(nullptr, nullptr);
  GError* error = nullptr;
  GstDiscoverer* discoverer = gst_discoverer_new(10 * GST_SECOND, &error);
  if (discoverer == nullptr) {
    facts.error = error ? error->message : "no discoverer";
    if (error) g_error_free(error);
    return facts;
  }
  gchar* uri = gst_filename_to_uri(path.toLocal8Bit().constData(), nullptr);
  GstDiscovererInfo* info = gst_discoverer_discover_uri(discoverer, uri, &error);
  g_free(uri);
  if (error != nullptr) {
    facts.error = error->message;
    g_error_free(error);
  }
  if (info != nullptr && gst_discoverer_info_get_result(info) == GST_DISCOVERER_OK) {
    facts.ok = true;
    facts.seconds = static_cast<double>(gst_discoverer_info_get_duration(info)) / GST_SECOND;
    GList* videos = gst_discoverer_info_get_video_streams(info);
    GList* audios = gst_discoverer_info_get_audio_streams(info);
    facts.videoStreams = static_cast<int>(g_list_length(videos));
    facts.audioStreams = static_cast<int>(g_list_length(audios));
    if (videos != nullptr) {
      auto* video = GST_DISCOVERER_VIDEO_INFO(videos->data);
      facts.width = static_cast<int>(gst_discoverer_video_info_get_width(video));
      facts.height = static_cast<int>(gst_discoverer_video_info_get_height(video));
    }
    gst_discoverer_stream_info_list_free(videos);
    gst_discoverer_stream_info_list_free(audios);
  }
  if (info != nullptr) g_object_unref(info);
  g_object_unref(discoverer);
  return facts;
}

FrameBitmap DecodeFrameAt(const QString& path, double seconds) {
  gst_init(nullptr, nullptr);
  const std::string description = "filesrc name=src ! decodebin ! videoconvert ! video/x-raw,format=BGR ! appsink name=sink sync=false";
  GstElement* pipeline = gst_parse_launch(description.c_str(), nullptr);
  GstElement* src = gst_bin_get_by_name(GST_BIN(pipeline), "src");
  g_object_set(src, "location", path.toLocal8Bit().constData(), nullptr);
  gst_object_unref(src);
  GstElement* sink = gst_bin_get_by_name(GST_BIN(pipeline), "sink");
  gst_element_set_state(pipeline, GST_STATE_PLAYING);
  FrameBitmap frame;
  const GstClockTime wanted = static_cast<GstClockTime>(seconds * GST_SECOND);
  // Every frame in turn: the last one that starts at or before `seconds`.
  while (GstSample* sample = gst_app_sink_try_pull_sample(GST_APP_SINK(sink), 5 * GST_SECOND)) {
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    const bool due = GST_BUFFER_PTS(buffer) <= wanted;
    if (due) {
      GstStructure* s = gst_caps_get_structure(gst_sample_get_caps(sample), 0);
      int width = 0, height = 0;
      gst_structure_get_int(s, "width", &width);
      gst_structure_get_int(s, "height", &height);
      frame.SetSize(width, height);
      GstMapInfo map;
      gst_buffer_map(buffer, &map, GST_MAP_READ);
      const int stride = (width * 3 + 3) & ~3;
      for (int y = 0; y < height; ++y) std::memcpy(frame.Row(y), map.data + static_cast<std::size_t>(y) * stride, frame.RowBytes());
      gst_buffer_unmap(buffer, &map);
    }
    gst_sample_unref(sample);
    if (!due) break;
  }
  gst_element_set_state(pipeline, GST_STATE_NULL);
  gst_object_unref(sink);
  gst_object_unref(pipeline);
  return frame;
}

double Psnr(const FrameBitmap& a, const FrameBitmap& b) {
  if (a.Width != b.Width || a.Height != b.Height || a.Pixels.empty()) return 0;
  double sum = 0;
  for (std::size_t i = 0; i < a.Pixels.size(); ++i) {
    const double d = static_cast<double>(a.Pixels[i]) - b.Pixels[i];
    sum += d * d;
  }
  const double mse = sum / static_cast<double>(a.Pixels.size());
  return mse == 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}
