#include "library/ListEditor.h"

#include <QCollator>

#include <algorithm>

#include "engine/ProgressWindow.h"
#include "library/BusyScope.h"
#include "library/DroppedItems.h"
#include "library/LibraryPaths.h"
#include "library/LibraryTexts.h"
#include "library/ListEditTexts.h"
#include "library/ListEditorView.h"
#include "library/ListMenuItems.h"
#include "library/SlideshowLibrary.h"
#include "library/SlideshowLibraryView.h"
#include "platform/CommaText.h"
#include "platform/Paths.h"
#include "platform/UserDialogs.h"

namespace {

const QString kChecked = QStringLiteral("1");
const QString kUnchecked = QStringLiteral("0");

}  // namespace

ListEditor::ListEditor(SlideshowLibrary& library, UserDialogs& dialogs) : library_(library), dialogs_(dialogs) {}

void ListEditor::SetSelection(ListKind kind, ListSelection selection) {
  const int count = static_cast<int>(Rows(kind).size());
  QList<int> rows;
  for (int row : selection.Rows) {
    if (row >= 0 && row < count) rows.append(row);
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  selection.Rows = rows;
  if (selection.Focused >= count) selection.Focused = -1;
  Sel(kind) = selection;
}

const ListSelection& ListEditor::Selection(ListKind kind) const { return selection_[Index(kind)]; }

QList<ListEntry>& ListEditor::Rows(ListKind kind) {
  return kind == ListKind::Folders ? library_.Folders() : library_.Bgms();
}

const QList<ListEntry>& ListEditor::Rows(ListKind kind) const {
  return kind == ListKind::Folders ? library_.Folders() : library_.Bgms();
}

QString& ListEditor::Anchor(ListKind kind) {
  return kind == ListKind::Folders ? library_.CutState().FolderCutAnchor : library_.CutState().BgmCutAnchor;
}

int ListEditor::CurrentIndex(ListKind kind) const {
  return kind == ListKind::Folders ? library_.CurrentFolderIndex() : library_.CurrentBgmIndex();
}

void ListEditor::SetCurrentIndex(ListKind kind, int index) {
  if (kind == ListKind::Folders)
    library_.SetCurrentFolderIndex(index);
  else
    library_.SetCurrentBgmIndex(index);
}

int ListEditor::CheckedCount(ListKind kind) const {
  const QList<ListEntry>& rows = Rows(kind);
  return static_cast<int>(std::count_if(rows.begin(), rows.end(), [](const ListEntry& e) { return e.IsChecked; }));
}

void ListEditor::Process() { dialogs_.ProcessPendingMessages(); }

// ---- row forms ----------------------------------------------------------------------

// The path a cut keeps of a row: data-folder rows as their place inside the
// data folder (a folder's bare name, a music file's subfolder/file).
QString ListEditor::CutPath(ListKind kind, const ListEntry& row) const {
  const QString name = TrimTrailingBlanks(row.Name);
  if (!IsDataFolderRow(kind, row)) return JoinPath(row.Location, row.Name);
  if (kind == ListKind::Folders) return name;
  const QString subfolder = DataFolderSubfolder(row.Location);
  return subfolder.isEmpty() ? name : subfolder + kPathSeparator + name;
}

ListEntry ListEditor::EntryFromCutPath(ListKind kind, const QString& path, bool checked) const {
  ListEntry entry;
  entry.IsChecked = checked;
  entry.Name = NamePart(path);
  const QString parent = ParentPart(path);
  if (kind == ListKind::Folders)
    entry.Location = parent.isEmpty() ? kDataFolderMarker : parent;
  else
    entry.Location = HasDrivePart(path) ? parent : kDataFolderMarker + u'\\' + parent;
  return entry;
}

// A folder lying directly in the slideshow's IMG/ is listed as a data-folder row.
ListEntry ListEditor::FolderEntryFor(const QString& folderPath) const {
  const QString folder = WithoutTrailingSeparator(folderPath);
  ListEntry entry;
  entry.Name = NamePart(folder);
  const QString imageData = library_.CurrentSlideshowFolder() + kImageDataFolderName + kPathSeparator;
  entry.Location = WithTrailingSeparator(ParentPart(folder)) == imageData ? kDataFolderMarker : ParentPart(folder);
  return entry;
}

// A file in a subfolder of the slideshow's BGM/ is listed as a data-folder row.
ListEntry ListEditor::MusicEntryFor(const QString& file) const {
  ListEntry entry;
  entry.Name = NamePart(file);
  const QString folder = ParentPart(file);
  const QString musicData = library_.CurrentSlideshowFolder() + kMusicDataFolderName + kPathSeparator;
  if (WithTrailingSeparator(ParentPart(folder)) == musicData)
    entry.Location = kDataFolderMarker + u'\\' + NamePart(folder);
  else
    entry.Location = folder;
  return entry;
}

// ---- shared steps -----------------------------------------------------------------

void ListEditor::RebuildImages() {
  const qsizetype before = library_.Folders().size();
  library_.BuildCurrentFolderImages();
  // A folder that lost its images was removed on the way; the selection then
  // follows the row that became current.
  if (library_.Folders().size() != before) {
    const int current = library_.CurrentFolderIndex();
    Sel(ListKind::Folders) = current >= 0 ? ListSelection{{current}, current} : ListSelection{};
  }
  if (!library_.CurrentFolderImages().isEmpty() && library_.View()) library_.View()->HideStartHint();
  if (view_) view_->RefreshPreview();
}

void ListEditor::MakeCurrent(ListKind kind, int row, bool rebuild) {
  Sel(kind) = ListSelection{{row}, row};
  const bool changed = CurrentIndex(kind) != row;
  SetCurrentIndex(kind, row);
  if (kind == ListKind::Folders && (rebuild || changed)) RebuildImages();
}

void ListEditor::ListEmptied(ListKind kind, bool showStartHint) {
  Sel(kind) = ListSelection{};
  if (kind == ListKind::Music) {
    library_.SetCurrentBgmIndex(-1);
    return;
  }
  library_.ClearCurrentFolderImages();
  if (view_) view_->RefreshPreview();
  if (showStartHint && library_.View()) library_.View()->ShowStartHint(kStartHintText);
}

void ListEditor::RemoveRows(ListKind kind, const QList<int>& rows) {
  QList<ListEntry>& list = Rows(kind);
  for (qsizetype i = rows.size() - 1; i >= 0; --i) {
    list.removeAt(rows[i]);
    Process();
  }
}

void ListEditor::AppendRows(ListKind kind, const QList<ListEntry>& entries) {
  QList<ListEntry>& list = Rows(kind);
  ListSelection selection;
  for (const ListEntry& entry : entries) {
    list.append(entry);
    selection.Rows.append(static_cast<int>(list.size()) - 1);
  }
  selection.Focused = selection.Rows.isEmpty() ? -1 : selection.Rows.last();
  Sel(kind) = selection;
  if (selection.Focused >= 0) {
    SetCurrentIndex(kind, selection.Focused);
    if (kind == ListKind::Folders) RebuildImages();
  }
}

// Every command ends so: the counts and the header refreshed, the list's tab
// shown and, where it may, the list focused with a selected row.
void ListEditor::CommonEnding(ListKind kind) {
  if (!view_) return;
  const bool mayFocus = view_->ShowListTab(kind);
  ListSelection& selection = Sel(kind);
  if (mayFocus && !Rows(kind).isEmpty() && selection.Rows.isEmpty()) selection = ListSelection{{0}, 0};
  view_->ShowListRows(kind);
  view_->RefreshListHeader(kind);
  view_->RefreshListButtons();
}

// ---- buttons ----------------------------------------------------------------------

void ListEditor::Add(ListKind kind, const QStringList& chosenFiles) {
  BusyScope busy(busy_);
  if (!busy.Entered() || chosenFiles.isEmpty()) return;
  QList<ListEntry> entries;
  if (kind == ListKind::Folders) {
    entries.append(FolderEntryFor(ParentPart(chosenFiles.first())));
  } else {
    QStringList files = chosenFiles;
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
      return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    files.erase(std::unique(files.begin(), files.end(),
                            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }),
                files.end());
    for (const QString& file : files) entries.append(MusicEntryFor(file));
  }
  AppendRows(kind, entries);
  CommonEnding(kind);
}

