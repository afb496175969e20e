#pragma once
// "オプションのリセット": every option of the current slideshow back to its
// default, with the three start-up settings of the options panel. The lists
// and the resume point stay as they are.
#include <QString>
#include <functional>

#include "library/AppSettings.h"
#include "library/SlideshowOptions.h"

class SlideshowLibrary;
class UserDialogs;

extern const QString kResetOptionsQuestion;
extern const QString kResetOptionsDone;

// options with every field at its default except the resume point.
void ResetOptionsToDefaults(SlideshowOptions& options);
// Start playing at start-up off, screen saver suppression on, volume 50.
void ResetPanelAppSettings(AppSettings& settings);

// Asks first (OK/Cancel); on OK resets the options and settings, lets
// showReset bring the controls, the colours and the player up to date,
// rebuilds the current folder's images (and so the preview) and says so.
// False when the user cancelled.
bool ResetAllOptions(SlideshowLibrary& library, AppSettings& settings, UserDialogs& dialogs,
                     const std::function<void()>& showReset);
