#pragma once
// Moves the options of the current slideshow between SlideshowOptions and
// the option controls, and keeps the controls' enabled states in step.
#include "library/AppSettings.h"
#include "library/SlideshowOptions.h"
#include "ui/OptionControls.h"

// Every control shows options; the enabled states follow.
void ShowOptions(OptionControls& controls, const SlideshowOptions& options);
// Writes what the controls show into options. Fields the controls do not
// show (the resume point) keep their values.
void CollectOptions(const OptionControls& controls, SlideshowOptions& options);

// The two start-up check boxes of the environment tab.
void ShowAppOptions(OptionControls& controls, const AppSettings& settings);
void CollectAppOptions(const OptionControls& controls, AppSettings& settings);

// Enables or disables the order, limit and change-count controls for what
// the controls show now.
void ApplyOptionControlStates(OptionControls& controls);

// The swatch shows the colour of the selected colour item.
void ShowSelectedColour(OptionControls& controls);
