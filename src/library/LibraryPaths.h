#pragma once
// Where the library keeps its files below the program folder.
#include <QString>

// ProgramFolder + "SlideShow/".
QString SlideshowRoot(const QString& programFolder);
// ProgramFolder + "SlideShow/" + name + "/".
QString SlideshowFolderPath(const QString& programFolder, const QString& name);
// ProgramFolder + "SlideShow/SlideShow.dat".
QString SlideshowCatalogPath(const QString& programFolder);
// ProgramFolder + "App.ini".
QString AppSettingsPath(const QString& programFolder);

inline const QString kSlideIniName = QStringLiteral("Slide.ini");
inline const QString kFolderListName = QStringLiteral("DIR.dat");
inline const QString kBgmListName = QStringLiteral("BGM.dat");
inline const QString kImageDataFolderName = QStringLiteral("IMG");
inline const QString kMusicDataFolderName = QStringLiteral("BGM");

// A name that can be a slideshow: not empty, not "." or "..", and without a
// path separator ('/' or '\'), so a slideshow never lies outside the library.
bool IsValidSlideshowName(const QString& name);
