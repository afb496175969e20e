#pragma once
// The screen the engine shows for an image file.
#include <QString>

#include "engine/FittedImage.h"

// Decodes path, turns it upright by its Exif orientation, fits and filters
// it as layout says and centres it on the background, as a running slideshow
// does. Throws ImageError when the file cannot be decoded.
FrameBitmap ComposeFileScreen(const QString& path, const ScreenLayout& layout);
