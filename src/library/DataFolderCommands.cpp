#include "library/DataFolderCommands.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "engine/ProgressWindow.h"
#include "library/DataFolderFiles.h"
#include "library/DataFolderTexts.h"
#include "library/LibraryPaths.h"
#include "library/LibraryTexts.h"
#include "library/SlideshowLibrary.h"
#include "library/SlideshowLibraryView.h"
#include "platform/Paths.h"
#include "platform/UserDialogs.h"

namespace {

enum class Outcome { Done, Skipped, Failed };

// Bar units per item: a folder of many pictures moves the bar picture by
// picture; an item that is done fills its share.
constexpr int kBarUnitsPerItem = 100;

// The items of one command run: the selected rows in list order, the path
// each acts on, and what became of it.
struct Items {
  QList<int> Rows;
  QList<ListEntry> Entries;  // the rows as they were when the command began
  QString Slideshow;
  QStringList Paths;
  QList<Outcome> Outcomes;
  int ArtworkCopied = 0;

  // Messages run while files are copied; the list may have changed meanwhile
  // (another slideshow loaded). Only rows that are still the same are touched.
  bool StillThere(qsizetype i, const QList<ListEntry>& rows, const QString& slideshow) const {
    return slideshow == Slideshow && Rows[i] < rows.size() && rows[Rows[i]] == Entries[i];
  }

  bool AllDone() const { return std::all_of(Outcomes.begin(), Outcomes.end(), [](Outcome o) { return o == Outcome::Done; }); }
};

QList<int> SortedValidRows(const QList<int>& rows, qsizetype count) {
  QList<int> sorted;
  for (int row : rows) {
    if (row >= 0 && row < count && !sorted.contains(row)) sorted.append(row);
  }
  std::sort(sorted.begin(), sorted.end());
  return sorted;
}

QString Count(qsizetype n) { return QString::number(n); }

// The paths of the items with the given outcome, one per line.
QString Section(const Items& items, Outcome outcome, const QString& text) {
  QStringList paths;
  for (qsizetype i = 0; i < items.Paths.size(); ++i) {
    if (items.Outcomes[i] == outcome) paths.append(items.Paths[i]);
  }
  if (paths.isEmpty()) return QString();
  return QStringLiteral("\r下記の") + Count(paths.size()) + text + QStringLiteral("\r\r") +
         paths.join(u'\r') + u'\r';
}

QString Summary(const Items& items, const DataFolderCommandTexts& texts) {
  const QString n = Count(items.Rows.size());
  QString text = kDataFolderHeader + n;
  if (items.AllDone()) {
    text += texts.Completion;
  } else {
    text += texts.PartialOpening + Section(items, Outcome::Done, texts.DoneText) +
            Section(items, Outcome::Skipped, texts.SkippedText) + Section(items, Outcome::Failed, texts.FailedText);
  }
  if (items.ArtworkCopied > 0) text += ArtworkCopiedText(items.ArtworkCopied);
  return text;
}

// The place a delete acts on must lie inside the data folder; a list row
// never leads out of it, and this makes sure of that.
bool LiesInside(const QString& path, const QString& folder) {
  const QString clean = QDir::cleanPath(path);
  const QString base = QDir::cleanPath(folder) + u'/';
  return clean.startsWith(base) && clean.size() > base.size();
}

// A plain file name: the artwork name must not lead out of the folders.
bool IsPlainFileName(const QString& name) {
  return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..") && !name.contains(u'/') &&
         !name.contains(u'\\');
}

}  // namespace

bool IsDataFolderRow(DataListKind kind, const ListEntry& entry) {
  const QString location = TrimTrailingBlanks(entry.Location);
  return kind == DataListKind::Folders ? location == kDataFolderMarker : location.startsWith(kDataFolderMarker);
}

DataFolderCommands::DataFolderCommands(SlideshowLibrary& library, UserDialogs& dialogs, SlideshowLibraryView* view,
                                       ProgressWindow* progress)
    : library_(library), dialogs_(dialogs), view_(view), progress_(progress) {}

QString DataFolderCommands::DataFolderPath(DataListKind kind) const {
  return library_.CurrentSlideshowFolder() +
         (kind == DataListKind::Folders ? kImageDataFolderName : kMusicDataFolderName) + kPathSeparator;
}

QList<ListEntry>& DataFolderCommands::Rows(DataListKind kind) {
  return kind == DataListKind::Folders ? library_.Folders() : library_.Bgms();
}

