#include "FolderWatch.h"

#include <QDirIterator>
#include <QFile>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

constexpr uint32_t kWriteEvents = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE | IN_MOVED_FROM |
                                  IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;

}  // namespace

FolderWatch::FolderWatch(const QString& root) : root_(root), fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
  if (fd_ < 0) return;
  AddTree(root);
}

FolderWatch::~FolderWatch() {
  if (fd_ >= 0) ::close(fd_);
}

void FolderWatch::AddTree(const QString& folder) {
  const int wd = inotify_add_watch(fd_, QFile::encodeName(folder).constData(), kWriteEvents | IN_OPEN);
  if (wd >= 0) folders_.insert(wd, folder);
  QDirIterator it(folder, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
  while (it.hasNext()) AddTree(it.next());
}

QStringList FolderWatch::Drain() {
  QStringList events;
  alignas(inotify_event) char buffer[64 * 1024];
  while (true) {
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n <= 0) break;
    for (ssize_t at = 0; at < n;) {
      const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
      QString path = folders_.value(e->wd).mid(root_.size());
      if (e->len > 0) path += u'/' + QFile::decodeName(e->name);
      if (path.startsWith(u'/')) path.remove(0, 1);
      if (e->mask & IN_OPEN) events.append(QStringLiteral("OPEN ") + path);
      if (e->mask & kWriteEvents) events.append(QStringLiteral("WRITE ") + path);
      at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
    }
  }
  return events;
}
