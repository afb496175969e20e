#pragma once
// The commands of the folder and BGM list tabs on the current slideshow's
// lists in memory: add, move, cut and paste, remove duplicates, delete,
// clear, check marks, sorts, reload, the current-row rules of clicks and
// arrow keys, and adding dropped files. Nothing is written to disk except by
// reload, which saves the list first.
#include <QString>
#include <QStringList>

#include "library/ListKind.h"

class ListEditorView;
class ProgressWindow;
class SlideshowLibrary;
class UserDialogs;
struct DroppedItems;
struct ListEntry;

// The enabled state of the buttons of one list tab.
struct ListButtonStates {
  bool Add = false, Up = false, Down = false, Cut = false, Paste = false;
  bool DelSame = false, Del = false, Clear = false, Explorer = false, Reload = false;
  bool operator==(const ListButtonStates&) const = default;
};

enum class SortColumn { Name, Location };

class ListEditor {
 public:
  ListEditor(SlideshowLibrary& library, UserDialogs& dialogs);

  void SetView(ListEditorView* view) { view_ = view; }
  void SetProgressWindow(ProgressWindow* progress) { progress_ = progress; }

  // The selection of the list view; the window hands it over before each
  // command and shows it again after.
  void SetSelection(ListKind kind, ListSelection selection);
  const ListSelection& Selection(ListKind kind) const;

  // --- buttons -----------------------------------------------------------------
  // Folder list: the folder of one chosen image file. Music list: the chosen
  // music files (sorted, repeats dropped).
  void Add(ListKind kind, const QStringList& chosenFiles);
  void MoveUp(ListKind kind);
  void MoveDown(ListKind kind);
  void Cut(ListKind kind);
  void Paste(ListKind kind);
  void RemoveDuplicates(ListKind kind);
  // fromButton: the CD-making mode protects data-folder rows from the button.
  void Delete(ListKind kind, bool fromButton = true);
  void Clear(ListKind kind);
  // Saves the list (not in CD-play mode) and reads it again from its file.
  void Reload(ListKind kind);

  // --- context menu ----------------------------------------------------------------
  void SetChecks(ListKind kind, bool checked, bool allRows);
  void Sort(ListKind kind, SortColumn column, bool descending);
  // The folder to open for the focused row (empty: none).
  QString SelectedRowFolder(ListKind kind) const;
  // The slideshow's IMG/ or BGM/ folder, created when missing.
  QString PrepareDataFolder(ListKind kind) const;

  // --- other inputs ------------------------------------------------------------------
  // A click in the folder list: the current row follows the selection.
  void FolderListClicked();
  // ↑ / ↓ on a list: the row above or below the focused one becomes current.
  void ArrowKey(ListKind kind, bool up);
  // Appends dropped folders to the folder list and dropped music to the BGM list.
  void AddDropped(const DroppedItems& items);

  ListButtonStates ButtonStates(ListKind kind) const;
  int CheckedCount(ListKind kind) const;
  // True while a command runs (it processes pending messages; other
  // commands arriving meanwhile are ignored).
  bool IsBusy() const { return busy_; }

 private:
  QList<ListEntry>& Rows(ListKind kind);
  const QList<ListEntry>& Rows(ListKind kind) const;
  ListSelection& Sel(ListKind kind) { return selection_[Index(kind)]; }
  static int Index(ListKind kind) { return kind == ListKind::Folders ? 0 : 1; }
  QString& Anchor(ListKind kind);
  QString CutPath(ListKind kind, const ListEntry& row) const;
  ListEntry EntryFromCutPath(ListKind kind, const QString& path, bool checked) const;
  ListEntry FolderEntryFor(const QString& folder) const;
  ListEntry MusicEntryFor(const QString& file) const;
  int CurrentIndex(ListKind kind) const;
  void SetCurrentIndex(ListKind kind, int index);
  // Selects and focuses row alone and makes it the current row; for the
  // folder list the images and the preview are rebuilt when rebuild is set.
  void MakeCurrent(ListKind kind, int row, bool rebuild);
  void RebuildImages();
  void ListEmptied(ListKind kind, bool showStartHint);
  void RemoveRows(ListKind kind, const QList<int>& rows);
  void AppendRows(ListKind kind, const QList<ListEntry>& entries);
  void CommonEnding(ListKind kind);
  void Process();

  SlideshowLibrary& library_;
  UserDialogs& dialogs_;
  ListEditorView* view_ = nullptr;
  ProgressWindow* progress_ = nullptr;
  ListSelection selection_[2];
  bool busy_ = false;
};
