#include "library/OptionControlStates.h"

#include "library/OptionItems.h"

OptionControlStates ComputeOptionControlStates(const SlideshowOptions& options) {
  OptionControlStates states;
  const bool allImagesShuffled = options.cbImg == kOrderLoopOrAll;
  states.FolderOrderEnabled = !allImagesShuffled;
  states.UseLimitEnabled = !allImagesShuffled;
  states.LimitNumEnabled = !allImagesShuffled && options.UseLimit;
  states.ChangeNumEnabled = options.TimingIdx != 1;
  return states;
}