void ListEditor::MoveUp(ListKind kind) {
  BusyScope busy(busy_);
  if (!busy.Entered()) return;
  QList<ListEntry>& rows = Rows(kind);
  ListSelection& selection = Sel(kind);
  if (selection.Rows.isEmpty() || selection.IsSelected(0)) return;
  for (int& row : selection.Rows) {
    rows.swapItemsAt(row - 1, row);
    --row;
    selection.Focused = row;
  }
  SetCurrentIndex(kind, selection.Focused);
  CommonEnding(kind);
}

void ListEditor::MoveDown(ListKind kind) {
  BusyScope busy(busy_);
  if (!busy.Entered()) return;
  QList<ListEntry>& rows = Rows(kind);
  ListSelection& selection = Sel(kind);
  const int last = static_cast<int>(rows.size()) - 1;
  if (selection.Rows.isEmpty() || selection.IsSelected(last)) return;
  for (qsizetype i = selection.Rows.size() - 1; i >= 0; --i) {
    int& row = selection.Rows[i];
    rows.swapItemsAt(row, row + 1);
    ++row;
    selection.Focused = row;
  }
  SetCurrentIndex(kind, selection.Focused);
  CommonEnding(kind);
}

void ListEditor::Cut(ListKind kind) {
  BusyScope busy(busy_);
  if (!busy.Entered()) return;
  ListCutState& cut = library_.CutState();
  // The buffer is shared: a second cut before the paste would lose the rows
  // of the first one.
  if (cut.IsPending()) return;
  cut.PasteArmed = false;
  ListSelection& selection = Sel(kind);
  if (selection.Rows.isEmpty()) {
    CommonEnding(kind);
    return;
  }
  QList<ListEntry>& rows = Rows(kind);
  const int anchorRow = selection.Focused >= 0 ? selection.Focused : selection.Rows.first();
  const QString anchor = CutPath(kind, rows[anchorRow]);
  cut.CutBuffer.clear();
  for (int row : selection.Rows)
    cut.CutBuffer.append(JoinCommaText({CutPath(kind, rows[row]), rows[row].IsChecked ? kChecked : kUnchecked}));
  const QList<int> removed = selection.Rows;
  RemoveRows(kind, removed);
  Anchor(kind) = anchor;

  if (!rows.isEmpty()) {
    const int next = std::min(removed.last() - static_cast<int>(removed.size()) + 1, static_cast<int>(rows.size()) - 1);
    MakeCurrent(kind, next, true);
  } else {
    ListEmptied(kind, false);
  }
  CommonEnding(kind);
  cut.PasteArmed = true;
  if (view_) view_->RefreshListButtons();
}

