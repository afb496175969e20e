#pragma once
// Lossless 8-bit RGB PNG output of a bitmap through libpng.
#include <QString>

#include "bitmap/FrameBitmap.h"

// Writes bitmap to path (through a temporary file renamed over it, so a
// failure never leaves half a file); on failure returns false with a reason.
bool WritePng(const FrameBitmap& bitmap, const QString& path, QString& error);
