#pragma once
// The lines of the Exif box of the display window.
#include <QStringList>

#include "display/ExifInfo.h"

// Reads file with reader and returns its Exif box lines: the file name and
// the image size, then one line per tag present. When no tag line exists the
// list is empty and the box is not shown. The reader's OnError decides
// whether reading errors raise; the box's caller silences them.
QStringList BuildExifLines(TExifInfo& reader, const QString& file);
// The same lines from a reader that has already read the file named fileName.
QStringList ExifLinesOfReader(TExifInfo& reader, const QString& fileName);