void ListEditor::Paste(ListKind kind) {
  BusyScope busy(busy_);
  if (!busy.Entered()) return;
  ListCutState& cut = library_.CutState();
  if (cut.CutBuffer.isEmpty() || !cut.PasteArmed || Anchor(kind).isEmpty()) return;
  QList<ListEntry>& rows = Rows(kind);
  const ListSelection& selection = Sel(kind);
  // Without a selected row the rows go before the focused row, or to the end.
  int at = static_cast<int>(rows.size());
  if (!selection.Rows.isEmpty())
    at = selection.Rows.first();
  else if (selection.Focused >= 0)
    at = selection.Focused;

  QStringList paths;
  QList<ListEntry> entries;
  for (const QString& record : cut.CutBuffer) {
    const QStringList fields = SplitCommaText(record);
    const QString path = fields.value(0);
    paths.append(path);
    entries.append(EntryFromCutPath(kind, path, fields.value(1) == kChecked));
  }
  ListSelection pasted;
  for (qsizetype i = 0; i < entries.size(); ++i) {
    rows.insert(at + i, entries[i]);
    pasted.Rows.append(at + static_cast<int>(i));
  }
  // The row that had the focus at the cut gets it again; when it was not
  // among the cut rows, the first pasted row does.
  const int anchorPosition = std::max(0, static_cast<int>(paths.indexOf(Anchor(kind))));
  pasted.Focused = at + anchorPosition;
  Sel(kind) = pasted;
  cut.Clear();
  SetCurrentIndex(kind, pasted.Focused);
  if (kind == ListKind::Folders) RebuildImages();
  CommonEnding(kind);
}

void ListEditor::RemoveDuplicates(ListKind kind) {
  BusyScope busy(busy_);
  if (!busy.Entered()) return;
  QList<ListEntry>& rows = Rows(kind);
  int dropped = 0;
  if (rows.size() > 1) {
    if (progress_) progress_->Open(kListEditCaption, DuplicateSearchText(kind), false);
    Process();
    const ListSelection& selection = Sel(kind);
    const QString remembered = selection.Rows.isEmpty() ? QString() : CutPath(kind, rows[selection.Rows.first()]);
    QSet<QString> seen;
    QList<ListEntry> kept;
    for (const ListEntry& row : rows) {
      const QString key = CutPath(kind, row).toCaseFolded();
      if (seen.contains(key)) {
        ++dropped;
      } else {
        seen.insert(key);
        kept.append(row);
      }
    }
    rows = kept;
    int current = 0;
    for (int i = 0; i < rows.size(); ++i) {
      if (CutPath(kind, rows[i]).compare(remembered, Qt::CaseInsensitive) == 0) {
        current = i;
        break;
      }
    }
    MakeCurrent(kind, current, true);
    if (progress_ && progress_->IsShowing()) progress_->Close();
  }
  CommonEnding(kind);
  dialogs_.ShowInformation(DuplicatesRemovedMessage(kind, dropped));
}

