#pragma once
// The text of an Exif ASCII value. Cameras and editing programs write these
// fields as UTF-8 or, on Japanese systems, as Shift-JIS, whatever the type
// says; the bytes are read as UTF-8 when they are valid UTF-8 and as CP932
// otherwise. Control characters become blanks so that one value stays one line.
#include <QByteArray>
#include <QString>

QString ExifText(const QByteArray& bytes);
