#pragma once
// The state of the slideshow, one per process.
enum class PlayState : int {
  Idle = 0,      // no slideshow; the display window is hidden
  Starting = 1,  // a start or resume is in progress
  Playing = 2,   // the slide timer runs
  Paused = 3,    // the slide timer is off; images can be stepped by hand
};