void ListEditor::Delete(ListKind kind, bool fromButton) {
  BusyScope busy(busy_);
  if (!busy.Entered()) return;
  ListSelection& selection = Sel(kind);
  if (selection.Rows.isEmpty()) return;
  QList<ListEntry>& rows = Rows(kind);
  if (fromButton && library_.Mode() == RunMode::CdMaking) {
    int dataRows = 0;
    for (int row : selection.Rows) dataRows += IsDataFolderRow(kind, rows[row]) ? 1 : 0;
    if (selection.Rows.size() == 1) {
      const int judged = selection.Focused >= 0 ? selection.Focused : selection.Rows.first();
      if (IsDataFolderRow(kind, rows[judged])) {
        dialogs_.ShowInformation(DeleteDataRowMessage(kind));
        return;
      }
    } else if (dataRows == selection.Rows.size()) {
      dialogs_.ShowInformation(DeleteDataRowsMessage(kind));
      return;
    } else if (dataRows > 0) {
      dialogs_.ShowInformation(DeleteMixedRowsMessage(kind));
      return;
    }
  }
  const QList<int> removed = selection.Rows;
  RemoveRows(kind, removed);
  if (!rows.isEmpty()) {
    const int next = std::min(removed.last() - static_cast<int>(removed.size()) + 1, static_cast<int>(rows.size()) - 1);
    MakeCurrent(kind, next, true);
  } else {
    ListEmptied(kind, true);
  }
  CommonEnding(kind);
}

void ListEditor::Clear(ListKind kind) {
  BusyScope busy(busy_);
  if (!busy.Entered()) return;
  QList<ListEntry>& rows = Rows(kind);
  if (library_.Mode() == RunMode::CdMaking &&
      std::any_of(rows.begin(), rows.end(), [kind](const ListEntry& e) { return IsDataFolderRow(kind, e); })) {
    dialogs_.ShowInformation(ClearDataRowsMessage(kind));
    return;
  }
  if (dialogs_.AskYesNo(ClearConfirmation(kind))) {
    rows.clear();
    ListEmptied(kind, true);
  }
  CommonEnding(kind);
}

void ListEditor::Reload(ListKind kind) {
  BusyScope busy(busy_);
  if (!busy.Entered()) return;
  // A list that could not be saved stays as it is instead of being replaced
  // by the older file.
  const bool saved = kind == ListKind::Folders ? library_.SaveFolderList() : library_.SaveBgmList();
  if (!saved) {
    CommonEnding(kind);
    return;
  }
  if (kind == ListKind::Folders) {
    library_.LoadFolderList();
    const int current = library_.CurrentFolderIndex();
    Sel(kind) = current >= 0 ? ListSelection{{current}, current} : ListSelection{};
    RebuildImages();
  } else {
    library_.LoadBgmList();
    const int current = library_.CurrentBgmIndex();
    Sel(kind) = current >= 0 ? ListSelection{{current}, current} : ListSelection{};
  }
  CommonEnding(kind);
}

// ---- context menu ---------------------------------------------------------------------

void ListEditor::SetChecks(ListKind kind, bool checked, bool allRows) {
  BusyScope busy(busy_);
  if (!busy.Entered()) return;
  QList<ListEntry>& rows = Rows(kind);
  if (rows.isEmpty()) return;
  if (allRows) {
    for (ListEntry& row : rows) {
      row.IsChecked = checked;
      Process();
    }
  } else {
    for (int row : Sel(kind).Rows) {
      rows[row].IsChecked = checked;
      Process();
    }
  }
  if (!view_) return;
  view_->ShowListRows(kind);
  view_->RefreshListHeader(kind);
}

void ListEditor::Sort(ListKind kind, SortColumn column, bool descending) {
  BusyScope busy(busy_);
  if (!busy.Entered()) return;
  QList<ListEntry>& rows = Rows(kind);
  if (rows.isEmpty()) return;
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  // Rows are sorted with their selection, and the current row moves with its
  // row, so the preview keeps showing the same folder.
  struct Keyed {
    ListEntry Row;
    bool Selected;
    bool Focused;
    bool Current;
  };
  QList<Keyed> keyed;
  const ListSelection& selection = Sel(kind);
  for (int i = 0; i < rows.size(); ++i)
    keyed.append({rows[i], selection.IsSelected(i), selection.Focused == i, CurrentIndex(kind) == i});
  auto text = [column](const ListEntry& e) { return column == SortColumn::Name ? e.Name : e.Location; };
  std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
    const int c = collator.compare(text(a.Row), text(b.Row));
    return descending ? c > 0 : c < 0;
  });
  ListSelection sorted;
  for (int i = 0; i < keyed.size(); ++i) {
    rows[i] = keyed[i].Row;
    if (keyed[i].Selected) sorted.Rows.append(i);
    if (keyed[i].Focused) sorted.Focused = i;
    if (keyed[i].Current) SetCurrentIndex(kind, i);
  }
  Sel(kind) = sorted;
  if (!view_) return;
  view_->ShowListRows(kind);
  view_->RefreshListHeader(kind);
}

