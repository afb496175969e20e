#pragma once
// A temporary program folder with one slideshow to export, built from
// generated pictures and tones, and the tools to look at what came out.
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "export/VideoEncoder.h"
#include "library/SlideshowLibrary.h"
#include "library/LibraryTestFiles.h"
#include "platform/UserDialogs.h"

class QuietDialogs final : public UserDialogs {
 public:
  void ShowInformation(const QString& t) override { messages << t; }
  void ShowError(const QString& t) override { messages << t; }
  bool AskYesNo(const QString&) override { return false; }
  void ProcessPendingMessages() override {}
  QStringList messages;
};

// A smooth picture of width x height in one hue, as a JPEG of good quality.
void WriteGradientJpeg(const QString& path, int width, int height, int hue);

struct ExportRig {
  ExportRig();
  // A folder row "name" holding `count` gradient pictures.
  QString AddPictureFolder(const QString& name, int count, int firstHue = 0);
  // A BGM row for a sine tone of the given length.
  QString AddTone(const QString& file, double seconds);
  QString Out(const QString& name) const { return dir.filePath(QStringLiteral("out/") + name); }
  // The files of the output folder (temporary ones included).
  QStringList OutFiles() const;

  QTemporaryDir dir;
  QuietDialogs dialogs;
  std::unique_ptr<SlideshowLibrary> library;
};

// What GStreamer's discoverer reports of a media file.
struct MediaFacts {
  bool ok = false;
  std::string error;
  int width = 0, height = 0;
  double seconds = 0;
  int videoStreams = 0, audioStreams = 0;
};
MediaFacts Discover(const QString& path);

// The decoded video frame shown at `seconds`, as BGR rows.
FrameBitmap DecodeFrameAt(const QString& path, double seconds);

double Psnr(const FrameBitmap& a, const FrameBitmap& b);

// An encoder that keeps no pictures, only what was pushed.
class CountingEncoder final : public VideoEncoder {
 public:
  bool Open(const VideoEncoderSettings& s) override {
    settings = s;
    ++opens;
    return true;
  }
  bool PushFrames(const FrameBitmap& frame, int count) override {
    frames += count;
    runs.push_back({frame.Pixels.empty() ? 0 : frame.Pixels[frame.Pixels.size() / 2], count});
    std::uint64_t hash = 1469598103934665603ull;  // FNV-1a over every byte
    for (std::uint8_t byte : frame.Pixels) hash = (hash ^ byte) * 1099511628211ull;
    hashes.push_back({hash, count});
    return failAfter < 0 || frames <= failAfter;
  }
  bool PushAudio(const std::int16_t*, int n) override {
    audioFrames += n;
    return true;
  }
  bool Finish() override { return true; }
  void Abort() override { ++aborts; }
  QString Error() const override { return QStringLiteral("No space left on device (write)"); }

  VideoEncoderSettings settings;
  int opens = 0, aborts = 0;
  long long frames = 0, audioFrames = 0, failAfter = -1;
  std::vector<std::pair<int, int>> runs;  // (a middle byte, frames) per push
  std::vector<std::pair<std::uint64_t, int>> hashes;  // (the whole picture's hash, frames) per push
};
