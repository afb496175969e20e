#pragma once
// The commands of the slideshow tab: switching to another slideshow,
// creating, renaming, copying (save as), deleting and reordering slideshows,
// and the checks of the name dialog. Every change of the library reaches
// SlideShow.dat at once, so the catalogue on disk names only folders that
// exist.
#include <QString>

class ProgressWindow;
class SlideshowLibrary;
class UserDialogs;

enum class NameDialogMode { New = 1, Rename = 2, SaveAs = 3 };

struct NameDialogTexts {
  QString Info;
  QString FieldLabel;
  QString OkButton;
};

NameDialogTexts TextsForNameDialog(NameDialogMode mode);

inline const QString kNameDialogCaption = QStringLiteral("■スライドショーの編集■");

enum class NameProblem { None, Empty, Exists, Unusable };

// Whether name can become a new slideshow folder below programFolder's
// SlideShow/: not empty; not taken by a folder or file there or by a row of
// catalog, letter case ignored; a single folder name that a file system
// accepts and a list file can hold (no "/", "\", control characters,
// characters Windows file names cannot hold, not "." or "..").
NameProblem CheckSlideshowName(const QString& programFolder, const QStringList& catalog, const QString& name);

class SlideshowManager {
 public:
  SlideshowManager(SlideshowLibrary& library, UserDialogs& dialogs);
  void SetProgressWindow(ProgressWindow* progress) { progress_ = progress; }

  // The name field when the dialog opens; previous is its text until now
  // (kept for a new slideshow when all untitled names are taken).
  QString InitialName(NameDialogMode mode, const QString& previous) const;
  // OK of the name dialog: true when the dialog closes.
  bool ConfirmName(NameDialogMode mode, const QString& name);

  // A click on a row of the slideshow list.
  void SwitchTo(int row);
  void DeleteCurrent();
  void MoveUp();
  void MoveDown();

 private:
  void CreateSlideshow(const QString& name);
  void RenameSlideshow(const QString& name);
  void SaveSlideshowAs(const QString& name);
  bool CopyListsInto(const QString& folder);
  void Move(int delta);
  void Process();

  SlideshowLibrary& library_;
  UserDialogs& dialogs_;
  ProgressWindow* progress_ = nullptr;
  bool busy_ = false;
};