QString ListEditor::SelectedRowFolder(ListKind kind) const {
  const ListSelection& selection = Selection(kind);
  const int row = selection.Focused >= 0 ? selection.Focused : selection.Rows.value(0, -1);
  if (row < 0 || row >= Rows(kind).size()) return QString();
  if (kind == ListKind::Folders) return library_.FolderEntryPath(Rows(kind)[row]);
  return ParentPart(library_.BgmEntryPath(Rows(kind)[row]));
}

QString ListEditor::PrepareDataFolder(ListKind kind) const {
  const QString folder = library_.CurrentSlideshowFolder() +
                         (kind == ListKind::Folders ? kImageDataFolderName : kMusicDataFolderName);
  if (library_.Mode() != RunMode::CdPlay) CreateFolder(folder);
  return folder;
}

// ---- other inputs -----------------------------------------------------------------------

void ListEditor::FolderListClicked() {
  BusyScope busy(busy_);
  if (!busy.Entered()) return;
  const QList<ListEntry>& rows = Rows(ListKind::Folders);
  if (rows.isEmpty()) return;
  ListSelection& selection = Sel(ListKind::Folders);
  int row = 0;
  if (selection.Rows.size() == 1)
    row = selection.Rows.first();
  else if (selection.Rows.size() > 1 && selection.Focused >= 0)
    row = selection.Focused;
  if (selection.Rows.isEmpty()) selection = ListSelection{{0}, 0};
  // Only a change of the current row rebuilds the images.
  if (row != library_.CurrentFolderIndex()) {
    library_.SetCurrentFolderIndex(row);
    RebuildImages();
  }
  if (view_) view_->ShowListSelection(ListKind::Folders);
}

void ListEditor::ArrowKey(ListKind kind, bool up) {
  if (busy_) return;
  const ListSelection& selection = Sel(kind);
  const int from = selection.Focused >= 0 ? selection.Focused : selection.Rows.value(0, -1);
  if (from < 0) return;
  const int to = up ? from - 1 : from + 1;
  if (to < 0 || to >= Rows(kind).size()) return;
  Sel(kind) = ListSelection{{to}, to};
  if (kind == ListKind::Folders) {
    FolderListClicked();
  } else {
    library_.SetCurrentBgmIndex(to);
  }
  if (view_) {
    view_->ShowListSelection(kind);
    view_->RefreshListHeader(kind);
  }
}

void ListEditor::AddDropped(const DroppedItems& items) {
  BusyScope busy(busy_);
  if (!busy.Entered()) return;
  if (!items.ImageFolders.isEmpty()) {
    if (view_) view_->OpenOptionsPanel();
    QList<ListEntry> entries;
    for (const QString& folder : items.ImageFolders) entries.append(FolderEntryFor(folder));
    AppendRows(ListKind::Folders, entries);
    CommonEnding(ListKind::Folders);
  }
  if (!items.MusicFiles.isEmpty()) {
    if (view_) view_->OpenOptionsPanel();
    QList<ListEntry> entries;
    for (const QString& file : items.MusicFiles) entries.append(MusicEntryFor(file));
    AppendRows(ListKind::Music, entries);
    CommonEnding(ListKind::Music);
  }
}

// ---- button states ---------------------------------------------------------------------

ListButtonStates ListEditor::ButtonStates(ListKind kind) const {
  const ListCutState& cut = library_.CutState();
  const QString& own = kind == ListKind::Folders ? cut.FolderCutAnchor : cut.BgmCutAnchor;
  const QString& other = kind == ListKind::Folders ? cut.BgmCutAnchor : cut.FolderCutAnchor;
  ListButtonStates s;
  if (!own.isEmpty()) {
    s.Paste = cut.PasteArmed;
    return s;
  }
  s.Add = s.Explorer = true;
  if (Rows(kind).isEmpty()) return s;
  s.Up = s.Down = s.DelSame = s.Del = s.Clear = s.Reload = true;
  s.Cut = other.isEmpty();
  return s;
}
