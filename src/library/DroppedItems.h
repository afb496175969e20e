#pragma once
// Files and folders dropped on the main window from a file manager, sorted
// into picture folders and music files. Dropping only reads: nothing in the
// dropped folders changes.
#include <QString>
#include <QStringList>

class UserDialogs;

struct DroppedItems {
  QStringList ImageFolders;  // paths without trailing separator, in list order
  QStringList MusicFiles;
};

// Dropped paths longer than this are ignored.
inline constexpr int kMaxDroppedPathLength = 260;

// A dropped folder brings itself and every folder below it; a dropped image
// file brings its folder; a dropped music file itself. Each collected folder
// then keeps its place only when it holds images directly, and gives its
// music files (in name order, before the music dropped as files); a folder
// with music and the artwork file artName feeds only the music list.
// Symbolic links to folders are followed once (a link loop ends), folders
// that cannot be read are skipped. Pending messages are processed between
// folders when dialogs is given.
DroppedItems CollectDroppedItems(const QStringList& droppedPaths, const QString& artName,
                                 UserDialogs* dialogs = nullptr);
