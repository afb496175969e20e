#include "engine/ReadOrientation.h"

#include "display/ExifInfo.h"

int ReadOrientation(TExifInfo& reader, const QString& path) {
  if (!reader.IsExifJpeg(path)) return 0;
  int orientation = 1;
  try {
    reader.SetImageFileName(path);
    orientation = reader.Orientation();
  } catch (const EExifError&) {
    return 0;  // metadata failures are silent
  }
  switch (orientation) {
    case 3: return 180;
    case 6: return 90;
    case 8: return 270;
    default: return 0;
  }
}
