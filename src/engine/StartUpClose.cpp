#include "engine/StartUpClose.h"

#include "library/SlideshowLibrary.h"
#include "platform/UserDialogs.h"

bool CloseSequence(SlideshowLibrary& library, AppSettings& settings, UserDialogs& dialogs, const CloseHooks& hooks) {
  dialogs.ProcessPendingMessages();
  if (hooks.StopSlideshowIfRunning) hooks.StopSlideshowIfRunning();

  if (library.Mode() == RunMode::CdMaking) {
    // A finished CD starts from the beginning.
    SlideshowOptions& options = library.Options();
    options.LastPlayName.clear();
    options.LastPlayDir.clear();
    options.LastPlayBGM.clear();
    if (hooks.FinishCdMaking && !hooks.FinishCdMaking()) return false;
  }

  if (library.Mode() != RunMode::CdPlay) {
    // A failed write has been reported; it must not keep the program open.
    library.SaveSlideshow();
    settings.Ver = kCurrentSettingsVersion;
    if (library.HasCurrentSlideshow()) settings.LastSlideShowName = library.CurrentName();
    WriteAppSettings(library.ProgramFolder(), settings, dialogs);
    library.SaveCatalog();
  }
  return true;
}
