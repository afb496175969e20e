#include "platform/Paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace {

QString TrimTrailing(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && text[end - 1].unicode() <= 32) --end;
  return text.left(end);
}

QString UpperExtension(const QString& p) {
  const QString name = NamePart(p);
  const qsizetype dot = name.lastIndexOf(u'.');
  return dot < 0 ? QString() : name.mid(dot).toUpper();
}

bool MatchesKind(const QString& path, FolderContent kind) {
  return kind == FolderContent::Images ? IsImageFile(path) : IsMusicFile(path);
}

// Calls visit with the full path of every non-folder entry directly in
// folder until it returns false.
template <typename Visit>
void ForEachFileEntry(const QString& folder, Visit visit) {
  QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  while (it.hasNext()) {
    if (!visit(it.next())) return;
  }
}

}  // namespace

QString NamePart(const QString& p) {
  const qsizetype slash = p.lastIndexOf(kPathSeparator);
  return slash < 0 ? p : p.mid(slash + 1);
}

QString ParentPart(const QString& p) {
  const qsizetype slash = p.lastIndexOf(kPathSeparator);
  if (slash < 0) return QString();
  if (slash == 0) return QString(kPathSeparator);
  return p.left(slash);
}

QString JoinPath(const QString& folder, const QString& name) {
  const QString f = TrimTrailing(folder);
  const QString n = TrimTrailing(name);
  if (f.endsWith(kPathSeparator)) return f + n;
  return f + kPathSeparator + n;
}

QString WithTrailingSeparator(const QString& p) {
  return p.endsWith(kPathSeparator) ? p : p + kPathSeparator;
}

QString WithoutTrailingSeparator(const QString& p) {
  QString result = p;
  while (result.size() > 1 && result.endsWith(kPathSeparator)) result.chop(1);
  return result;
}

bool HasDrivePart(const QString& p) {
  if (p.startsWith(kPathSeparator)) return true;
  if (p.startsWith(QStringLiteral("\\\\"))) return true;
  return p.size() >= 2 && p[1] == u':' && p[0].unicode() < 128 && p[0].isLetter();
}

bool IsImageFile(const QString& p) {
  static const QStringList kExtensions = {QStringLiteral(".JPG"), QStringLiteral(".JPEG"),
                                          QStringLiteral(".JPE"), QStringLiteral(".BMP"),
                                          QStringLiteral(".GIF"), QStringLiteral(".PNG")};
  return kExtensions.contains(UpperExtension(p));
}

bool IsMusicFile(const QString& p) {
  static const QStringList kExtensions = {QStringLiteral(".MP3"), QStringLiteral(".MID"),
                                          QStringLiteral(".WAV"), QStringLiteral(".WMA")};
  return kExtensions.contains(UpperExtension(p));
}

QStringList ListFolderImages(const QString& folder, FolderContent kind) {
  QStringList found;
  if (kind != FolderContent::Images && kind != FolderContent::Music) return found;
  ForEachFileEntry(WithTrailingSeparator(folder), [&](const QString& path) {
    if (MatchesKind(path, kind)) found.append(path);
    return true;
  });
  // Letter case ignored; names equal but for case keep a fixed order.
  std::stable_sort(found.begin(), found.end(), [](const QString& a, const QString& b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
  });
  return found;
}

bool FolderHasImages(const QString& folder, FolderContent kind) {
  if (kind != FolderContent::Images && kind != FolderContent::Music) return false;
  bool found = false;
  ForEachFileEntry(WithTrailingSeparator(folder), [&](const QString& path) {
    found = MatchesKind(path, kind);
    return !found;
  });
  return found;
}

bool FolderExists(const QString& p) {
  if (p.isEmpty()) return false;
  return QFileInfo(p).isDir();
}

bool FileExists(const QString& p) {
  if (p.isEmpty()) return false;
  const QFileInfo info(p);
  return info.exists() && !info.isDir();
}

bool CreateFolder(const QString& p) {
  if (p.isEmpty()) return false;
  return QDir().mkpath(p) && FolderExists(p);
}
