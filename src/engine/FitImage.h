#pragma once
// The size a picture is scaled to so that it fills the monitor inside the
// frame margin, enlarged as well as reduced, keeping its proportions.

struct FitResult {
  int Width = 0;
  int Height = 0;
  double Scale = 0;  // the last scale computed; chooses the resampler
};

// uprightWidth x uprightHeight: the picture once turned upright; the monitor
// is monitorWidth x monitorHeight; margin is kept free on every side.
FitResult FitImage(int uprightWidth, int uprightHeight, int monitorWidth, int monitorHeight, int margin);
