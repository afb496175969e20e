#pragma once
// The dialog asked when a CD-making copy closes: is the CD finished, or is
// the work still going on?
#include <QDialog>

#include "cdmaking/CdFinish.h"

class QRadioButton;

class TfrmCDMakeClose : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmCDMakeClose(QWidget* parent = nullptr);

  // Shows the dialog modally with "完了済み" selected; Cancelled unless OK.
  CdEndChoice Ask();

  QRadioButton* rbComp;
  QRadioButton* rbInComp;
};
