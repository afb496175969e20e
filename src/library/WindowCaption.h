#pragma once
// The main window's title: a base per run mode, then the slideshow's name.
#include <QString>

#include "platform/RunMode.h"

// " Brinmora", " Brinmora - CD作成モード" or " Brinmora - CD再生モード"
// (the leading blank belongs to it).
QString CaptionBase(RunMode mode);
// CaptionBase + " [" + name + "]".
QString SlideshowCaption(RunMode mode, const QString& name);
// The application's title (task bar).
inline const QString kApplicationTitle = QStringLiteral("Brinmora");