void DataFolderCommands::RefreshList(DataListKind kind) {
  if (!view_) return;
  if (kind == DataListKind::Folders) {
    view_->FolderListChanged();
  } else {
    view_->BgmListChanged();
  }
}

void DataFolderCommands::MakeRowCurrent(DataListKind kind, int row) {
  if (kind == DataListKind::Music) {
    library_.SetCurrentBgmIndex(row);
    return;
  }
  library_.SetCurrentFolderIndex(row);
  if (row < 0) {
    library_.BuildCurrentFolderImages();
    if (view_) view_->ShowStartHint(kStartHintText);
    return;
  }
  library_.BuildCurrentFolderImages();
}

void DataFolderCommands::CopyToDataFolder(DataListKind kind, const ListSelection& selection) {
  QList<ListEntry>& rows = Rows(kind);
  Items items;
  items.Rows = SortedValidRows(selection.Rows, rows.size());
  if (busy_ || items.Rows.isEmpty() || selection.Focused < 0) return;
  items.Slideshow = library_.CurrentName();
  for (int row : items.Rows) items.Entries.append(rows[row]);
  for (int row : items.Rows) items.Paths.append(JoinPath(rows[row].Location, rows[row].Name));

  const bool folders = kind == DataListKind::Folders;
  const DataFolderCommandTexts texts = folders ? CopyFoldersTexts() : CopyMusicTexts();
  const QString n = Count(items.Rows.size());
  if (!dialogs_.AskYesNo(kDataFolderHeader + n + texts.Announcement + u'\r' + kCopyAlsoChangesListText + u'\r' +
                         u'\r' + kAskProceedText))
    return;

  busy_ = true;
  const QString dataFolder = DataFolderPath(kind);
  const QString artName = library_.Options().ArtName;
  if (progress_) {
    progress_->Open(kDataFolderCaption, kCopyingText, true);
    progress_->SetBarMaximum(static_cast<int>(items.Rows.size()) * kBarUnitsPerItem);
  }
  for (qsizetype i = 0; i < items.Paths.size(); ++i) {
    const int barStart = static_cast<int>(i) * kBarUnitsPerItem;
    const auto onImageCopied = [this, barStart](int copied, int total) {
      if (progress_ && total > 0) progress_->SetBarValue(barStart + copied * (kBarUnitsPerItem - 1) / total);
    };
    if (progress_) progress_->SetText(kCopyingText + QStringLiteral("(%1/%2)").arg(i + 1).arg(n));
    const QString& path = items.Paths[i];
    Outcome outcome = Outcome::Failed;
    if (folders) {
      const QString target = dataFolder + NamePart(path);
      if (FolderExists(target)) {
        outcome = Outcome::Skipped;
      } else if (CopyFolderImages(path, target, dialogs_, onImageCopied)) {
        outcome = Outcome::Done;
      }
    } else {
      const QString sourceFolder = ParentPart(path);
      const QString targetFolder = dataFolder + NamePart(sourceFolder);
      const QString target = WithTrailingSeparator(targetFolder) + NamePart(path);
      if (QFileInfo::exists(target)) {
        outcome = Outcome::Skipped;
      } else if (CopyOneFile(path, target, dialogs_)) {
        outcome = Outcome::Done;
        // The album picture travels with its music.
        if (IsPlainFileName(artName)) {
          const QString art = JoinPath(sourceFolder, artName);
          const QString artTarget = WithTrailingSeparator(targetFolder) + artName;
          if (FileExists(art) && !QFileInfo::exists(artTarget) && CopyOneFile(art, artTarget, dialogs_))
            ++items.ArtworkCopied;
        }
      }
    }
    if (progress_) progress_->SetBarValue(barStart + (outcome == Outcome::Done ? kBarUnitsPerItem : 0));
    items.Outcomes.append(outcome);
    dialogs_.ProcessPendingMessages();
  }
  if (progress_) progress_->Close();

  for (qsizetype i = 0; i < items.Rows.size(); ++i) {
    if (items.Outcomes[i] == Outcome::Failed || !items.StillThere(i, rows, library_.CurrentName())) continue;
    ListEntry& entry = rows[items.Rows[i]];
    entry.Location = folders ? kDataFolderMarker
                             : kDataFolderMarker + u'\\' + NamePart(TrimTrailingBlanks(entry.Location));
  }
  RefreshList(kind);
  // The current folder row may now lie in the data folder: its images too.
  if (folders) library_.BuildCurrentFolderImages();
  busy_ = false;
  dialogs_.ShowInformation(Summary(items, texts));
}

