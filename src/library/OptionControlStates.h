#pragma once
// Which option controls are enabled for a set of options: the window applies
// this after reading options and whenever cbImg, UseLimit or TimingIdx change.
#include "library/SlideshowOptions.h"

struct OptionControlStates {
  bool FolderOrderEnabled = true;   // cbDir
  bool UseLimitEnabled = true;      // chkUseLimit
  bool LimitNumEnabled = false;     // udLimitNum with its edit and unit label
  bool ChangeNumEnabled = true;     // udChangeNum with its edit and labels
};

OptionControlStates ComputeOptionControlStates(const SlideshowOptions& options);
