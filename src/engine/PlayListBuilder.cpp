#include "engine/PlayListBuilder.h"

#include <algorithm>

#include "engine/LoadingLabel.h"
#include "engine/PlayListTexts.h"
#include "engine/ProgressWindow.h"
#include "engine/ShuffleCopy.h"
#include "library/OptionItems.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/UserDialogs.h"

namespace {

bool StartsAtSelection(int order) { return order == kOrderFromSelected || order == kOrderLoopOrAll; }

// The resolved paths of the marked rows and the position, among them, of the
// selected row (-1 when none is noted or the order does not ask for it).
struct Collected {
  QStringList paths;
  int selected = -1;
};

template <typename Resolve>
Collected CollectMarked(const QList<ListEntry>& rows, const QList<int>& selectedRows, int order, Resolve resolve,
                        UserDialogs& dialogs) {
  Collected c;
  int marked = 0;
  for (int row = 0; row < rows.size(); ++row) {
    const ListEntry& entry = rows[row];
    if (entry.IsChecked) {
      c.paths << resolve(entry);
      if (StartsAtSelection(order)) {
        if (selectedRows.contains(row)) c.selected = marked;
        ++marked;
      }
    }
    dialogs.ProcessPendingMessages();
  }
  return c;
}

// Orders the collected paths into target; returns the start index.
int PlaceInOrder(const Collected& c, int order, QStringList& target, UserDialogs& dialogs) {
  target.clear();
  if (c.paths.size() == 1) {
    target = c.paths;
    return 0;
  }
  if (order == kOrderShuffle) {
    ShuffleCopy(c.paths, target, &dialogs);
    return 0;
  }
  target = c.paths;
  // No row noted (image order 3 does not check the folder selection): the first.
  return StartsAtSelection(order) && c.selected >= 0 ? c.selected : 0;
}

void Abandon(const QString& message, PlayListEnvironment& env) {
  if (env.Progress && env.Progress->IsShowing()) env.Progress->Close();
  env.Dialogs.ShowInformation(message);
}

}  // namespace

QString CheckListSelection(const QList<ListEntry>& rows, const QList<int>& selectedRows, const QString& prefix,
                           const QString& subject) {
  QString problem, hint;
  if (selectedRows.size() >= 2) {
    problem = subject + kManySelectedProblem;
    hint = kSelectOneHint;
  } else if (selectedRows.isEmpty() || selectedRows[0] < 0 || selectedRows[0] >= rows.size()) {
    problem = subject + kNoneSelectedProblem;
    hint = kSelectOneHint;
  } else if (!rows[selectedRows[0]].IsChecked) {
    problem = subject + kSelectedUncheckedProblem;
    hint = kCheckSelectedHint;
  } else {
    return QString();
  }
  return QStringLiteral("オプションの") + prefix + QStringLiteral("になっていますが") + QStringLiteral("\r") + problem +
         QStringLiteral("\r\r") + hint;
}

void BuildFolderPlayList(PlayLists& lists, const PlayListSources& s, PlayListEnvironment& env) {
  const Collected c = CollectMarked(
      s.Folders, s.SelectedFolderRows, s.FolderOrder,
      [&](const ListEntry& e) { return ResolveFolderEntryPath(e, s.SlideshowFolder); }, env.Dialogs);
  lists.FolderPlayIndex = PlaceInOrder(c, s.FolderOrder, lists.FolderPlayList, env.Dialogs);
}

void BuildBgmPlayList(PlayLists& lists, const PlayListSources& s, PlayListEnvironment& env) {
  const Collected c = CollectMarked(
      s.Bgms, s.SelectedBgmRows, s.MusicOrder,
      [&](const ListEntry& e) { return ResolveBgmEntryPath(e, s.SlideshowFolder); }, env.Dialogs);
  lists.BgmPlayIndex = PlaceInOrder(c, s.MusicOrder, lists.BgmPlayList, env.Dialogs);
}

