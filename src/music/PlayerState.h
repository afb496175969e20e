#pragma once
// The play state of the music player. The numbers are those the media player
// reports; the program itself only tests Stopped, Paused, Playing and Ready,
// the others are transient states of the player.
enum class PlayerState {
  Undefined = 0,  // nothing loaded yet, or closed
  Stopped = 1,    // also reached by itself when a track has played to its end
  Paused = 2,
  Playing = 3,
  ScanForward = 4,
  ScanReverse = 5,
  Buffering = 6,
  Waiting = 7,
  MediaEnded = 8,
  Transitioning = 9,
  Ready = 10,  // a file is loaded and not started
  Reconnecting = 11,
};
