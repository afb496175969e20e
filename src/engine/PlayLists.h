#pragma once
// The three play lists of a running slideshow: absolute paths in play order,
// each with its zero-based index.
#include <QStringList>

struct PlayLists {
  QStringList FolderPlayList;  // the resolved folders of the marked folder rows
  int FolderPlayIndex = 0;     // the folder being shown
  QStringList ImagePlayList;   // the images of that folder, or of all folders (shuffle all)
  int CurrentImageIndex = 0;   // the image being shown
  QStringList BgmPlayList;     // the resolved files of the marked BGM rows
  int BgmPlayIndex = 0;        // the track to play
};
