#pragma once
// Building the play lists at the start of a slideshow and at each folder
// change, in the folder, image and music orders of the options.
#include <QList>
#include <QString>
#include <functional>

#include "engine/PlayLists.h"
#include "library/ListEntry.h"

class LoadingLabel;
class ProgressWindow;
class UserDialogs;

// What the lists are built from: the current slideshow's lists and orders
// and the rows selected in the options panel.
struct PlayListSources {
  FolderList Folders;
  BgmList Bgms;
  QList<int> SelectedFolderRows;  // list rows selected in the folder list
  QList<int> SelectedBgmRows;
  int FolderOrder = 0;  // cbDir
  int ImageOrder = 0;   // cbImg
  int MusicOrder = 0;   // cbBGM
  bool UseBgm = true;
  QString SlideshowFolder;     // holds the data folders (with a trailing separator)
  int PreviewImageIndex = 0;   // the image the preview shows
};

// The outside the builders talk to.
struct PlayListEnvironment {
  UserDialogs& Dialogs;
  ProgressWindow* Progress = nullptr;
  // Whether the display window is showing, and the next-folder command that
  // skips a folder without images while it is.
  std::function<bool()> DisplayShowing;
  std::function<void()> NextFolder;
};

// The selection check of a list for the orders "from the selected row" and
// "loop": empty when exactly one row is selected and it is marked, else the
// message to show.
QString CheckListSelection(const QList<ListEntry>& rows, const QList<int>& selectedRows, const QString& prefix,
                           const QString& subject);

// The start-time checks and the three builders. False when nothing starts
// (an empty folder list: silently; otherwise after an information message).
bool StartPlayLists(PlayLists& lists, const PlayListSources& sources, PlayListEnvironment& env);

void BuildFolderPlayList(PlayLists& lists, const PlayListSources& sources, PlayListEnvironment& env);
void BuildBgmPlayList(PlayLists& lists, const PlayListSources& sources, PlayListEnvironment& env);
// Rebuilds ImagePlayList for the folder at FolderPlayIndex (or from every
// folder for image order 3) and sets CurrentImageIndex to 0. A folder
// without images hands over to the next-folder command while the display
// shows; before that the list is left empty.
void BuildImagePlayList(PlayLists& lists, int imageOrder, PlayListEnvironment& env);

// End of the all-images list: the same images shuffled again, with the
// loading label showing "Making List..." meanwhile.
void ReshuffleAllImages(PlayLists& lists, LoadingLabel& label, UserDialogs& dialogs);

// The image BuildImagePlayList would put first for the folder at folderIndex
// if it ran now (for image orders 0 to 2), and the image ReshuffleAllImages
// would put first: what the slide after a pass shows, so that it can be
// decoded ahead. Neither draws a random number. Empty when not known.
QString PeekFirstBuiltImage(const PlayLists& lists, int folderIndex, int imageOrder);
QString PeekFirstReshuffledImage(const PlayLists& lists);
