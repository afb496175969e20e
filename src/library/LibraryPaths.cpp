#include "library/LibraryPaths.h"

QString SlideshowRoot(const QString& programFolder) { return programFolder + QStringLiteral("SlideShow/"); }

QString SlideshowFolderPath(const QString& programFolder, const QString& name) {
  return SlideshowRoot(programFolder) + name + u'/';
}

QString SlideshowCatalogPath(const QString& programFolder) {
  return SlideshowRoot(programFolder) + QStringLiteral("SlideShow.dat");
}

QString AppSettingsPath(const QString& programFolder) { return programFolder + QStringLiteral("App.ini"); }

bool IsValidSlideshowName(const QString& name) {
  if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..")) return false;
  return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0));
}
