#pragma once
// The clockwise turn (0, 90, 180 or 270) that shows a picture upright, from
// the Orientation tag of its Exif data. Mirrored values and files without
// Exif give 0.
#include <QString>

class TExifInfo;

int ReadOrientation(TExifInfo& reader, const QString& path);
