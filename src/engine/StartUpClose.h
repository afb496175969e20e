#pragma once
// Closing the main window: stop what runs, finish CD making in that mode,
// then save the current slideshow, App.ini and SlideShow.dat (never in
// CD-play mode, whose medium is read-only).
#include <functional>

#include "library/AppSettings.h"

class SlideshowLibrary;
class UserDialogs;

struct CloseHooks {
  // Step 2: stop a playing or paused slideshow (records the resume point).
  std::function<void()> StopSlideshowIfRunning;
  // Step 3 in CD-making mode: the finishing dialog and checks; false refuses
  // closing. Unset counts as true.
  std::function<bool()> FinishCdMaking;
};

// True when the window may close. Settings are written with Ver "1.3" and the
// current slideshow's name as LastSlideShowName.
bool CloseSequence(SlideshowLibrary& library, AppSettings& settings, UserDialogs& dialogs,
                   const CloseHooks& hooks);
