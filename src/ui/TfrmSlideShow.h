#pragma once
// The name dialog for new, renamed and copied slideshows. The texts follow
// the mode; OK hands the typed name to a check that decides whether the
// dialog closes, Cancel and Escape close it without action.
#include <QDialog>
#include <functional>

#include "library/SlideshowManager.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmSlideShow : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmSlideShow(QWidget* parent = nullptr);

  // Answers OK: true closes the dialog.
  using Confirm = std::function<bool(NameDialogMode mode, const QString& name)>;
  void SetConfirm(Confirm confirm) { confirm_ = std::move(confirm); }

  // Sets the texts of mode and the name field, then shows the dialog
  // modally, centred on the screen, with the focus in the name field.
  void Open(NameDialogMode mode, const QString& name);
  NameDialogMode Mode() const { return mode_; }

  QLabel* lblInfo;
  QLabel* lblName;
  QLineEdit* edtSlideShowName;
  QPushButton* btnSlideShowOK;
  QPushButton* btnCancel;

 private:
  void btnSlideShowOKClick();

  NameDialogMode mode_ = NameDialogMode::New;
  Confirm confirm_;
};
