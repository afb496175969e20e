#pragma once
// The list import dialog ("リストのインポート"): where the lists come from,
// which lists, and whether they replace or extend the current ones. The
// import itself is ImportLists; the dialog only gathers the choices.
#include <QDialog>
#include <functional>

#include "library/ListImport.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SlideshowLibrary;
class UserDialogs;
struct AppSettings;

class TfrmImport : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmImport(QWidget* parent = nullptr);
  // What the import works on; library, settings and dialogs outlive the
  // dialog. The default source folder is decided here, once.
  void Attach(SlideshowLibrary& library, AppSettings& settings, UserDialogs& dialogs, ImportHooks hooks);

  // The folder browser of "参照..."; replaceable so tests need no modal
  // dialog. Returns an empty text when the user cancels.
  std::function<QString(const QString& start)> BrowseFolder;

  QRadioButton* rbSlideShow;
  QComboBox* cbSlideShow;
  QRadioButton* rbDir;
  QLineEdit* edtDir;
  QPushButton* btnDir;
  QCheckBox* chkDirList;
  QCheckBox* chkBGMList;
  QRadioButton* rbAdd;
  QRadioButton* rbWrite;
  QCheckBox* chkDelSame;
  QPushButton* btnImport;
  QPushButton* btnCancel;

  void btnImportClick();
  void btnDirClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void ApplySourceEnableRule();
  void SourceRadioClick();

  SlideshowLibrary* library_ = nullptr;
  AppSettings* settings_ = nullptr;
  UserDialogs* dialogs_ = nullptr;
  ImportHooks hooks_;
  QString defaultFolder_;
};
