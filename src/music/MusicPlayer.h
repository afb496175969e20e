#pragma once
// The media player as the music rules see it. The running program plays
// through GStreamer (GstMusicPlayer); rule tests use FakeMusicPlayer.
// The player plays on its own; the program only calls these operations and
// polls State().
#include <QString>

#include "music/PlayerState.h"

class MusicPlayer {
 public:
  virtual ~MusicPlayer() = default;
  // Opens the file; with auto-start on it begins to play at once, otherwise
  // it is Ready. Load("") unloads.
  virtual void Load(const QString& path) = 0;
  // Starts or resumes the loaded file.
  virtual void Play() = 0;
  // Pauses at the current position.
  virtual void Pause() = 0;
  virtual void Stop() = 0;
  // Releases the file; the state leaves Playing, Paused and Stopped.
  virtual void Close() = 0;
  // Becomes Stopped by itself when a track has played to its end.
  virtual PlayerState State() = 0;
  // The play position and the track length as "mm:ss", empty when unknown.
  virtual QString PositionText() = 0;
  virtual QString DurationText() = 0;
  // 0..100; values outside are clamped.
  virtual void SetVolume(int volume) = 0;
  // The loaded file; empty when nothing is loaded.
  virtual QString Url() const = 0;
  // Whether Load starts playing. On when the player is created; loading a
  // slideshow switches it off.
  virtual void SetAutoStart(bool on) = 0;
};
