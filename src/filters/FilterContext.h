#pragma once
// What a few filters read from the rest of the program.

struct FilterContext {
  int FrameMargin = 0;          // border width chosen for this image (filters 4, 8, 10)
  int ActiveTransition = 0;     // the transition in force (Increase leaves borders out)
  bool SlideshowRunning = false;  // any play state but idle
  int ScreenWidth = 0;          // the monitor the main window is on
  int ScreenHeight = 0;
  int UprightWidth = 0;         // the current image once upright (grid form of filter 9)
  int UprightHeight = 0;
  int IncFrame = 1;             // the Increase frame option (filter 10)
  bool operator==(const FilterContext&) const = default;
};