void BuildImagePlayList(PlayLists& lists, int imageOrder, PlayListEnvironment& env) {
  if (lists.FolderPlayList.isEmpty()) return;
  lists.ImagePlayList.clear();
  lists.CurrentImageIndex = 0;
  if (imageOrder == kOrderLoopOrAll) {
    QStringList all;
    for (const QString& folder : lists.FolderPlayList) {
      all << ListFolderImages(folder, FolderContent::Images);
      env.Dialogs.ProcessPendingMessages();
    }
    if (!all.isEmpty()) ShuffleCopy(all, lists.ImagePlayList, &env.Dialogs);
    return;
  }
  const int index = lists.FolderPlayIndex;
  const QStringList images = index >= 0 && index < lists.FolderPlayList.size()
                                 ? ListFolderImages(lists.FolderPlayList[index], FolderContent::Images)
                                 : QStringList();
  if (!images.isEmpty()) {
    if (imageOrder == kOrderShuffle) ShuffleCopy(images, lists.ImagePlayList, &env.Dialogs);
    else lists.ImagePlayList = images;
    return;
  }
  if (env.DisplayShowing && env.DisplayShowing() && env.NextFolder) env.NextFolder();
}

bool StartPlayLists(PlayLists& lists, const PlayListSources& s, PlayListEnvironment& env) {
  if (s.Folders.isEmpty()) return false;
  bool anyMarked = false;
  for (const ListEntry& e : s.Folders) anyMarked = anyMarked || e.IsChecked;
  if (!anyMarked) {
    Abandon(kNoMarkedFolderText, env);
    return false;
  }
  env.Dialogs.ProcessPendingMessages();
  if (env.Progress) env.Progress->Open(kListProgressTitle, kBgmListProgressText, false);

  lists.BgmPlayList.clear();
  lists.BgmPlayIndex = 0;
  if (s.UseBgm && !s.Bgms.isEmpty()) {
    if (StartsAtSelection(s.MusicOrder)) {
      const QString prefix = s.MusicOrder == kOrderFromSelected ? kBgmFromSelectedPrefix : kBgmLoopPrefix;
      const QString problem = CheckListSelection(s.Bgms, s.SelectedBgmRows, prefix, kBgmListSubject);
      if (!problem.isEmpty()) {
        Abandon(problem, env);
        return false;
      }
    }
    BuildBgmPlayList(lists, s, env);
  }

  if (env.Progress) env.Progress->SetText(kImageListProgressText);
  if (s.ImageOrder != kOrderLoopOrAll && StartsAtSelection(s.FolderOrder)) {
    const QString prefix = s.FolderOrder == kOrderFromSelected ? kFolderFromSelectedPrefix : kFolderLoopPrefix;
    const QString problem = CheckListSelection(s.Folders, s.SelectedFolderRows, prefix, kFolderListSubject);
    if (!problem.isEmpty()) {
      Abandon(problem, env);
      return false;
    }
  }
  BuildFolderPlayList(lists, s, env);
  const int savedImageIndex = s.PreviewImageIndex;
  if (!StartsAtSelection(s.FolderOrder)) lists.FolderPlayIndex = 0;
  BuildImagePlayList(lists, s.ImageOrder, env);
  lists.CurrentImageIndex = 0;
  if (StartsAtSelection(s.FolderOrder) && s.ImageOrder == kOrderFromSelected && !lists.ImagePlayList.isEmpty()) {
    // The preview may have shown a longer folder: start at this one's last image then.
    lists.CurrentImageIndex = std::clamp(savedImageIndex, 0, static_cast<int>(lists.ImagePlayList.size()) - 1);
  }
  if (env.Progress) env.Progress->Close();
  return true;
}

void ReshuffleAllImages(PlayLists& lists, LoadingLabel& label, UserDialogs& dialogs) {
  const QString saved = label.Text();
  label.SetText(kMakingListText);
  label.Enlarge(10, 10);
  label.CentreOnMonitor();
  label.Show();
  const QStringList images = lists.ImagePlayList;
  lists.ImagePlayList.clear();
  ShuffleCopy(images, lists.ImagePlayList, &dialogs);
  label.Hide();
  label.SetText(saved);
  label.Enlarge(10, 10);
  label.CentreOnMonitor();
}

QString PeekFirstBuiltImage(const PlayLists& lists, int folderIndex, int imageOrder) {
  if (imageOrder == kOrderLoopOrAll || folderIndex < 0 || folderIndex >= lists.FolderPlayList.size()) return {};
  const QStringList images = ListFolderImages(lists.FolderPlayList[folderIndex], FolderContent::Images);
  if (images.isEmpty()) return {};
  // ShuffleCopy's first draw picks the first image of a shuffled list.
  return images.at(imageOrder == kOrderShuffle ? PeekRandom(static_cast<int>(images.size())) : 0);
}

QString PeekFirstReshuffledImage(const PlayLists& lists) {
  if (lists.ImagePlayList.isEmpty()) return {};
  return lists.ImagePlayList.at(PeekRandom(static_cast<int>(lists.ImagePlayList.size())));
}
