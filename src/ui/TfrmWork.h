#pragma once
// The dialog that creates a CD work folder: where, under which name, and
// which slideshows to take over. It holds no rules: "作業フォルダを作成" hands
// the fields to OnMakeWorkDir, which says whether the dialog may close.
#include <QDialog>
#include <functional>

#include "cdmaking/WorkFolder.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TfrmWork : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmWork(QWidget* parent = nullptr);

  // Fills the slideshow list (all unchecked) and the current-slideshow line;
  // called each time before the dialog opens.
  void Prepare(const QStringList& slideshows, const QString& currentName);
  // The fields as the user filled them.
  WorkFolderRequest Request() const;
  // Puts the keyboard focus into the name field.
  void FocusName();

  // Called by "作業フォルダを作成"; returns true when the dialog must close.
  std::function<bool(const WorkFolderRequest&)> OnMakeWorkDir;

  QLineEdit* Edit1;  // location
  QPushButton* btnBrowse;
  QLineEdit* Edit2;  // folder name
  QCheckBox* chkUseSlideShow;
  QLabel* lblCurrent;
  QListWidget* clbSlideShow;
  QPushButton* btnMakeWorkDir;
  QPushButton* btnCancel;

 private:
  void btnMakeWorkDirClick();
  void BrowseLocation();
};