void DataFolderCommands::DeleteFromDataFolder(DataListKind kind, const ListSelection& selection) {
  QList<ListEntry>& rows = Rows(kind);
  Items items;
  items.Rows = SortedValidRows(selection.Rows, rows.size());
  if (busy_ || items.Rows.isEmpty() || selection.Focused < 0) return;
  items.Slideshow = library_.CurrentName();
  for (int row : items.Rows) items.Entries.append(rows[row]);
  const bool folders = kind == DataListKind::Folders;
  const QString dataFolder = DataFolderPath(kind);
  for (int row : items.Rows) {
    const ListEntry& entry = rows[row];
    const QString name = TrimTrailingBlanks(entry.Name);
    const QString sub = folders ? QString() : DataFolderSubfolder(entry.Location);
    items.Paths.append(sub.isEmpty() ? dataFolder + name : dataFolder + sub + kPathSeparator + name);
  }

  const DataFolderCommandTexts texts = folders ? DeleteFoldersTexts() : DeleteMusicTexts();
  const QString n = Count(items.Rows.size());
  if (!dialogs_.AskYesNo(kDataFolderHeader + n + texts.Announcement + u'\r' + u'\r' + kAskProceedText)) return;

  busy_ = true;
  if (progress_) {
    progress_->Open(kDataFolderCaption, kDeletingText, true);
    progress_->SetBarMaximum(static_cast<int>(items.Rows.size()) * kBarUnitsPerItem);
  }
  QStringList emptiedFolders;
  for (qsizetype i = 0; i < items.Paths.size(); ++i) {
    if (progress_) progress_->SetText(kDeletingText + QStringLiteral("(%1/%2)").arg(i + 1).arg(n));
    const QString& path = items.Paths[i];
    const QFileInfo info(path);
    Outcome outcome = Outcome::Failed;
    if (!LiesInside(path, dataFolder)) {
      outcome = Outcome::Failed;
    } else if (!info.exists() && !info.isSymLink()) {
      outcome = Outcome::Skipped;
    } else if (folders ? DeleteFolderTree(path, dialogs_) : DeleteOneFile(path, dialogs_)) {
      outcome = Outcome::Done;
      if (!folders && ParentPart(path) != WithoutTrailingSeparator(dataFolder)) emptiedFolders.append(ParentPart(path));
    }
    if (progress_) progress_->SetBarValue(static_cast<int>(i + (outcome == Outcome::Done ? 1 : 0)) * kBarUnitsPerItem);
    items.Outcomes.append(outcome);
    dialogs_.ProcessPendingMessages();
  }
  // A music subfolder without music left goes, with its album picture.
  emptiedFolders.removeDuplicates();
  for (const QString& folder : emptiedFolders) {
    if (FolderExists(folder) && !FolderHasImages(folder, FolderContent::Music)) DeleteFolderTree(folder, dialogs_);
  }
  if (progress_) progress_->Close();

  QList<int> removed;
  for (qsizetype i = 0; i < items.Rows.size(); ++i) {
    if (items.Outcomes[i] != Outcome::Failed && items.StillThere(i, rows, library_.CurrentName()))
      removed.append(items.Rows[i]);
  }
  if (library_.CurrentName() == items.Slideshow) RemoveRows(kind, removed, selection, items.AllDone());
  busy_ = false;
  dialogs_.ShowInformation(Summary(items, texts));
}

void DataFolderCommands::RemoveRows(DataListKind kind, const QList<int>& removed, const ListSelection& selection,
                                    bool allDone) {
  QList<ListEntry>& rows = Rows(kind);
  for (qsizetype i = removed.size() - 1; i >= 0; --i) {
    rows.removeAt(removed[i]);
    dialogs_.ProcessPendingMessages();
  }
  int current = -1;
  if (!rows.isEmpty()) {
    if (allDone) {
      // As the list's delete command: the row after the removed block.
      const int highest = removed.isEmpty() ? 0 : removed.last();
      current = std::min<int>(highest - static_cast<int>(removed.size()) + 1, rows.size() - 1);
      current = std::max(current, 0);
    } else {
      // The first selected row that stayed, or row 0.
      current = 0;
      for (int row : SortedValidRows(selection.Rows, rows.size() + removed.size())) {
        if (removed.contains(row)) continue;
        const auto before = std::count_if(removed.begin(), removed.end(), [row](int r) { return r < row; });
        current = row - static_cast<int>(before);
        break;
      }
    }
  }
  MakeRowCurrent(kind, current);
  RefreshList(kind);
}
