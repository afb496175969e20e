#pragma once
// MusicPlayer on a GStreamer playbin. The pipeline's bus is polled whenever
// the program asks for the state, position or duration, so everything runs
// on the caller's thread (the 100 ms timers drive it); GStreamer's own
// streaming threads are the only other threads.
#include <functional>
#include <set>

#include "music/MusicPlayer.h"

typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;

class GstMusicPlayer final : public MusicPlayer {
 public:
  enum class AudioOutput {
    System,  // the desktop's sound output (autoaudiosink)
    Null,    // a sink that keeps real time but plays nothing (tests, headless runs)
  };
  // Called once per file that the pipeline fails to play, with the file and
  // GStreamer's description of the failure.
  using ErrorHandler = std::function<void(const QString& path, const QString& detail)>;

  explicit GstMusicPlayer(ErrorHandler onError, AudioOutput output = AudioOutput::System);
  ~GstMusicPlayer() override;
  GstMusicPlayer(const GstMusicPlayer&) = delete;
  GstMusicPlayer& operator=(const GstMusicPlayer&) = delete;

  void Load(const QString& path) override;
  void Play() override;
  void Pause() override;
  void Stop() override;
  void Close() override;
  PlayerState State() override;
  QString PositionText() override;
  QString DurationText() override;
  void SetVolume(int volume) override;
  QString Url() const override { return url_; }
  void SetAutoStart(bool on) override { autoStart_ = on; }

  int Volume() const { return volume_; }

 private:
  void PollBus();
  void HandleMessage(GstMessage* message);
  void ReportFailure(const QString& detail);
  void ApplyVolume();
  void CacheDuration();
  void ToState(int gstState);

  ErrorHandler onError_;
  GstElement* playbin_ = nullptr;
  QString url_;
  PlayerState state_ = PlayerState::Undefined;
  bool autoStart_ = true;
  int volume_ = 50;
  QString durationText_;
  std::set<QString> reportedFiles_;  // a broken file is reported only once
  bool reporting_ = false;
};

// "mm:ss" for a time in nanoseconds; minutes are not limited to two digits.
QString FormatPlayTime(long long nanoseconds);
