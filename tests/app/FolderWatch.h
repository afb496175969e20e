#pragma once
// Watches every folder of a tree with inotify and reports what happened to
// the entries in it: opened, written, created, deleted, renamed, changed in
// mode or time. Catches any program, root included, whom file modes do not
// stop.
#include <QHash>
#include <QString>
#include <QStringList>

class FolderWatch {
 public:
  explicit FolderWatch(const QString& root);
  ~FolderWatch();
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

  bool IsValid() const { return fd_ >= 0; }
  // The events since the last call, as "OPEN path", "WRITE path", ... with
  // paths relative to the root.
  QStringList Drain();

 private:
  void AddTree(const QString& folder);

  QString root_;
  int fd_ = -1;
  QHash<int, QString> folders_;
};
