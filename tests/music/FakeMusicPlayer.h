#pragma once
// A music player for rule tests: keeps the state the real one would report
// and records every call.
#include <string>
#include <vector>

#include "music/MusicPlayer.h"

class FakeMusicPlayer final : public MusicPlayer {
 public:
  void Load(const QString& path) override {
    calls.push_back("Load(" + path.toStdString() + ")");
    url_ = path;
    position = "";
    if (path.isEmpty()) state_ = PlayerState::Undefined;
    else state_ = autoStart ? PlayerState::Playing : PlayerState::Ready;
  }
  void Play() override {
    calls.push_back("Play");
    if (!url_.isEmpty()) state_ = PlayerState::Playing;
  }
  void Pause() override {
    calls.push_back("Pause");
    if (!url_.isEmpty()) state_ = PlayerState::Paused;
  }
  void Stop() override {
    calls.push_back("Stop");
    if (!url_.isEmpty()) state_ = PlayerState::Stopped;
  }
  void Close() override {
    calls.push_back("Close");
    url_.clear();
    state_ = PlayerState::Undefined;
  }
  PlayerState State() override { return state_; }
  QString PositionText() override { return position; }
  QString DurationText() override { return duration; }
  void SetVolume(int v) override {
    calls.push_back("SetVolume(" + std::to_string(v) + ")");
    volume = v;
  }
  QString Url() const override { return url_; }
  void SetAutoStart(bool on) override { autoStart = on; }

  // The track has played to its end.
  void EndTrack() { state_ = PlayerState::Stopped; }
  std::string LastLoaded() const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it)
      if (it->rfind("Load(", 0) == 0) return it->substr(5, it->size() - 6);
    return {};
  }

  std::vector<std::string> calls;
  bool autoStart = true;
  int volume = -1;
  QString position, duration;

 private:
  QString url_;
  PlayerState state_ = PlayerState::Undefined;
};
